#pragma once

// A main window for one test function: opened in init(), shown offscreen,
// and deleted in cleanup() without questions about unsaved rations.

#include "core/platform/savedsettings.h"
#include "gui/app/mainform.h"
#include "gui/dialogs/messagebox.h"
#include "testservices.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

struct MainFormHarness {
    TMainForm *form = nullptr;

    void open(bool withRation = true)
    {
        // What the window keeps between runs never goes to the user's own
        // settings, even when a test runs outside ctest; the folder goes
        // when the test ends.
        if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
            static const QTemporaryDir config(
                QDir::temp().filePath(QStringLiteral("rationix-test-config-XXXXXX")));
            qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        }
        MessageBox::clearHistory();
        form = new TMainForm(testServices(), nullptr, "MainForm", {}, withRation);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // The same with no window state kept from an earlier test.
    void openAfresh()
    {
        QFile::remove(SavedSettings::open()->fileName());
        open();
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
