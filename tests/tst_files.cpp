#include "core/page/rationpage.h"
#include "core/ration/rationmodel.h"
#include "dialogs.h"
#include "filebytes.h"
#include "gui/app/mainform.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/messagebox.h"
#include "gui/dialogs/printdialog.h"
#include "gui/files/rationprinter.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "mainformharness.h"
#include "pdfpages.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDate>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStringEncoder>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUndoStack>

#include <sys/stat.h>
#include <unistd.h>

namespace {

Ration sample()
{
    Ration r;
    r.name = QStringLiteral("Обед & <ужин>");
    r.rows = {{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"},
              {"Вишня  сушёная", "10", "1.8", "0.15", "0", "7.3", "29.2"}};
    r.totals = Ration::totalsOf(r.rows);
    return r;
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

    MainFormHarness main;
    TMainForm *&form = main.form;
    QTemporaryDir *home = nullptr;

    void trigger(const char *actionName) { main.trigger(actionName); }
    TCalculateForm *active() { return form->activeRation(); }

private Q_SLOTS:
    void initTestCase() { MessageBox::setShowBoxes(false); }
    void init()
    {
        home = new QTemporaryDir;
        qputenv("HOME", home->path().toLocal8Bit());
        main.open();
    }
    void cleanup()
    {
        main.close();
        delete home;
    }

    void saveWritesThePage()
    {
        active()->CentralWidget->loadRation(sample());
        active()->setWindowModified(true);
        const QString chosen = home->filePath("обед");
        FileDialog::setNextFileName(chosen);
        trigger("FileSaveAction");
        const QByteArray bytes = contents(chosen + ".html");
        QCOMPARE(bytes, RationPage::fileText(active()->CentralWidget->ration()).toUtf8());
        QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
        QVERIFY(bytes.contains("Обед &amp; &lt;ужин&gt;"));
        QCOMPARE(active()->caption(), sample().name);
        QVERIFY(!active()->isWindowModified());
        QVERIFY(MessageBox::history().isEmpty());
    }

    // The modified mark follows the steps from the state saved: undoing a
    // step made after saving marks the ration changed again, redoing it
    // brings back what the file holds.
    void savedStateFollowsUndo()
    {
        TCentralWidget *editor = active()->CentralWidget;
        active()->loadRation(sample(), true);
        QVERIFY(!active()->isWindowModified());
        editor->FoodsTable->selectionModel()->select(editor->model()->index(0, 2),
                                                     QItemSelectionModel::Select);
        editor->RemoveButton->click();
        QVERIFY(active()->isWindowModified());
        const QString chosen = home->filePath("saved");
        FileDialog::setNextFileName(chosen);
        trigger("FileSaveAction");
        QVERIFY(!active()->isWindowModified());
        const QByteArray saved = contents(chosen + ".html");
        editor->undoStack()->undo();
        QVERIFY(active()->isWindowModified());
        QCOMPARE(editor->ration().rows, sample().rows);
        editor->undoStack()->redo();
        QVERIFY(!active()->isWindowModified());
        QCOMPARE(RationPage::fileText(editor->ration()).toUtf8(), saved);
    }

    // The overwrite question concerns the file that will be written.
    void overwriteQuestion_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("answer");
        QTest::newRow("x.html, yes") << "x.html"
                                     << "x.html" << int(QMessageBox::Yes);
        QTest::newRow("x.html, no") << "x.html"
                                    << "x.html" << int(QMessageBox::No);
        QTest::newRow("x, yes") << "x"
                                << "x.html" << int(QMessageBox::Yes);
    }
    void overwriteQuestion()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(int, answer);
        QVERIFY(writeBytes(home->filePath(written), "old"));
        FileDialog::setNextFileName(home->filePath(chosen));
        MessageBox::setNextAnswer(MessageBox::Button(answer));
        trigger("FileSaveAction");
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().title, QStringLiteral("Такой файл уже существует!"));
        QCOMPARE(MessageBox::history().first().text,
                 QStringLiteral("Перезаписать существующий файл?"));
        QVERIFY(!QFile::exists(home->filePath(written + ".html")) || written == chosen + ".html");
        if (answer == QMessageBox::Yes)
            QVERIFY(contents(home->filePath(written)).startsWith("<!--Rationix_doc-->\n"));
        else
            QCOMPARE(contents(home->filePath(written)), QByteArray("old"));
    }

    void saveFailureIsReported()
    {
        active()->setWindowModified(true);
        const QString target = home->filePath("missing/обед.html");
        FileDialog::setNextFileName(target);
        trigger("FileSaveAction");
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().icon, QMessageBox::Critical);
        QCOMPARE(MessageBox::history().first().title, QStringLiteral("Ошибка сохранения"));
        QVERIFY(MessageBox::history().first().text.contains(target));
        QVERIFY(active()->isWindowModified());
    }

    void cancelledSaveSetsCaption()
    {
        active()->CentralWidget->RationEdit->setText(QStringLiteral("Завтрак"));
        FileDialog::setNextFileName(QString());
        trigger("FileSaveAction");
        QCOMPARE(active()->caption(), QStringLiteral("Завтрак"));
        QCOMPARE(QDir(home->path()).entryList(QDir::Files), QStringList());
    }

    void saveAndLoadBack()
    {
        active()->CentralWidget->loadRation(sample());
        FileDialog::setNextFileName(home->filePath("обед.html"));
        trigger("FileSaveAction");
        TCalculateForm *saved = active();
        trigger("FileNewAction");
        // A file already open is not opened twice: its window comes forward.
        FileDialog::setNextFileName(home->filePath("обед.html"));
        trigger("FileOpenAction");
        QCOMPARE(form->Workspace->subWindowList().size(), 2);
        QCOMPARE(active(), saved);
        saved->parentWidget()->close();
        QTRY_COMPARE(form->Workspace->subWindowList().size(), 1);
        FileDialog::setNextFileName(home->filePath("обед.html"));
        trigger("FileOpenAction");
        QCOMPARE(form->Workspace->subWindowList().size(), 2);
        TCalculateForm *loaded = active();
        QCOMPARE(loaded->caption(), sample().name);
        QVERIFY(loaded->parentWidget()->isMaximized());
        QVERIFY(!loaded->isWindowModified());
        const Ration back = loaded->CentralWidget->ration();
        QCOMPARE(back.name, sample().name);
        QCOMPARE(back.rows, sample().rows);
        QCOMPARE(back.totals, sample().totals);
    }

    void loadWithoutTitleKeepsDefaultName()
    {
        QVERIFY(writeBytes(home->filePath("x.html"),
                           "<!--Rationix_doc-->\n<tr bgcolor=\"White\">\n\nБобы\n\n\n150\n"));
        FileDialog::setNextFileName(home->filePath("x.html"));
        trigger("FileOpenAction");
        QCOMPARE(active()->caption(), QStringLiteral("Без имени"));
        QCOMPARE(active()->CentralWidget->MassValueLabel->text(), QStringLiteral("150"));
    }

    void loadErrors_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "nothing.html" << QByteArray() << "Файл не существует!";
        QTest::newRow("empty") << "empty.html" << QByteArray("")
                               << "Эта интернет-страница не является документом Rationix!";
        QTest::newRow("other page") << "page.html" << QByteArray("<html>\n</html>\n")
                                    << "Эта интернет-страница не является документом Rationix!";
        QTest::newRow("folder") << "folder" << QByteArray()
                                << "Это не обычный файл: загрузить из него рацион нельзя.";
    }
    void loadErrors()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        if (file == QLatin1String("folder"))
            QVERIFY(QDir(home->path()).mkdir(file));
        else if (file != QLatin1String("nothing.html"))
            QVERIFY(writeBytes(home->filePath(file), bytes));
        FileDialog::setNextFileName(home->filePath(file));
        trigger("FileOpenAction");
        QCOMPARE(form->Workspace->subWindowList().size(), 1);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().title, QStringLiteral("Ошибка загрузки"));
        QCOMPARE(MessageBox::history().first().text, message);
    }

    // Closing a changed ration with "Save" saves it first; a cancelled save
    // keeps the window.
    void closeWithSave_data()
    {
        QTest::addColumn<bool>("chooseFile");
        QTest::newRow("saved") << true;
        QTest::newRow("save cancelled") << false;
    }
    void closeWithSave()
    {
        QFETCH(bool, chooseFile);
        active()->CentralWidget->loadRation(sample());
        active()->setWindowModified(true);
        MessageBox::setNextAnswer(QMessageBox::Save);
        FileDialog::setNextFileName(chooseFile ? home->filePath("обед") : QString());
        trigger("FileCloseAction");
        QTRY_COMPARE(form->Workspace->subWindowList().size(), chooseFile ? 0 : 1);
        QCOMPARE(QFile::exists(home->filePath("обед.html")), chooseFile);
    }

    // An old page in an 8-bit encoding opens with every letter, says how
    // it was read, counts as changed, and saves as UTF-8 without a loss.
    void oldEncodingOpensAndSaves_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("shown");
        QTest::newRow("cp1251") << "windows-1251"
                                << "CP1251";
        QTest::newRow("koi8-r") << "KOI8-R"
                                << "KOI8-R";
    }
    void oldEncodingOpensAndSaves()
    {
        QFETCH(QString, encoding);
        QFETCH(QString, shown);
        Ration r = sample();
        r.name = QStringLiteral("Обед на двоих");
        QStringEncoder encoder(encoding.toLatin1().constData());
        QVERIFY(encoder.isValid());
        const QString path = home->filePath("old.html");
        QVERIFY(writeBytes(path, encoder(RationPage::fileText(r))));
        FileDialog::setNextFileName(path);
        trigger("FileOpenAction");
        QCOMPARE(active()->CentralWidget->ration().rows, r.rows);
        QCOMPARE(active()->caption(), r.name);
        QVERIFY(active()->isWindowModified());
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().icon, QMessageBox::Warning);
        QVERIFY(MessageBox::history().first().text.contains(shown));

        MessageBox::clearHistory();
        FileDialog::setNextFileName(path);
        MessageBox::setNextAnswer(QMessageBox::Yes); // replace the old file
        trigger("FileSaveAction");
        QCOMPARE(contents(path), RationPage::fileText(r).toUtf8());
        QVERIFY(!active()->isWindowModified());
    }

    // A UTF-8 page with a damaged byte opens with its letters, and Ctrl+S
    // asks where to save rather than writing the marks over it.
    void damagedPageAsksWhereToSave()
    {
        const QString path = home->filePath("damaged.html");
        QByteArray bytes = RationPage::fileText(sample()).toUtf8();
        bytes.insert(bytes.indexOf("Бобы"), '\x98');
        QVERIFY(writeBytes(path, bytes));
        FileDialog::setNextFileName(path);
        trigger("FileOpenAction");
        QCOMPARE(active()->caption(), sample().name);
        QCOMPARE(MessageBox::history().size(), 1);
        QVERIFY(active()->fileName().isEmpty());
        FileDialog::setNextFileName(QString()); // the user cancels the dialog
        trigger("FileSaveAction");
        QCOMPARE(contents(path), bytes);
    }

    // Whatever stands at the chosen path, opening it never waits for it.
    void opensOnlyPlainFiles()
    {
        const QString fifo = home->filePath("pipe.html");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        FileDialog::setNextFileName(fifo);
        trigger("FileOpenAction");
        QCOMPARE(form->Workspace->subWindowList().size(), 1);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text,
                 QStringLiteral("Это не обычный файл: загрузить из него рацион нельзя."));
    }

    // Questions before a file is replaced: each "no" keeps the old file.
    void replaceQuestions_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("answer");
        const QString changed = QStringLiteral("изменён другой программой");
        const QString linked = QStringLiteral("есть другие имена (жёсткие ссылки)");
        const QString unreadable =
            QStringLiteral("Некоторые буквы прочитать не удалось, вместо них "
                           "стоит знак «\uFFFD»");
        QTest::newRow("changed on disk, no") << "changed" << changed << int(QMessageBox::No);
        QTest::newRow("changed on disk, yes") << "changed" << changed << int(QMessageBox::Yes);
        QTest::newRow("hard link, no") << "linked" << linked << int(QMessageBox::No);
        QTest::newRow("hard link, yes") << "linked" << linked << int(QMessageBox::Yes);
        QTest::newRow("unreadable letters, no")
            << "unreadable" << unreadable << int(QMessageBox::No);
        QTest::newRow("unreadable letters, yes")
            << "unreadable" << unreadable << int(QMessageBox::Yes);
    }
    void replaceQuestions()
    {
        QFETCH(QString, situation);
        QFETCH(QString, question);
        QFETCH(int, answer);
        const QString path = home->filePath("x.html");
        Ration r = sample();
        if (situation == "unreadable")
            r.name = QStringLiteral("Об") + QChar::ReplacementCharacter;
        QVERIFY(writeBytes(path, RationPage::fileText(r).toUtf8()));
        FileDialog::setNextFileName(path);
        trigger("FileOpenAction");
        if (situation == "changed")
            QVERIFY(writeBytes(path, "changed by another program"));
        else if (situation == "linked")
            QCOMPARE(::link(QFile::encodeName(path).constData(),
                            QFile::encodeName(home->filePath("y.html")).constData()),
                     0);
        const QByteArray before = contents(path);
        MessageBox::clearHistory();
        // Saved in place, without the file dialog or the question whether to
        // replace the ration's own file.
        MessageBox::setNextAnswer(MessageBox::Button(answer));
        trigger("FileSaveAction");
        QCOMPARE(MessageBox::history().size(), 1);
        QVERIFY2(MessageBox::history().last().text.contains(question),
                 qPrintable(MessageBox::history().last().text));
        if (answer == QMessageBox::Yes)
            QCOMPARE(contents(path),
                     RationPage::fileText(active()->CentralWidget->ration()).toUtf8());
        else
            QCOMPARE(contents(path), before);
    }

    // A save over the window's own file, unchanged since, asks only the
    // usual question.
    void ownFileSavesWithoutMoreQuestions()
    {
        const QString path = home->filePath("x.html");
        QVERIFY(writeBytes(path, RationPage::fileText(sample()).toUtf8()));
        FileDialog::setNextFileName(path);
        trigger("FileOpenAction");
        // Ctrl+S writes the ration's own file, again and again, asking nothing.
        for (int round = 0; round < 2; ++round) {
            MessageBox::clearHistory();
            trigger("FileSaveAction");
            QVERIFY(MessageBox::history().isEmpty());
            QVERIFY(!active()->isWindowModified());
        }
        // «Сохранить как…» asks for the file, and before replacing it.
        FileDialog::setNextFileName(path);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        trigger("FileSaveAsAction");
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text,
                 QStringLiteral("Перезаписать существующий файл?"));
        QCOMPARE(active()->fileName(), path);
        // The file shows in the status bar; the next dialog starts beside it.
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("FileLabel"))->text(),
                 QDir::toNativeSeparators(path));
        QCOMPARE(FileDialog::lastFolder(), QFileInfo(path).absolutePath());
    }

    void printCancelled()
    {
        PrintDialog::setNextAnswer(false);
        trigger("FilePrintAction");
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().title, QStringLiteral("Отмена"));
        QCOMPARE(MessageBox::history().first().text, QStringLiteral("Печать отменена."));
    }

    // Without a printer the ration prints to a PDF file in the home folder,
    // on as many pages as it needs.
    void printLongRationToPdf()
    {
        Ration r;
        r.name = QStringLiteral("Неделя");
        for (int i = 0; i < 300; ++i)
            r.rows.append({"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"});
        active()->CentralWidget->loadRation(r);
        QPrinter probe;
        RationPrinter::prepare(&probe, r.name);
        if (probe.outputFormat() != QPrinter::PdfFormat)
            QSKIP("this machine has a printer");
        QCOMPARE(probe.outputFileName(), home->filePath("Неделя.pdf"));
        PrintDialog::setNextAnswer(true);
        trigger("FilePrintAction");
        QVERIFY(MessageBox::history().isEmpty());
        const QByteArray pdf = contents(home->filePath("Неделя.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY2(pdfPages(pdf) > 1, qPrintable(QString::number(pdfPages(pdf))));
    }

    // The printout's table spans the page, and no column title is broken
    // inside a word, on common paper sizes.
    void printLayout_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("spans");
        QTest::newRow("A4") << int(QPageSize::A4) << int(QPageLayout::Portrait) << true;
        QTest::newRow("Letter") << int(QPageSize::Letter) << int(QPageLayout::Portrait) << true;
        QTest::newRow("A4 landscape") << int(QPageSize::A4) << int(QPageLayout::Landscape) << true;
        QTest::newRow("A6: titles whole though wider")
            << int(QPageSize::A6) << int(QPageLayout::Portrait) << false;
    }
    void printLayout()
    {
        QFETCH(int, size);
        QFETCH(int, orientation);
        QFETCH(bool, spans);
        QPrinter printer(QPrinter::ScreenResolution);
        RationPrinter::prepare(&printer, QStringLiteral("x"));
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(size)));
        printer.setPageOrientation(QPageLayout::Orientation(orientation));
        Ration r = sample();
        r.yield = QStringLiteral("140");
        r.portions = 2;
        QTextDocument document;
        RationPrinter::setUpDocument(&document, RationPage::printText(r, QDate(2026, 12, 8)));
        const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
        document.setPageSize(page);
        QTextTable *table = nullptr;
        for (QTextFrame *frame : document.rootFrame()->childFrames())
            table = table ? table : qobject_cast<QTextTable *>(frame);
        QVERIFY(table);
        QCOMPARE(table->columns(), 7);
        const qreal width = document.documentLayout()->frameBoundingRect(table).width();
        QVERIFY2(width >= page.width() * 0.95, qPrintable(QString::number(width)));
        if (spans)
            QVERIFY2(width <= page.width() + 1, qPrintable(QString::number(width)));
        for (int c = 0; c < 7; ++c) {
            const QTextBlock block = table->cellAt(0, c).firstCursorPosition().block();
            QVERIFY2(block.text().size() > 2, qPrintable(block.text()));
            QCOMPARE(block.layout()->lineCount(), 1);
        }
    }

    void printPreviewShowsThePages()
    {
        active()->CentralWidget->loadRation(sample());
        int pages = 0;
        QString title;
        whenDialogShows<QPrintPreviewDialog>([&](QPrintPreviewDialog *dialog) {
            title = dialog->windowTitle();
            pages = dialog->findChild<QPrintPreviewWidget *>()->pageCount();
            dialog->reject();
        });
        trigger("FilePrintPreviewAction");
        QCOMPARE(title, QStringLiteral("Предварительный просмотр"));
        QCOMPARE(pages, 1);
        QVERIFY(MessageBox::history().isEmpty());
    }

    // A page printed from a window (the help browser) keeps its layout on
    // screen: the printout is laid out on a copy.
    void printLeavesTheShownDocument()
    {
        QPrinter probe;
        RationPrinter::prepare(&probe, QStringLiteral("Справка"));
        if (probe.outputFormat() != QPrinter::PdfFormat)
            QSKIP("this machine has a printer");
        QTextDocument shown;
        shown.setHtml(QStringLiteral("<p>Страница справки</p>"));
        shown.setTextWidth(300);
        PrintDialog::setNextAnswer(true);
        RationPrinter::printPages(nullptr, QStringLiteral("Справка"), &shown);
        QCOMPARE(shown.pageSize().width(), 300.0);
        QVERIFY(contents(home->filePath("Справка.pdf")).startsWith("%PDF"));
    }

    void printFailureIsReported()
    {
        active()->CentralWidget->loadRation(sample());
        QPrinter probe;
        RationPrinter::prepare(&probe, sample().name);
        if (probe.outputFormat() != QPrinter::PdfFormat)
            QSKIP("this machine has a printer");
        // the PDF would go into a home folder that does not exist
        qputenv("HOME", home->filePath("missing").toLocal8Bit());
        PrintDialog::setNextAnswer(true);
        trigger("FilePrintAction");
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().icon, QMessageBox::Critical);
        QCOMPARE(MessageBox::history().first().title, QStringLiteral("Ошибка печати"));
        QVERIFY(MessageBox::history().first().text.contains(home->filePath("missing")));
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
