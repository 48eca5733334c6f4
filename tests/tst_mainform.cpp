#include "core/ration/rationmodel.h"
#include "gui/app/mainform.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "mainformharness.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {

QStringList entries(const QList<QAction *> &actions)
{
    QStringList texts;
    for (QAction *a : actions)
        texts.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

    MainFormHarness main;
    TMainForm *&form = main.form;

    void trigger(const char *actionName) { main.trigger(actionName); }

    // Gives the workspace a viewport of exactly this size.
    void setWorkspaceSize(int width, int height)
    {
        const int frame = 2 * form->Workspace->frameWidth();
        form->Workspace->setFixedSize(width + frame, height + frame);
        QTRY_COMPARE(form->Workspace->viewport()->size(), QSize(width, height));
    }

    // Lets the windows take any size, so that shares decide alone.
    static void allowAnySize(const QList<QMdiSubWindow *> &windows)
    {
        for (QMdiSubWindow *w : windows) {
            w->setMinimumSize(0, 0);
            w->widget()->setMinimumSize(0, 0);
        }
    }

private Q_SLOTS:
    void initTestCase() { MessageBox::setShowBoxes(false); }
    void init() { main.open(); }
    void cleanup() { main.close(); }

    void startUp()
    {
        QCOMPARE(form->objectName(), QStringLiteral("MainForm"));
        // a maximized ration window adds its own caption after the program's
        QVERIFY(form->windowTitle().startsWith(QStringLiteral("Калькулятор калорий Korvent")));
        const auto windows = form->Workspace->subWindowList();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.first()->isMaximized());
        auto *ration = qobject_cast<TCalculateForm *>(windows.first()->widget());
        QVERIFY(ration);
        QCOMPARE(ration->caption(), QStringLiteral("Без имени"));
        QCOMPARE(form->activeRation(), ration);
        static const QRegularExpression clock(
            QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} - \\d\\d:\\d\\d:\\d\\d$"));
        QVERIFY(clock.match(form->DateTimeLabel->text()).hasMatch());
        QCOMPARE(form->Timer->interval(), 1000);
        QVERIFY(form->Timer->isActive());
        QVERIFY(!form->windowIcon().isNull());
    }

    void actions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<bool>("icon");
        auto row = [](const char *n, const char *t, const char *s, const char *tip, bool icon) {
            QTest::newRow(n) << QString::fromUtf8(n) << QString::fromUtf8(t) << QString::fromUtf8(s)
                             << QString::fromUtf8(tip) << icon;
        };
        row("FileExitAction", "Выход", "Ctrl+Q", "Завершить работу программы", true);
        row("FileNewAction", "Создать", "Ctrl+N", "Создать новый рацион", true);
        row("FileOpenAction", "Загрузить", "Ctrl+O", "Загрузить данные, сохранённые в файл", true);
        row("FileSaveAction", "Сохранить", "Ctrl+S", "Сохранить данные рациона в файл", true);
        row("FilePrintAction", "Печать", "Ctrl+P", "Напечатать данные текущего окна", true);
        row("FilePrintPreviewAction", "Предварительный просмотр", "",
            "Показать, как будет напечатан рацион текущего окна", false);
        row("FileCloseAction", "Закрыть", "Ctrl+W", "Закрыть активное окно", true);
        row("FileCloseAllAction", "Закрыть всё", "Ctrl+A", "Закрыть все окна", false);
        row("ToolsFindAction", "Найти", "F3", "Найти продукт / группу продуктов в списке", true);
        row("ToolsEnergyValueAction", "Энергетическая ценность", "F4",
            "Рассчитать энергетическую ценность продукта", true);
        row("WindowCascadeAction", "Каскад", "F5", "Упорядочить окна документов каскадом", false);
        row("WindowTileHorizontalAction", "Упорядочить по горизонтали", "F6",
            "Упорядочить окна документов по горизонтали", false);
        row("WindowTileVerticalAction", "Упорядочить по вертикали", "F7",
            "Упорядочить окна документов по вертикали", false);
        row("WindowTileAction", "Замостить", "F8", "Упорядочить окна документов", false);
        row("HelpContentsAction", "Разделы", "F1", "Показать разделы справки", true);
        row("HelpAboutAction", "О программе", "F2", "Показать краткую информацию об этой программе",
            true);
        row("HelpAboutQtAction", "О библиотеке Qt", "Alt+Q",
            "Показать краткую информацию о библиотеке Qt", true);
    }
    void actions()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, shortcut);
        QFETCH(QString, tip);
        QFETCH(bool, icon);
        auto *action = form->findChild<QAction *>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), text);
        QCOMPARE(action->shortcut(), QKeySequence(shortcut));
        QCOMPARE(action->statusTip(), tip);
        QCOMPARE(!action->icon().isNull(), icon);
        QVERIFY(action->isEnabled());
    }

    void menusAndToolBars()
    {
        QStringList titles;
        for (QAction *a : form->menuBar()->actions())
            titles.append(a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(titles, QStringList({"&Файл", "&Правка", "&Сервис", "&Окно", "-", "Сп&равка"}));
        QCOMPARE(entries(form->EditMenu->actions()),
                 QStringList({"Отменить", "Повторить", "Копировать", "-", "Масштабировать…"}));
        QCOMPARE(form->EditUndoAction->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});
        QCOMPARE(form->EditRedoAction->shortcuts(),
                 QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
        QCOMPARE(entries(form->FileMenu->actions()),
                 QStringList({"Создать", "Загрузить", "Сохранить", "Сохранить как…",
                              "Сохранить как продукт…", "Экспорт в CSV…", "Импорт из CSV…", "-",
                              "Закрыть", "Закрыть всё", "-", "Печать", "Предварительный просмотр",
                              "Технологическая карта…", "-", "Недавние файлы", "-", "Выход"}));
        QCOMPARE(entries(form->ToolsMenu->actions()),
                 QStringList(
                     {"Найти", "-", "Энергетическая ценность", "-", "Мои продукты…", "Профили…"}));
        QCOMPARE(
            entries(form->WindowMenu->actions()),
            QStringList({"Каскад", "Упорядочить по горизонтали", "Упорядочить по вертикали",
                         "Замостить", "-", "Следующее", "Предыдущее", "-", "Сводка рационов…"}));
        QCOMPARE(entries(form->HelpMenu->actions()),
                 QStringList({"Разделы", "-", "О программе", "О библиотеке Qt"}));

        QCOMPARE(form->FileToolBar->windowTitle(), QStringLiteral("Панель \"Файл\""));
        QCOMPARE(entries(form->FileToolBar->actions()),
                 QStringList({"Выход", "-", "Создать", "Загрузить", "Сохранить", "-", "Печать", "-",
                              "Закрыть"}));
        QCOMPARE(form->ToolsToolBar->windowTitle(), QStringLiteral("Панель \"Сервис\""));
        QCOMPARE(entries(form->ToolsToolBar->actions()),
                 QStringList({"Найти", "-", "Энергетическая ценность"}));
        QCOMPARE(form->HelpToolBar->windowTitle(), QStringLiteral("Панель \"Справка\""));
        QCOMPARE(entries(form->HelpToolBar->actions()),
                 QStringList({"Разделы", "О программе", "-", "О библиотеке Qt"}));
    }

    // The keys reach their commands from the main window.
    void shortcuts()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(form->Workspace->subWindowList().size(), 2);
        QTest::keyClick(form, Qt::Key_W, Qt::ControlModifier);
        QTRY_COMPARE(form->Workspace->subWindowList().size(), 1);
        QTest::keyClick(form, Qt::Key_F8);
        QTest::keyClick(form, Qt::Key_A, Qt::ControlModifier);
        QTRY_COMPARE(form->Workspace->subWindowList().size(), 0);
    }

    // A second window cascades beside a window of normal size, and is
    // maximized beside a maximized one, which stays so.
    void secondWindow_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("beside a normal window") << false;
        QTest::newRow("beside a maximized window") << true;
    }
    void secondWindow()
    {
        QFETCH(bool, maximized);
        if (!maximized)
            form->Workspace->subWindowList().first()->showNormal();
        trigger("FileNewAction");
        const auto windows = form->Workspace->subWindowList();
        QCOMPARE(windows.size(), 2);
        for (QMdiSubWindow *w : windows) {
            QCOMPARE(w->isMaximized(), maximized);
            QCOMPARE(qobject_cast<TCalculateForm *>(w->widget())->caption(),
                     QStringLiteral("Без имени"));
        }
        if (!maximized)
            QVERIFY(windows[0]->pos() != windows[1]->pos());
        QCOMPARE(form->activeRation(), windows[1]->widget());
    }

    void closeAndCloseAll()
    {
        trigger("FileNewAction");
        trigger("FileNewAction");
        QCOMPARE(form->Workspace->subWindowList().size(), 3);
        trigger("FileCloseAction");
        QTRY_COMPARE(form->Workspace->subWindowList().size(), 2);
        trigger("FileCloseAllAction");
        QTRY_COMPARE(form->Workspace->subWindowList().size(), 0);
        QVERIFY(!form->activeRation());
        // commands on a ration are greyed out with no ration window
        for (const char *name : {"FileSaveAction", "FileSaveAsProductAction", "EditScaleAction"})
            QTRY_VERIFY2(!form->findChild<QAction *>(QLatin1String(name))->isEnabled(), name);
        // nothing to close: nothing happens
        trigger("FileCloseAction");
        trigger("FileCloseAllAction");
        trigger("WindowTileHorizontalAction");
        trigger("WindowTileVerticalAction");
        QVERIFY(MessageBox::history().isEmpty());
    }

    // Ctrl+A closes every window, also from a ration's table with a row
    // selected: it never selects rows.
    void ctrlAClosesAllFromTable()
    {
        TCentralWidget *editor = form->activeRation()->CentralWidget;
        Ration ration;
        ration.rows = {{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"}};
        editor->loadRation(ration);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        editor->FoodsTable->setFocus();
        editor->FoodsTable->selectRow(0);
        editor->FoodsTable->setCurrentIndex(editor->model()->index(0, 1));
        QTest::keyClick(editor->FoodsTable, Qt::Key_A, Qt::ControlModifier);
        QTRY_COMPARE(form->Workspace->subWindowList().size(), 0);
    }

    // With windows listed but none current, commands on the active window
    // do nothing; closing all closes every window all the same.
    void noCurrentWindow()
    {
        trigger("FileNewAction");
        form->Workspace->setActiveSubWindow(nullptr);
        QVERIFY(!form->Workspace->currentSubWindow());
        QVERIFY(!form->activeRation());
        trigger("FileCloseAction");
        QCOMPARE(form->Workspace->subWindowList().size(), 2);
        trigger("FileCloseAllAction");
        QTRY_COMPARE(form->Workspace->subWindowList().size(), 0);
    }

    void tileHorizontally_data()
    {
        QTest::addColumn<int>("height");
        QTest::newRow("600") << 600;
        QTest::newRow("601: remainder stays empty") << 601;
    }
    void tileHorizontally()
    {
        QFETCH(int, height);
        trigger("FileNewAction");
        trigger("FileNewAction");
        const auto windows = form->Workspace->subWindowList();
        allowAnySize(windows);
        windows[0]->showMaximized();
        setWorkspaceSize(800, height);
        trigger("WindowTileHorizontalAction");
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!windows[i]->isMaximized());
            QCOMPARE(windows[i]->geometry(), QRect(0, 200 * i, 800, 200));
        }
    }

    // A frame that cannot be made as small as its share pushes the next
    // ones down instead of lying under them.
    void tileRespectsFrameMinimum()
    {
        trigger("FileNewAction");
        trigger("FileNewAction");
        const auto windows = form->Workspace->subWindowList();
        allowAnySize(windows);
        windows[0]->setMinimumHeight(300);
        setWorkspaceSize(800, 600);
        trigger("WindowTileHorizontalAction");
        QCOMPARE(windows[0]->geometry(), QRect(0, 0, 800, 300));
        QCOMPARE(windows[1]->geometry(), QRect(0, 300, 800, 200));
        QCOMPARE(windows[2]->geometry(), QRect(0, 500, 800, 200));
    }

    void tileOneWindowHorizontally()
    {
        setWorkspaceSize(700, 500);
        QMdiSubWindow *frame = form->Workspace->subWindowList().first();
        trigger("WindowTileHorizontalAction");
        QCOMPARE(frame->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(frame->width(), 700);
        QCOMPARE(frame->height(), qMax(500, frame->minimumHeight()));
    }

    void tileVertically()
    {
        trigger("FileNewAction");
        const auto windows = form->Workspace->subWindowList();
        allowAnySize(windows);
        setWorkspaceSize(1000, 500);
        trigger("WindowTileVerticalAction");
        QCOMPARE(windows[0]->geometry(), QRect(0, 0, 500, 500));
        QCOMPARE(windows[1]->geometry(), QRect(500, 0, 500, 500));

        // a window that needs 700 pixels gets them, and pushes the next one
        const QMargins chrome = windows[0]->contentsMargins();
        windows[0]->widget()->setMinimumWidth(700 - chrome.left() - chrome.right());
        trigger("WindowTileVerticalAction");
        QCOMPARE(windows[0]->geometry(), QRect(0, 0, 700, 500));
        QCOMPARE(windows[1]->geometry(), QRect(700, 0, 500, 500));
    }

    // Closing a changed ration asks first; the answer decides.
    void closeAsksForChangedRation_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("windowsLeft");
        QTest::newRow("discard") << int(QMessageBox::Discard) << 0;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << 1;
    }
    void closeAsksForChangedRation()
    {
        QFETCH(int, answer);
        QFETCH(int, windowsLeft);
        TCalculateForm *ration = form->activeRation();
        ration->CentralWidget->RationEdit->setText(QStringLiteral("Обед"));
        QTest::keyClick(ration->CentralWidget->RationEdit, Qt::Key_A);
        QVERIFY(ration->isWindowModified());
        MessageBox::setNextAnswer(MessageBox::Button(answer));
        trigger("FileCloseAction");
        QTRY_COMPARE(form->Workspace->subWindowList().size(), windowsLeft);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text,
                 QStringLiteral("Сохранить изменения в рационе «Обедa»?"));
    }

    void unchangedRationClosesWithoutQuestion()
    {
        trigger("FileCloseAction");
        QTRY_COMPARE(form->Workspace->subWindowList().size(), 0);
        QVERIFY(MessageBox::history().isEmpty());
    }

    // Quitting asks for a changed ration too; Отмена keeps the program.
    void exitAsksForChangedRation_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("stillOpen");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << true;
        QTest::newRow("discard") << int(QMessageBox::Discard) << false;
    }
    void exitAsksForChangedRation()
    {
        QFETCH(int, answer);
        QFETCH(bool, stillOpen);
        QPointer<TMainForm> window = form;
        form->activeRation()->setWindowModified(true);
        MessageBox::setNextAnswer(MessageBox::Button(answer));
        trigger("FileExitAction");
        QCOMPARE(MessageBox::history().size(), 1);
        if (stillOpen) {
            QVERIFY(form->isVisible());
            QCOMPARE(form->Workspace->subWindowList().size(), 1);
        } else {
            QTRY_VERIFY(!window); // closed and deleted
            form = nullptr;
        }
    }

    // Undo and redo follow the active window's steps and name them; the
    // modified mark follows: undoing back to the state loaded clears it.
    void undoRedoFollowActiveWindow()
    {
        TCalculateForm *first = form->activeRation();
        Ration ration;
        ration.name = QStringLiteral("Обед");
        ration.rows = {{"Хлеб", "50", "1", "1", "1", "1", "100"}};
        first->loadRation(ration, true);
        QVERIFY(!form->EditUndoAction->isEnabled());
        first->CentralWidget->FoodsTable->selectionModel()->select(
            first->CentralWidget->FoodsTable->model()->index(0, 3), QItemSelectionModel::Select);
        first->CentralWidget->RemoveButton->click();
        QVERIFY(first->isWindowModified());
        QCOMPARE(form->EditUndoAction->text(), QStringLiteral("Отменить удаление «Хлеб»"));

        trigger("FileNewAction");
        TCalculateForm *second = form->activeRation();
        QVERIFY(second != first);
        QVERIFY(!form->EditUndoAction->isEnabled()); // the new window has no step yet
        QTest::keyClicks(second->CentralWidget->RationEdit, QStringLiteral("ab"));
        QCOMPARE(form->EditUndoAction->text(), QStringLiteral("Отменить переименование рациона"));
        trigger("EditUndoAction"); // both letters: one step
        QCOMPARE(second->CentralWidget->RationEdit->text(), QStringLiteral("Без имени"));
        QVERIFY(!second->isWindowModified());
        QCOMPARE(form->EditRedoAction->text(), QStringLiteral("Повторить переименование рациона"));

        form->Workspace->setActiveSubWindow(form->Workspace->subWindowList().first());
        QCOMPARE(form->activeRation(), first);
        trigger("EditUndoAction");
        QCOMPARE(first->CentralWidget->cellText(0, 0), QStringLiteral("Хлеб"));
        QCOMPARE(first->CentralWidget->MassValueLabel->text(), QStringLiteral("50"));
        QVERIFY(!first->isWindowModified());
        trigger("EditRedoAction");
        QVERIFY(first->CentralWidget->cellText(0, 0).isEmpty());
        QVERIFY(first->isWindowModified());
    }

    void closeAllStopsAtCancel()
    {
        trigger("FileNewAction");
        trigger("FileNewAction");
        const auto windows = form->Workspace->subWindowList();
        windows[1]->widget()->setWindowModified(true);
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        trigger("FileCloseAllAction");
        QTRY_COMPARE(form->Workspace->subWindowList().size(), 2);
        QCOMPARE(form->Workspace->subWindowList().first(), windows[1]);
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
