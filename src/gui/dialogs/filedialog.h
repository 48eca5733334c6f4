#pragma once

#include <QString>

class QWidget;

// The program's file dialogs. Tests answer them without showing anything
// through setNextFileName (an empty name stands for a cancelled dialog).
class FileDialog
{
public:
    // Asks for a file to write; returns the chosen path or an empty text.
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &selection, const QString &filter);
    // Asks for an existing file; returns the chosen path or an empty text.
    static QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &filter);

    // The folder of the file last chosen in any of them (the home folder at
    // first): where the next dialog starts.
    static QString lastFolder();
    static void setLastFolder(const QString &folder);

    static void setNextFileName(const QString &fileName);
};
