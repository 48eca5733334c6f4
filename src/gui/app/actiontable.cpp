#include "gui/app/actiontable.h"

#include "gui/app/mainactions.h"
#include "gui/app/mainform.h"
#include "gui/images/embeddedimages.h"
#include "gui/widgets/plaintext.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QUndoGroup>

#include <algorithm>
#include <array>
#include <vector>

TCalculateForm *ActionTable::activeRation(TMainForm *form) { return form->activeRation(); }

QAction *ActionTable::makeAction(TMainForm *form, const Row &row)
{
    const QString text = TMainForm::tr(row.text);
    if (row.slot) {
        auto *action = new QAction(text, form);
        QObject::connect(action, &QAction::triggered, form, [form, run = row.slot] { run(form); });
        return action;
    }
    // Undo and redo act on the steps of the active ration window; their
    // texts name the product of the step.
    QAction *action = row.member == &TMainForm::EditUndoAction
        ? form->UndoGroup->createUndoAction(form, text)
        : form->UndoGroup->createRedoAction(form, text);
    PlainText::keepToolTipPlain(action);
    return action;
}

void ActionTable::createActions(TMainForm *form)
{
    for (const Row &row : MainActions::rows()) {
        QAction *action = makeAction(form, row);
        action->setObjectName(QString::fromLatin1(row.objectName));
        if (row.icon)
            action->setIcon(embeddedIcon(QString::fromLatin1(row.icon)));
        QList<QKeySequence> keys;
        for (const char *key : row.shortcuts) {
            if (key)
                keys.append(QKeySequence(TMainForm::tr(key)));
        }
        if (!keys.isEmpty())
            action->setShortcuts(keys);
        action->setStatusTip(TMainForm::tr(row.statusTip));
        form->*row.member = action;
    }
}

QList<QAction *> ActionTable::actionsAt(const TMainForm *form, Place place, Spot Row::*spot)
{
    std::vector<const Row *> placed;
    for (const Row &row : MainActions::rows()) {
        if ((row.*spot).place == place)
            placed.push_back(&row);
    }
    std::sort(placed.begin(), placed.end(),
              [spot](const Row *a, const Row *b) { return (a->*spot).at < (b->*spot).at; });
    QList<QAction *> actions;
    int group = -1;
    for (const Row *row : placed) {
        const int rowGroup = (row->*spot).at / 10;
        if (group >= 0 && rowGroup != group)
            actions.append(nullptr);
        group = rowGroup;
        actions.append(form->*row->member);
    }
    return actions;
}

namespace {
// A menu or a toolbar gets the actions, a null one standing for a separator.
template <typename Holder> void addAll(Holder *holder, const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (action)
            holder->addAction(action);
        else
            holder->addSeparator();
    }
}
} // namespace

void ActionTable::fill(const TMainForm *form, QMenu *menu, Place place)
{
    addAll(menu, actionsAt(form, place, &Row::menu));
}

void ActionTable::fill(const TMainForm *form, QToolBar *bar, Place place)
{
    addAll(bar, actionsAt(form, place, &Row::bar));
}

QList<QAction *> ActionTable::needingRation(const TMainForm *form)
{
    QList<QAction *> actions;
    for (const Row &row : MainActions::rows()) {
        if (row.needsRation)
            actions.append(form->*row.member);
    }
    return actions;
}
