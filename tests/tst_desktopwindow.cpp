// The main window as one program among others: files opened from outside,
// the recent files, the window list, the commands that need a ration window
// and the window's placement kept between runs.

#include "core/page/rationpage.h"
#include "core/platform/savedsettings.h"
#include "fifo.h"
#include "filebytes.h"
#include "gui/app/mainform.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "mainformharness.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <sys/stat.h>

namespace {

QStringList captions(const QMdiArea *workspace)
{
    QStringList names;
    for (QMdiSubWindow *window : workspace->subWindowList())
        names.append(qobject_cast<TCalculateForm *>(window->widget())->caption());
    return names;
}

} // namespace

class TestDesktopWindow : public QObject
{
    Q_OBJECT

    MainFormHarness main;
    TMainForm *&form = main.form;
    QTemporaryDir dir;

    QString at(const QString &name) const { return dir.filePath(name); }

    // A saved ration of that name, as the program writes it.
    QString rationFile(const QString &fileName, const QString &rationName)
    {
        Ration ration;
        ration.name = rationName;
        ration.rows = {{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"}};
        ration.totals = Ration::totalsOf(ration.rows);
        const QString path = at(fileName);
        writeBytes(path, RationPage::fileText(ration).toUtf8());
        return path;
    }

    QAction *action(const char *name) const
    {
        return form->findChild<QAction *>(QString::fromLatin1(name));
    }
    QMenu *recentMenu() const
    {
        return form->findChild<QMenu *>(QStringLiteral("RecentFilesMenu"));
    }

    // The window menu as the user sees it when opening it.
    QStringList windowEntries(QList<bool> *checked = nullptr) const
    {
        Q_EMIT form->WindowMenu->aboutToShow();
        QStringList texts;
        const QList<QAction *> all = form->WindowMenu->actions();
        for (QAction *a : all) {
            if (!a->isSeparator() && a->isCheckable()) {
                texts.append(a->text());
                if (checked)
                    checked->append(a->isChecked());
            }
        }
        return texts;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        MessageBox::setShowBoxes(false);
    }
    void init() { main.openAfresh(); }
    void cleanup() { main.close(); }

    // Each file gets its own window; each that cannot be opened gets one
    // message that names it, and the others open all the same.
    void openFiles_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("failed");
        QTest::newRow("two rations")
            << QStringList{"a.html", "b.html"} << QStringList{"Завтрак", "Обед"} << QStringList{};
        QTest::newRow("missing between")
            << QStringList{"a.html", "none.html", "b.html"} << QStringList{"Завтрак", "Обед"}
            << QStringList{"none.html"};
        QTest::newRow("folder, pipe, device")
            << QStringList{"folder", "pipe.html", "/dev/null", "b.html"} << QStringList{"Обед"}
            << QStringList{"folder", "pipe.html", "/dev/null"};
        QTest::newRow("not a ration, empty")
            << QStringList{"page.html", "empty.html", "a.html"} << QStringList{"Завтрак"}
            << QStringList{"page.html", "empty.html"};
        QTest::newRow("nothing good") << QStringList{"none.html", "folder"} << QStringList{}
                                      << QStringList{"none.html", "folder"};
    }
    void openFiles()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, failed);
        rationFile(QStringLiteral("a.html"), QStringLiteral("Завтрак"));
        rationFile(QStringLiteral("b.html"), QStringLiteral("Обед"));
        QDir(dir.path()).mkpath(QStringLiteral("folder"));
        ::mkfifo(QFile::encodeName(at(QStringLiteral("pipe.html"))).constData(), 0600);
        QVERIFY(writeBytes(at(QStringLiteral("page.html")),
                           "<html><body>Обычная страница</body></html>\n"));
        QVERIFY(writeBytes(at(QStringLiteral("empty.html")), {}));

        QStringList paths;
        for (const QString &name : names)
            paths.append(name.startsWith(QLatin1Char('/')) ? name : at(name));
        const QStringList before = captions(form->Workspace);
        QCOMPARE(form->openFiles(paths), opened.size());
        QCOMPARE(captions(form->Workspace), before + opened);

