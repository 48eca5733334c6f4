#pragma once

#include <QString>

class QWidget;

// Saving a page the way the user expects: a file dialog in the home folder
// proposing a name, ".html" added when missing, a question before an
// existing file is replaced, a safe write, and a message when it fails.
class PageSaver
{
public:
    // The proposed name is made fit for a file name first
    // (SafeWrite::proposedFileName). Returns the path written, or an empty text when nothing was
    // written (cancelled, not confirmed, or failed and reported).
    static QString save(QWidget *parent, const QString &caption, const QString &proposedName,
                        const QString &text);
};
