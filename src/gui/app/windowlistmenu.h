#pragma once

#include <QObject>
#include <QString>

class QActionGroup;
class QMdiArea;
class QMenu;

// The list of open ration windows at the end of «Окно», the active one
// checked; choosing one activates it. It is made afresh each time the menu
// opens.
class WindowListMenu : public QObject
{
    Q_OBJECT

public:
    WindowListMenu(QMenu *menu, QMdiArea *workspace);

    // A numbered entry of a menu list; the first nine get their number as
    // the key.
    static QString numberedEntry(qsizetype i, QString name);

private:
    void update();

    QMenu *m_menu;
    QMdiArea *m_workspace;
    QActionGroup *m_group;
};
