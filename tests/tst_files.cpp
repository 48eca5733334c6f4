#include "app/mainform.h"
#include "dialogs/filedialog.h"
#include "dialogs/messagebox.h"
#include "dialogs/printdialog.h"
#include "files/rationpage.h"
#include "files/rationprinter.h"
#include "mainformharness.h"
#include "pdfpages.h"
#include "ration/calculateform.h"
#include "ration/centralwidget.h"
#include "ration/rationmodel.h"

#include <QAction>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

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
        writeFile(home->filePath(written), "old");
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
        writeFile(home->filePath("x.html"),
                  "<!--Rationix_doc-->\n<tr bgcolor=\"White\">\n\nБобы\n\n\n150\n");
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
        QTest::newRow("folder") << "folder" << QByteArray() << "Ошибка чтения файла!";
    }
    void loadErrors()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        if (file == QLatin1String("folder"))
            QVERIFY(QDir(home->path()).mkdir(file));
        else if (file != QLatin1String("nothing.html"))
            writeFile(home->filePath(file), bytes);
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

    void printFailureIsReported()
    {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(home->filePath("no/such/folder/x.pdf"));
        QVERIFY(!RationPrinter::printHtml(&printer, RationPage::printText(sample())));
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
