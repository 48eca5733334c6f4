#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QMdiArea;
class QMimeData;
class QMdiSubWindow;
class Services;
class SpareWindow;
class TCalculateForm;

// The ration windows of the main window's workspace: opening a new one or
// one for a file, finding the active one or the one of a file, and closing
// them. Messages go to the window that holds the workspace.
class RationWindows : public QObject
{
    Q_OBJECT

public:
    // closeKey is taken off each window frame's own menu: a key claimed
    // twice does nothing, and the main window's command keeps it.
    RationWindows(Services &services, QMdiArea *workspace, const QKeySequence &closeKey,
                  QObject *parent);

    // A new, empty ration window, made active: maximized when it is the
    // only one or the others are maximized, else cascaded with them.
    TCalculateForm *add();
    // Opens a ration file in a window of its own, or activates the window
    // that has it open already; with nameFile the messages say which file
    // failed. Returns the window, or null after a message.
    TCalculateForm *open(const QString &path, bool nameFile);
    // Opens each file, as open() does with nameFile; a file that cannot be
    // opened is reported and the others still open. Returns how many were.
    int openAll(const QStringList &paths);
    // The same at start-up: when any file opened, an empty ration window
    // still untouched is closed; when none did and no window is open, an
    // empty ration is opened.
    int openAtStart(const QStringList &paths);
    // The local files among what is dragged onto a window.
    static QStringList localFiles(const QMimeData *data);
    // The window commands work on: the workspace's current window, or null
    // when the workspace lists none or none is current.
    TCalculateForm *active() const;
    // The open window of that file, if any.
    TCalculateForm *windowOf(const QString &path) const;
    bool isEmpty() const;
    // Every window, in the workspace's order (the order they were opened).
    QList<TCalculateForm *> forms() const;
    // Makes the window the active one and brings the main window forward.
    void bringForward(TCalculateForm *form);

    void closeActive();
    // Closes every listed window, current or not; a window whose user
    // chose to keep it stops the closing. Returns whether all closed.
    bool closeAll();
    // Makes no more windows in advance.
    void stopPreparing();

Q_SIGNALS:
    // A window was made; it is not yet in the workspace.
    void created(TCalculateForm *form);
    // A window came or went.
    void listChanged();
    // A file was read only in part, or with damaged letters: its window
    // does not take it as its file, but it was opened.
    void partlyRead(const QString &path);

private:
    QMdiArea *m_workspace;
    QKeySequence m_closeKey;
    SpareWindow *m_spare;
};
