#include "gui/app/windowlistmenu.h"

#include "gui/ration/calculateform.h"
#include "gui/widgets/plaintext.h"

#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

WindowListMenu::WindowListMenu(QMenu *menu, QMdiArea *workspace)
    : QObject(menu), m_menu(menu), m_workspace(workspace), m_group(new QActionGroup(this))
{
    m_group->setExclusive(true);
    connect(menu, &QMenu::aboutToShow, this, &WindowListMenu::update);
}

QString WindowListMenu::numberedEntry(qsizetype i, QString name)
{
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return (i < 9 ? QStringLiteral("&%1 %2") : QStringLiteral("%1 %2")).arg(i + 1).arg(name);
}

void WindowListMenu::update()
{
    const QList<QAction *> old = m_group->actions();
    for (QAction *action : old)
        delete action;
    const QList<QAction *> entries = m_menu->actions();
    if (entries.last()->isSeparator())
        delete entries.last();

    const QList<QMdiSubWindow *> windows = m_workspace->subWindowList();
    if (windows.isEmpty())
        return;
    m_menu->addSeparator();
    QMdiSubWindow *current = m_workspace->currentSubWindow();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        auto *form = qobject_cast<TCalculateForm *>(windows[i]->widget());
        QAction *action =
            m_menu->addAction(numberedEntry(i, form ? form->caption() : windows[i]->windowTitle()));
        PlainText::keepToolTipPlain(action);
        action->setCheckable(true);
        action->setChecked(windows[i] == current);
        m_group->addAction(action);
        QMdiSubWindow *window = windows[i];
        connect(action, &QAction::triggered, m_workspace,
                [this, window] { m_workspace->setActiveSubWindow(window); });
    }
}
