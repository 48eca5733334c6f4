#pragma once

// A main window for one test function: opened in init(), shown offscreen,
// and deleted in cleanup() without questions about unsaved rations.

#include "app/mainform.h"
#include "dialogs/messagebox.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

struct MainFormHarness {
    TMainForm *form = nullptr;

    void open()
    {
        MessageBox::clearHistory();
        form = new TMainForm(nullptr, "MainForm");
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    void close()
    {
        if (form) {
            for (QMdiSubWindow *w : form->Workspace->subWindowList())
                w->widget()->setWindowModified(false);
        }
        delete form;
        form = nullptr;
    }

    // Triggers the main window's action of that object name.
    void trigger(const char *actionName) const
    {
        auto *action = form->findChild<QAction *>(QString::fromLatin1(actionName));
        QVERIFY2(action, actionName);
        action->trigger();
    }
};
