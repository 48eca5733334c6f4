#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

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

    // What each dialog was asked, answered by a test or by the user.
    struct Asked {
        QPointer<QWidget> parent;
        QString caption;
        QString dir;
        QString filter;
        bool save = false;
        // The message boxes shown before it (MessageBox::history()): the
        // order of the two kinds of questions.
        qsizetype boxesBefore = 0;
    };
    static const QList<Asked> &history();
    static void clearHistory();
};
