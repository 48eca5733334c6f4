#pragma once

#include <QString>

class QWidget;
struct DocumentFile;

// Saving a page the way the user expects: a file dialog in the home folder
// proposing a name, ".html" added when missing, a question before an
// existing file is replaced (and before its hard link is broken, its owner
// lost, or another program's changes overwritten), a safe write, and a
// message when it fails.
class PageSaver
{
public:
    // The file dialogs' filter for the pages; each class that shows it
    // translates it in its own context.
    static constexpr const char *FileFilter = QT_TRANSLATE_NOOP("PageSaver", "Файл HTML (*.html)");

    // The proposed name is made fit for a file name first
    // (SafeWrite::proposedFileName). When document is given, saving over
    // its file asks first if the file changed on disk since it was loaded
    // or saved, and a successful save updates it. Returns the path
    // written, or an empty text when nothing was written (cancelled, not
    // confirmed, or failed and reported).
    static QString save(QWidget *parent, const QString &caption, const QString &proposedName,
                        const QString &text, DocumentFile *document = nullptr);
    // Saves to a path the document already has, without the file dialog and
    // without asking whether to replace its own file; the other questions
    // are asked as by save().
    static QString saveTo(QWidget *parent, const QString &path, const QString &text,
                          DocumentFile *document);
    // Writes a file of another kind to a path the user has just chosen,
    // asking as save() does before a file there is replaced.
    static QString saveChosen(QWidget *parent, const QString &path, const QByteArray &bytes);
};
