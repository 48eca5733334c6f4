#include "core/platform/manuallocator.h"
#include "fifo.h"
#include "filebytes.h"
#include "gui/app/mainform.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/messagebox.h"
#include "gui/dialogs/printdialog.h"
#include "gui/dialogs/urlopener.h"
#include "gui/help/helpform.h"
#include "mainformharness.h"
#include "pdfpages.h"
#include "tempplaces.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <memory>

namespace {

// A page of the manual: UTF-8 bytes, with or without a declared encoding.
QByteArray page(const QString &title, const QString &body, const QByteArray &head = {})
{
    return "<html><head>" + head + "<title>" + title.toUtf8() + "</title></head><body>"
        + body.toUtf8() + "</body></html>";
}

const QByteArray metaUtf8 =
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">";

// The text of every page of the manual, as a reader sees it: markup,
// entities and line breaks of the source aside.
QString manualText()
{
    QString text;
    const QDir doc(QStringLiteral(MANUAL_SOURCE_DIR));
    const QStringList pages = doc.entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString &name : pages) {
        QTextDocument page;
        page.setHtml(QString::fromUtf8(contents(doc.filePath(name))));
        text += page.toPlainText() + QLatin1Char('\n');
    }
    return text;
}

// The names of the commands and menus, those within the menus too, as the
// manual writes them: without the key marks and the dots of a command that
// asks first. The recent files are the user's, not commands.
void commandNames(const QList<QAction *> &actions, QStringList *names)
{
    for (const QAction *action : actions) {
        if (action->isSeparator())
            continue;
        QString name = action->text().remove(QLatin1Char('&'));
        if (name.endsWith(QChar(0x2026)))
            name.chop(1);
        names->append(name);
        const QMenu *sub = QMenu::menuInAction(action);
        if (sub && sub->objectName() != QStringLiteral("RecentFilesMenu"))
            commandNames(sub->actions(), names);
    }
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

    MainFormHarness main;
    TMainForm *&form = main.form;
    std::unique_ptr<TemporaryPlaces> places;

    QString at(const QString &relative) const { return places->at(relative); }
    bool write(const QString &relative, const QByteArray &bytes) const
    {
        return places->write(relative, bytes);
    }

    void trigger(const char *actionName) { main.trigger(actionName); }

    QList<THelpForm *> helpWindows() const
    {
        return form->findChildren<THelpForm *>(QString(), Qt::FindDirectChildrenOnly);
    }

    // F1 with a manual in the working directory; returns its help window.
    THelpForm *openManual(const QByteArray &index)
    {
        if (!write("work/doc/index.html", index))
            return nullptr;
        trigger("HelpContentsAction");
        const auto windows = helpWindows();
        return windows.size() == 1 ? windows.first() : nullptr;
    }

    // Clicks the link of that text in the browser.
    static void followLink(QTextBrowser *browser, const QString &text)
    {
        const QTextCursor found = browser->document()->find(text);
        QVERIFY2(!found.isNull(), qPrintable(text));
        QTextCursor inside(browser->document());
        inside.setPosition(found.selectionStart() + 1);
        const QPoint point = browser->cursorRect(inside).center();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
    }

private Q_SLOTS:
    void init()
    {
        places = std::make_unique<TemporaryPlaces>();
        QVERIFY(places->isValid());
        // only the working directory's manual counts unless a test says
        // otherwise
        ManualLocator::setSearchDirectoriesForTesting({});
        main.open();
    }
    void cleanup()
    {
        main.close();
        ManualLocator::restoreSearchDirectories();
        places.reset();
    }

    void opensManual_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("manual");
        QTest::addColumn<QStringList>("directories");
        QTest::newRow("working directory") << "work"
                                           << "work/doc/index.html" << QStringList{};
        QTest::newRow("home directory") << "home"
                                        << "home/Rationix/doc/index.html" << QStringList{};
        QTest::newRow("installed") << "work"
                                   << "data/index.html" << QStringList{"data"};
    }
    void opensManual()
    {
        QFETCH(QString, current);
        QFETCH(QString, manual);
        QFETCH(QStringList, directories);
        QVERIFY(write(manual, page("Руководство", "<p>Нужная страница</p>", metaUtf8)));
        // decoys: a manual directly in the home folder is never used
        QVERIFY(write("home/doc/index.html", page("Не то", "<p>Чужая страница</p>", metaUtf8)));
        QVERIFY(QDir::setCurrent(at(current)));
        for (QString &directory : directories)
            directory = at(directory);
        ManualLocator::setSearchDirectoriesForTesting(directories);

        trigger("HelpContentsAction");
        const auto windows = helpWindows();
        QCOMPARE(windows.size(), 1);
        THelpForm *help = windows.first();
        QCOMPARE(help->objectName(), QStringLiteral("HelpForm"));
        QCOMPARE(help->parentWidget(), form);
        QVERIFY(help->isWindow());
        QVERIFY(!help->isModal());
        QVERIFY(help->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(help->isVisible());
        QVERIFY(help->isMaximized());
        QCOMPARE(help->windowTitle(), QStringLiteral("Справка по программе Rationix"));
        QCOMPARE(help->TextBrowser->source(), QUrl::fromLocalFile(at(manual)));
        QCOMPARE(help->TextBrowser->toPlainText().trimmed(), QStringLiteral("Нужная страница"));
        QVERIFY(MessageBox::history().isEmpty());
        // the main window stays usable
        QVERIFY(!QApplication::activeModalWidget());
    }

    void twoWindows()
    {
        QVERIFY(write("work/doc/index.html", page("Руководство", "<p>Текст</p>")));
        trigger("HelpContentsAction");
        trigger("HelpContentsAction");
        const auto windows = helpWindows();
        QCOMPARE(windows.size(), 2);
        QVERIFY(windows[0] != windows[1]);
        for (THelpForm *help : windows) {
            QVERIFY(help->isVisible());
            QVERIFY(help->isMaximized());
        }
        // closing one destroys it and leaves the other
        QPointer<THelpForm> closed = windows[0];
        QTest::mouseClick(windows[0]->CloseButton, Qt::LeftButton);
        QTRY_VERIFY(closed.isNull());
        QCOMPARE(helpWindows(), QList<THelpForm *>{windows[1]});
        QVERIFY(windows[1]->isVisible());
    }

    // No manual anywhere: a warning, then the file dialog; whatever comes
    // of it, a maximized help window opens.
    void noManual_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("shown");
        QTest::newRow("dialog cancelled") << "" << false;
        QTest::newRow("chosen file does not exist") << "elsewhere/missing.html" << false;
        QTest::newRow("chosen folder") << "elsewhere" << false;
        QTest::newRow("chosen file") << "elsewhere/manual.html" << true;
    }
    void noManual()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, shown);
        QVERIFY(write("elsewhere/manual.html", page("Справка", "<p>Выбранная справка</p>")));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        FileDialog::setNextFileName(chosen.isEmpty() ? QString() : at(chosen));
        trigger("HelpContentsAction");

        QCOMPARE(MessageBox::history().size(), 1);
        const MessageBox::Shown warning = MessageBox::history().first();
        QCOMPARE(warning.icon, QMessageBox::Warning);
        QCOMPARE(warning.title, QStringLiteral("Справка не найдена"));
        QCOMPARE(
            warning.text,
            QStringLiteral("Не найден файл справки. \nПопытайтесь указать путь к файлу вручную."));
        const auto windows = helpWindows();
        QCOMPARE(windows.size(), 1);
        THelpForm *help = windows.first();
        QVERIFY(help->isVisible());
        QVERIFY(help->isMaximized());
        if (shown) {
            QCOMPARE(help->TextBrowser->source(), QUrl::fromLocalFile(at(chosen)));
            QCOMPARE(help->TextBrowser->toPlainText().trimmed(),
                     QStringLiteral("Выбранная справка"));
        } else {
            QVERIFY(help->TextBrowser->toPlainText().isEmpty());
        }
    }

    // The real boxes: the warning comes first, then the file dialog, both
    // over the main window.
    void noManualAsksInOrder()
    {
        MessageBox::clearHistory();
        FileDialog::clearHistory();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        FileDialog::setNextFileName(QString()); // cancelled
        trigger("HelpContentsAction");
        QCOMPARE(MessageBox::history().size(), 1);
        const MessageBox::Shown warning = MessageBox::history().first();
        QCOMPARE(warning.parent.data(), static_cast<QWidget *>(form));
        QCOMPARE(warning.icon, QMessageBox::Warning);
        QCOMPARE(warning.title, QStringLiteral("Справка не найдена"));
        QCOMPARE(FileDialog::history().size(), 1);
        const FileDialog::Asked file = FileDialog::history().first();
        QCOMPARE(file.boxesBefore, 1); // after the warning
        QCOMPARE(file.parent.data(), static_cast<QWidget *>(form));
        QCOMPARE(file.caption, QStringLiteral("Открыть справку"));
        QVERIFY(!file.save);
        QCOMPARE(file.filter, QStringLiteral("Файл HTML (*.html)"));
        QCOMPARE(QFileInfo(file.dir).canonicalFilePath(),
                 QFileInfo(at("home")).canonicalFilePath());
        QCOMPARE(helpWindows().size(), 1);
        QVERIFY(helpWindows().first()->isMaximized());
    }

    // A page in an ".html" file is read as UTF-8, whatever it declares.
    void utf8Pages_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("Пищевая ценность: ёж, щи, «кавычки» — и тире");
        QTest::newRow("declared UTF-8") << page("Заголовок", text, metaUtf8);
        QTest::newRow("nothing declared") << page("Заголовок", text);
        QTest::newRow("nothing declared, no head") << QByteArray("<p>" + text.toUtf8() + "</p>");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF" + page("Заголовок", text));
        QTest::newRow("declared otherwise") << page(
            "Заголовок", text,
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">");
    }
    void utf8Pages()
    {
        QFETCH(QByteArray, bytes);
        THelpForm *help = openManual(bytes);
        QVERIFY(help);
        QCOMPARE(help->TextBrowser->toPlainText().trimmed(),
                 QStringLiteral("Пищевая ценность: ёж, щи, «кавычки» — и тире"));
        if (bytes.contains("<title>"))
            QCOMPARE(help->TextBrowser->documentTitle(), QStringLiteral("Заголовок"));
    }

    void build()
    {
        THelpForm help;
        QCOMPARE(help.objectName(), QStringLiteral("HelpForm"));
        QVERIFY(!help.isModal());
        QCOMPARE(help.size(), QSize(560, 460));
        QCOMPARE(help.windowTitle(), QStringLiteral("Справка по программе Rationix"));
        QCOMPARE(THelpForm(nullptr, "Manual", true).objectName(), QStringLiteral("Manual"));
        QVERIFY(THelpForm(nullptr, nullptr, true).isModal());

        QCOMPARE(help.layout(), help.MainLayout);
        QCOMPARE(help.MainLayout->objectName(), QStringLiteral("MainLayout"));
        QCOMPARE(help.MainLayout->contentsMargins(), QMargins(11, 11, 11, 11));
        QCOMPARE(help.MainLayout->spacing(), 5);
        QCOMPARE(help.MainLayout->count(), 2);
        QCOMPARE(help.MainLayout->itemAt(0)->layout(), help.ButtonsLayout);
        QCOMPARE(help.MainLayout->itemAt(1)->widget(), help.TextBrowser);
        QCOMPARE(help.ButtonsLayout->objectName(), QStringLiteral("ButtonsLayout"));
        QCOMPARE(help.ButtonsLayout->spacing(), 5);
        QCOMPARE(help.TextBrowser->objectName(), QStringLiteral("TextBrowser"));

        const QList<QPushButton *> buttons{help.BackButton, help.HomeButton,  help.ForwardButton,
                                           nullptr,         help.PrintButton, help.CloseButton};
        const QStringList names{"BackButton", "HomeButton",  "ForwardButton",
                                "",           "PrintButton", "CloseButton"};
        const QStringList texts{"<<", "Домой", ">>", "", "Напечатать", "Закрыть"};
        QCOMPARE(help.ButtonsLayout->count(), buttons.size());
        for (int i = 0; i < buttons.size(); ++i) {
            QLayoutItem *item = help.ButtonsLayout->itemAt(i);
            if (!buttons[i]) {
                QVERIFY(item->spacerItem());
                QCOMPARE(help.ButtonsLayout->stretch(i), 1);
                continue;
            }
            QCOMPARE(item->widget(), buttons[i]);
            QCOMPARE(buttons[i]->objectName(), names[i]);
            QCOMPARE(buttons[i]->text(), texts[i]);
            QVERIFY(buttons[i]->isFlat());
            QVERIFY(buttons[i]->isEnabled());
        }
        QCOMPARE(help.focusWidget(), help.HomeButton);
        help.show();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QCOMPARE(QApplication::focusWidget(), help.HomeButton);
    }

    // Back and Forward move through the pages visited by following links
    // and are enabled exactly while the move is possible; Home goes back to
    // the first page.
    void navigation()
    {
        QVERIFY(write(
            "work/doc/second.html",
            page("Вторая", "<p>Вторая страница</p><p><a href=\"third.html\">Дальше</a></p>")));
        QVERIFY(write("work/doc/third.html", page("Третья", "<p>Третья страница</p>")));
        THelpForm *help = openManual(
            page("Первая", "<p>Первая страница</p><p><a href=\"second.html\">Вперёд</a></p>"));
        QVERIFY(help);
        QTextBrowser *browser = help->TextBrowser;
        const auto shows = [browser](const char *file, const char *text) {
            return browser->source()
                == QUrl::fromLocalFile(
                       QDir::current().filePath(QStringLiteral("doc/") + QLatin1String(file)))
                && browser->toPlainText().startsWith(QString::fromUtf8(text));
        };
        const auto enabled = [help](bool back, bool forward) {
            return help->BackButton->isEnabled() == back
                && help->ForwardButton->isEnabled() == forward && help->HomeButton->isEnabled()
                && help->PrintButton->isEnabled();
        };
        QVERIFY(shows("index.html", "Первая страница"));
        QVERIFY(enabled(false, false));

        followLink(browser, QStringLiteral("Вперёд"));
        QTRY_VERIFY(shows("second.html", "Вторая страница"));
        QVERIFY(enabled(true, false));

        QTest::mouseClick(help->BackButton, Qt::LeftButton);
        QVERIFY(shows("index.html", "Первая страница"));
        QVERIFY(enabled(false, true));

        QTest::mouseClick(help->ForwardButton, Qt::LeftButton);
        QVERIFY(shows("second.html", "Вторая страница"));
        QVERIFY(enabled(true, false));

        followLink(browser, QStringLiteral("Дальше"));
        QTRY_VERIFY(shows("third.html", "Третья страница"));
        QTest::mouseClick(help->BackButton, Qt::LeftButton);
        QVERIFY(enabled(true, true));

        QTest::mouseClick(help->HomeButton, Qt::LeftButton);
        QVERIFY(shows("index.html", "Первая страница"));
        QVERIFY(enabled(true, false));
    }

    // A FIFO among the manual's pages and pictures blocks nothing: the
    // picture is left out and the page says why it is not shown.
    void fifoInTheManual()
    {
        QVERIFY(write("work/doc/", {}));
        const Fifo picture(at("work/doc/picture.png"));
        const Fifo second(at("work/doc/second.html"));
        THelpForm *help = nullptr;
        QVERIFY(returnsAtOnce([&] {
            help = openManual(page("Первая",
                                   "<p><img src=\"picture.png\"><a "
                                   "href=\"second.html\">Дальше</a></p>"));
        }));
        QVERIFY(help);
        QVERIFY(returnsAtOnce([&] { followLink(help->TextBrowser, QStringLiteral("Дальше")); }));
        QVERIFY2(help->TextBrowser->toPlainText().contains("не открыта: это не обычный файл"),
                 qPrintable(help->TextBrowser->toPlainText()));
    }

    // Links stay within the manual: remote addresses go to the system's
    // browser, local files elsewhere are refused; the page shown stays.
    void linksLeavingTheManual_data()
    {
        QTest::addColumn<QString>("href");
        QTest::addColumn<QString>("shown");  // the page then shown, in work/doc/
        QTest::addColumn<QString>("opened"); // handed to the system
        QTest::addColumn<bool>("refused");
        QTest::newRow("page in the manual") << "second.html"
                                            << "second.html"
                                            << "" << false;
        QTest::newRow("page in a subfolder") << "sub/third.html"
                                             << "sub/third.html"
                                             << "" << false;
        QTest::newRow("web page") << "https://example.org/a?b=1"
                                  << "index.html"
                                  << "https://example.org/a?b=1" << false;
        QTest::newRow("mail") << "mailto:someone@example.org"
                              << "index.html"
                              << "mailto:someone@example.org" << false;
        QTest::newRow("file beside the manual") << "../outside.html"
                                                << "index.html"
                                                << "" << true;
        QTest::newRow("absolute file") << "PLACES/work/outside.html"
                                       << "index.html"
                                       << "" << true;
        QTest::newRow("file url") << "file://PLACES/work/outside.html"
                                  << "index.html"
                                  << "" << true;
        QTest::newRow("link out of the manual") << "escape.html"
                                                << "index.html"
                                                << "" << true;
    }
    void linksLeavingTheManual()
    {
        QFETCH(QString, href);
        QFETCH(QString, shown);
        QFETCH(QString, opened);
        QFETCH(bool, refused);
        href.replace("PLACES", QDir(at("work")).absolutePath().chopped(5));
        QVERIFY(write("work/doc/second.html", page("Вторая", "<p>Вторая страница</p>")));
        QVERIFY(write("work/doc/sub/third.html", page("Третья", "<p>Третья страница</p>")));
        QVERIFY(write("work/outside.html", page("Чужая", "<p>Чужая страница</p>")));
        QVERIFY(QFile::link(at("work/outside.html"), at("work/doc/escape.html")));
        UrlOpener::setOpenInSystem(false);
        UrlOpener::clearHistory();
        MessageBox::setShowBoxes(false);
        THelpForm *help = openManual(page("Первая", "<p><a href=\"" + href + "\">Ссылка</a></p>"));
        QVERIFY(help);
        MessageBox::clearHistory();
        followLink(help->TextBrowser, QStringLiteral("Ссылка"));
        UrlOpener::setOpenInSystem(true);
        MessageBox::setShowBoxes(true);
        QTRY_COMPARE(help->TextBrowser->source(),
                     QUrl::fromLocalFile(QDir::current().filePath("doc/" + shown)));
        QCOMPARE(UrlOpener::history(),
                 opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
        QCOMPARE(MessageBox::history().size(), refused ? 1 : 0);
        if (refused)
            QVERIFY(MessageBox::history().first().text.startsWith("Ссылка ведёт за пределы"));
        QVERIFY(!help->TextBrowser->toPlainText().contains("Чужая"));
    }

    // Printing to a PDF file in the home folder, named after the page; a
    // long page goes on as many sheets as it needs.
    void printToPdf_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("minPages");
        QTest::addColumn<int>("maxPages");
        QTest::newRow("short page")
            << page("Раздел справки", "<p>Коротко</p>") << "Раздел справки.pdf" << 1 << 1;
        QTest::newRow("no title") << QByteArray("<p>Без заголовка</p>") << "Справка.pdf" << 1 << 1;
        QString longBody;
        for (int i = 1; i <= 200; ++i)
            longBody += QStringLiteral("<p>Абзац номер %1 длинной страницы справки.</p>").arg(i);
        QTest::newRow("long page") << page("Длинная", longBody) << "Длинная.pdf" << 3 << 100;
    }
    void printToPdf()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, file);
        QFETCH(int, minPages);
        QFETCH(int, maxPages);
        THelpForm *help = openManual(bytes);
        QVERIFY(help);
        PrintDialog::setNextAnswer(true);
        QTest::mouseClick(help->PrintButton, Qt::LeftButton);
        QVERIFY(MessageBox::history().isEmpty());
        const QString pdf = QDir(at("home")).filePath(file);
        QVERIFY2(QFile::exists(pdf), qPrintable(pdf));
        const QByteArray bytesOut = contents(pdf);
        QVERIFY(bytesOut.startsWith("%PDF"));
        const int pages = pdfPages(bytesOut);
        QVERIFY2(pages >= minPages && pages <= maxPages, QByteArray::number(pages));
        QVERIFY(help->isVisible());
    }

    void printCancelled()
    {
        THelpForm *help = openManual(page("Раздел", "<p>Текст</p>"));
        QVERIFY(help);
        PrintDialog::setNextAnswer(false);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(help->PrintButton, Qt::LeftButton);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().icon, QMessageBox::Information);
        QCOMPARE(MessageBox::history().first().title, QStringLiteral("Отмена"));
        QCOMPARE(MessageBox::history().first().text, QStringLiteral("Печать отменена."));
        QVERIFY(QDir(at("home")).entryList(QDir::Files).isEmpty());
        QVERIFY(help->isVisible());
    }

    void printFails()
    {
        THelpForm *help = openManual(page("Раздел", "<p>Текст</p>"));
        QVERIFY(help);
        // the PDF would go into a home folder that does not exist
        qputenv("HOME", at("missing").toLocal8Bit());
        PrintDialog::setNextAnswer(true);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(help->PrintButton, Qt::LeftButton);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().icon, QMessageBox::Critical);
        QCOMPARE(MessageBox::history().first().title, QStringLiteral("Ошибка печати"));
        QVERIFY(MessageBox::history().first().text.contains(at("missing")));
        QVERIFY(help->isVisible());
    }

    // Every command of the menu bar is explained somewhere in the manual.
    void manualNamesEveryCommand()
    {
        const QString manual = manualText();
        QVERIFY(manual.contains(QStringLiteral("Составление рациона")));
        QStringList names;
        commandNames(form->menuBar()->actions(), &names);
        QVERIFY(names.contains(QStringLiteral("Правка")));
        QVERIFY(names.contains(QStringLiteral("Мои продукты")));
        QStringList missing;
        for (const QString &name : std::as_const(names)) {
            if (!manual.contains(name))
                missing.append(name);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    void about()
    {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        trigger("HelpAboutAction");
        QCOMPARE(MessageBox::history().size(), 1);
        const MessageBox::Shown box = MessageBox::history().first();
        QVERIFY(box.parent.isNull());
        QCOMPARE(box.title, QStringLiteral("О программе"));
        static const QRegularExpression text(
            QStringLiteral("^<h2>Rationix 1\\.0</h2>"
                           "<p align=justify>([^<]+)"
                           "<p align=justify>Программа для расчёта пищевой ценности блюд, исходя "
                           "из массы входящих в них продуктов\\.</p>"
                           " <p align=justify>([^<]+)</p>$"));
        const QRegularExpressionMatch match = text.match(box.text);
        QVERIFY2(match.hasMatch(), qPrintable(box.text));
        QVERIFY(!match.captured(1).trimmed().isEmpty());
        QVERIFY(!match.captured(2).trimmed().isEmpty());
    }

    void aboutQt()
    {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        trigger("HelpAboutQtAction");
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().parent.data(), static_cast<QWidget *>(form));
        QCOMPARE(MessageBox::history().first().title,
                 QStringLiteral("Калькулятор калорий Korvent"));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