        const QList<MessageBox::Shown> &shown = MessageBox::history();
        QCOMPARE(shown.size(), failed.size());
        for (qsizetype i = 0; i < failed.size(); ++i) {
            QCOMPARE(shown[i].title, QStringLiteral("Ошибка загрузки"));
            QVERIFY2(shown[i].text.contains(failed[i]), qPrintable(shown[i].text));
        }
    }

    // A file that is not there is not taken for a window whose own file
    // has gone: it is reported, and no window stands for it.
    void missingFileAfterOneWasDeleted()
    {
        const QString a = rationFile(QStringLiteral("a.html"), QStringLiteral("Завтрак"));
        QCOMPARE(form->openFiles({a}), 1);
        QVERIFY(QFile::remove(a));
        MessageBox::clearHistory();
        QCOMPARE(form->openFiles({at(QStringLiteral("none.html"))}), 0);
        QCOMPARE(MessageBox::history().size(), 1);
    }

    // At start-up the files take the place of the empty ration, unless
    // none of them could be opened.
    void startFiles_data()
    {
        QTest::addColumn<bool>("good");
        QTest::addColumn<bool>("emptyFirst"); // the window opened with an empty ration
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("good file") << true << true << QStringList{"Завтрак"};
        QTest::newRow("bad file") << false << true << QStringList{"Без имени"};
        QTest::newRow("good file, no empty ration") << true << false << QStringList{"Завтрак"};
        QTest::newRow("bad file, no empty ration") << false << false << QStringList{"Без имени"};
    }
    void startFiles()
    {
        QFETCH(bool, good);
        QFETCH(bool, emptyFirst);
        QFETCH(QStringList, expected);
        if (!emptyFirst) {
            main.close();
            main.open(false);
            QVERIFY(form->Workspace->subWindowList().isEmpty());
            QVERIFY(!action("FileSaveAction")->isEnabled());
        }
        const QString path =
            good ? rationFile(QStringLiteral("a.html"), QStringLiteral("Завтрак")) : at("none");
        form->openStartFiles({path});
        QTRY_COMPARE(captions(form->Workspace), expected);
    }

    void dropOpensFiles()
    {
        const QString a = rationFile(QStringLiteral("a.html"), QStringLiteral("Завтрак"));
        const QString b = rationFile(QStringLiteral("b.html"), QStringLiteral("Обед"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(a), QUrl(QStringLiteral("https://example.org/x.html")),
                      QUrl::fromLocalFile(b)});
        const QPoint centre = form->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form, &drop);
        QCOMPARE(captions(form->Workspace), QStringList({"Без имени", "Завтрак", "Обед"}));

        QMimeData text;
        text.setText(QStringLiteral("Бобы"));
        QDragEnterEvent other(centre, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        other.setAccepted(false);
        QApplication::sendEvent(form, &other);
        QVERIFY(!other.isAccepted());
    }

    void recentFiles()
    {
        const QString a = rationFile(QStringLiteral("a.html"), QStringLiteral("Завтрак"));
        const QString b = rationFile(QStringLiteral("b.html"), QStringLiteral("Обед"));
        QVERIFY(!recentMenu()->isEnabled());
        form->openFiles({a, b, at("none.html")});
        QList<QAction *> entries = recentMenu()->actions();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0]->data().toString(), b);
        QCOMPARE(entries[1]->data().toString(), a);
        QVERIFY(entries[0]->text().startsWith(QStringLiteral("&1 ")));

        // Kept for the next start.
        main.close();
        main.open();
        entries = recentMenu()->actions();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0]->data().toString(), b);

        entries[1]->trigger();
        QCOMPARE(captions(form->Workspace).last(), QStringLiteral("Завтрак"));
        QCOMPARE(recentMenu()->actions()[0]->data().toString(), a);

        // A file that is gone leaves the list with a message.
        QVERIFY(QFile::remove(b));
        const qsizetype windows = form->Workspace->subWindowList().size();
        recentMenu()->actions()[1]->trigger();
        QCOMPARE(form->Workspace->subWindowList().size(), windows);
        QCOMPARE(MessageBox::history().size(), 1);
        QVERIFY(MessageBox::history()[0].text.contains(QDir::toNativeSeparators(b)));
        QCOMPARE(recentMenu()->actions().size(), 1);
        QCOMPARE(recentMenu()->actions()[0]->data().toString(), a);
    }

    void windowList()
    {
        form->pFileNewSlot()->setCaption(QStringLiteral("Второй & третий"));
        form->pFileNewSlot()->setCaption(QStringLiteral("Ужин"));
        QList<bool> checked;
        QCOMPARE(windowEntries(&checked),
                 QStringList({"&1 Без имени", "&2 Второй && третий", "&3 Ужин"}));
        QCOMPARE(checked, QList<bool>({false, false, true}));

        // Choosing an entry makes that window the active one.
        for (QAction *a : form->WindowMenu->actions()) {
            if (a->text().startsWith(QStringLiteral("&1 ")))
                a->trigger();
        }
        QCOMPARE(form->activeRation()->caption(), QStringLiteral("Без имени"));
        checked.clear();
        windowEntries(&checked);
        QCOMPARE(checked, QList<bool>({true, false, false}));

        action("WindowNextAction")->trigger();
        QCOMPARE(form->activeRation()->caption(), QStringLiteral("Второй & третий"));
        action("WindowPreviousAction")->trigger();
        action("WindowPreviousAction")->trigger();
        QCOMPARE(form->activeRation()->caption(), QStringLiteral("Ужин"));
        // The keys, from inside a ration window.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->activeRation()->CentralWidget->FoodsList->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(form->activeRation()->caption(), QStringLiteral("Без имени"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form->activeRation()->caption(), QStringLiteral("Ужин"));

        // A closed window leaves the list.
        action("FileCloseAction")->trigger();
        QTRY_COMPARE(windowEntries(), QStringList({"&1 Без имени", "&2 Второй && третий"}));
        action("FileCloseAllAction")->trigger();
        QTRY_COMPARE(windowEntries(), QStringList());
    }

    void commandsNeedARation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("needsRation");
        const char *needing[] = {"FileSaveAction",           "FilePrintAction",
                                 "FileCloseAction",          "FileCloseAllAction",
                                 "ToolsFindAction",          "ToolsEnergyValueAction",
                                 "WindowCascadeAction",      "WindowTileHorizontalAction",
                                 "WindowTileVerticalAction", "WindowTileAction",
                                 "WindowNextAction",         "WindowPreviousAction",
                                 "EditScaleAction"};
        for (const char *name : needing)
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        const char *always[] = {"FileExitAction",     "FileNewAction",   "FileOpenAction",
                                "HelpContentsAction", "HelpAboutAction", "HelpAboutQtAction"};
        for (const char *name : always)
            QTest::newRow(name) << QString::fromLatin1(name) << false;
    }
    void commandsNeedARation()
    {
        QFETCH(QString, name);
        QFETCH(bool, needsRation);
        auto *command = form->findChild<QAction *>(name);
        QVERIFY(command);
        QVERIFY(command->isEnabled());
        action("FileCloseAllAction")->trigger();
        QTRY_COMPARE(command->isEnabled(), !needsRation);
        action("FileNewAction")->trigger();
        QVERIFY(command->isEnabled());
        // Closed by its frame rather than by a command.
        form->Workspace->subWindowList().constFirst()->close();
        QTRY_COMPARE(command->isEnabled(), !needsRation);
        const QString a = rationFile(QStringLiteral("a.html"), QStringLiteral("Завтрак"));
        form->openFiles({a});
        QVERIFY(command->isEnabled());
    }

    void windowPlaceKept()
    {
        form->showNormal();
        form->setGeometry(40, 50, 700, 500);
        form->removeToolBar(form->HelpToolBar);
        form->addToolBar(Qt::BottomToolBarArea, form->HelpToolBar);
        form->HelpToolBar->show();
        QTRY_COMPARE(form->geometry().size(), QSize(700, 500));
        const QRect kept = form->geometry();
        QVERIFY(form->close());
        form = nullptr;

        main.open();
        form->hide();
        form->showAsLastTime();
        QTRY_COMPARE(form->geometry().size(), kept.size());
        QVERIFY(!form->isMaximized());
        QCOMPARE(form->toolBarArea(form->HelpToolBar), Qt::BottomToolBarArea);
    }

    // Settings that are damaged or from a newer program are not used, nor
    // written over.
    void unusableSettings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("keptAsIs");
        QTest::newRow("damaged") << QByteArray("[window\ngeometry=@ByteArray(\xff\n\x01\x02")
                                 << false;
        QTest::newRow("newer program")
            << QByteArray("[General]\nsettingsVersion=7\nrecentFiles=/a.html\n"
                          "[window]\ngeometry=@ByteArray(xyz)\n")
            << true;
        QTest::newRow("garbage values") << QByteArray(
            "[General]\nsettingsVersion=1\nrecentFiles=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
            "[window]\ngeometry=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3)\nstate=12\n")
                                        << false;
    }
    void unusableSettings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, keptAsIs);
        main.close();
        const QString path = SavedSettings::open()->fileName();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(writeBytes(path, bytes));

        main.open();
        form->hide();
        form->showAsLastTime();
        QTRY_VERIFY2(form->isMaximized(),
                     qPrintable(QStringLiteral("%1x%2 state %3")
                                    .arg(form->width())
                                    .arg(form->height())
                                    .arg(int(form->windowState()))));
        QVERIFY(recentMenu()->actions().isEmpty());
        form->openFiles({rationFile(QStringLiteral("a.html"), QStringLiteral("Завтрак"))});
        QVERIFY(form->close());
        form = nullptr;
        if (keptAsIs)
            QCOMPARE(contents(path), bytes);
        else
            QVERIFY(contents(path).contains("settingsVersion=1"));
    }

    // A FIFO in place of the settings file: the program starts at once with
    // its defaults, says so once, and leaves the FIFO alone.
    void settingsFileIsAFifo()
    {
        main.close();
        const QString path = SavedSettings::open()->fileName();
        QCOMPARE(path,
                 QSettings(QSettings::IniFormat, QSettings::UserScope, "Rationix", "Rationix")
                     .fileName());
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile::remove(path);
        const Fifo fifo(path);
        QVERIFY(fifo.isMade());
        QVERIFY(returnsAtOnce([&] {
            main.open();
            form->hide();
            form->showAsLastTime();
            form->openFiles({rationFile(QStringLiteral("a.html"), QStringLiteral("Завтрак"))});
            QVERIFY(form->close());
        }));
        form = nullptr;
        QCOMPARE(MessageBox::history().size(), 1);
        QVERIFY(MessageBox::history()[0].text.startsWith(
            QStringLiteral("Файл настроек «%1» не прочитан: это не обычный файл.").arg(path)));
        struct stat st {
        };
        QVERIFY(::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }
};

QTEST_MAIN(TestDesktopWindow)
#include "tst_desktopwindow.moc"
