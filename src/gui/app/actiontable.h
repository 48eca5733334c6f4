#pragma once

#include <QList>

#include <array>
#include <vector>

class QAction;
class QMenu;
class QToolBar;
class TCalculateForm;
class TMainForm;

// Every command of the main window in one table: its object name, texts,
// icon, keys, the slot it runs, where it sits in the menus and toolbars,
// and whether it needs a ration window. The main window builds its
// actions, menus and toolbars from it.
class ActionTable
{
public:
    // The menus of the menu bar and the toolbars an action can sit in.
    enum class Place {
        None,
        FileMenu,
        EditMenu,
        ToolsMenu,
        WindowMenu,
        HelpMenu,
        FileBar,
        ToolsBar,
        HelpBar
    };

    // Makes the main window's actions, each stored in its member; undo and
    // redo come from the window's UndoGroup, which must exist.
    static void createActions(TMainForm *form);
    // Puts the actions of that place into the menu or toolbar, in their
    // order there, with a separator between their groups.
    static void fill(const TMainForm *form, QMenu *menu, Place place);
    static void fill(const TMainForm *form, QToolBar *bar, Place place);
    // The actions that have nothing to work on without a ration window.
    static QList<QAction *> needingRation(const TMainForm *form);

    // Runs a slot of the main window, whatever it returns.
    using Runner = void (*)(TMainForm *);
    template <auto Slot> static void run(TMainForm *form) { (form->*Slot)(); }
    // Runs a command of the active ration window, when there is one.
    template <auto Command> static void onRation(TMainForm *form)
    {
        if (auto *ration = activeRation(form))
            (ration->*Command)();
    }
    // A place of an action: a menu or toolbar and its position there. The
    // tens of the position are the action's group; groups are kept apart by
    // a separator.
    struct Spot {
        Place place = Place::None;
        int at = 0;
    };
    struct Row {
        QAction *TMainForm::*member;
        const char *objectName;
        const char *text;
        const char *icon;
        std::array<const char *, 2> shortcuts;
        const char *statusTip;
        // Null for undo and redo, which the undo group makes and runs.
        Runner slot;
        Spot menu;
        Spot bar;
        bool needsRation;
    };

private:
    static TCalculateForm *activeRation(TMainForm *form);

    static QAction *makeAction(TMainForm *form, const Row &row);
    // The actions of a place in their order there, a null between groups.
    static QList<QAction *> actionsAt(const TMainForm *form, Place place, Spot Row::*spot);
};
