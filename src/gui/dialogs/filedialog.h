#pragma once

#include <QString>

class QWidget;

// The program's file dialogs. Tests answer them without showing anything
// through setNextFileName (an empty name stands for a cancelled dialog, no
// filter for the first one offered).
class FileDialog
{
public:
    // Asks for a file to write; returns the chosen path or an empty text.
    // Filters stand apart by ";;"; the one chosen goes to chosenFilter.
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &selection, const QString &filter,
                                QString *chosenFilter = nullptr);
    // Asks for an existing file; returns the chosen path or an empty text.
    static QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &filter);

    // The folder of the file last chosen in any of them (the home folder at
    // first): where the next dialog starts.
    static QString lastFolder();
    static void setLastFolder(const QString &folder);

    static void setNextFileName(const QString &fileName, const QString &filter = QString());
};
