#include "core/page/rationpage.h"
#include "core/ration/rationmodel.h"
#include "editorharness.h"
#include "gui/dialogs/messagebox.h"
#include "gui/dialogs/printdialog.h"
#include "gui/ration/dishpanel.h"
#include "gui/ration/rationeditor.h"
#include "gui/ration/techcarddialog.h"
#include "pdfpages.h"
#include "testservices.h"

#include <QCheckBox>
#include <QDir>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUndoStack>

namespace {

QString shown(const TCentralWidget &editor, int column)
{
    return editor.model()->index(0, column).data().toString();
}

// Opens the waste cell's editor as a double click does, types the text and
// enters it.
void typeWaste(TCentralWidget &editor, const QString &typed)
{
    const QModelIndex cell = editor.model()->index(0, RationModel::WasteColumn);
    editor.FoodsTable->setCurrentIndex(cell);
    editor.FoodsTable->setFocus();
    editor.FoodsTable->edit(cell);
    auto *edit = editor.FoodsTable->findChild<QLineEdit *>(QStringLiteral("WasteCellEdit"));
    QVERIFY(edit);
    edit->setText(typed);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

// The waste's columns of a ration window, as a cook uses them: potatoes on
// 15 January lose 35 %, the waste edited in place and undone, the card for
// a batch, the file read back, the recipe scaled.
class TestWasteColumns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::setShowBoxes(false); }

    void editedInPlace_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("waste");
        QTest::addColumn<QString>("gross");
        QTest::addColumn<bool>("refused");
        QTest::newRow("25") << "25"
                            << "25"
                            << "137.3" << false;
        QTest::newRow("comma") << "12,5"
                               << "12.5"
                               << "117.7" << false;
        QTest::newRow("100") << "100"
                             << "35"
                             << "158.5" << true;
        QTest::newRow("letters") << "много"
                                 << "35"
                                 << "158.5" << true;
    }
    void editedInPlace()
    {
        QFETCH(QString, typed);
        QFETCH(QString, waste);
        QFETCH(bool, refused);
        TCentralWidget editor(testServices());
        QVERIFY(startWithPotato(editor));
        MessageBox::clearHistory();
        typeWaste(editor, typed);
        // checked once the cell's editor has closed
        QTRY_COMPARE(MessageBox::history().size() + editor.undoStack()->count(), 2);
        QCOMPARE(shown(editor, RationModel::WasteColumn), waste);
        QTEST(shown(editor, RationModel::GrossColumn), "gross");
        QCOMPARE(MessageBox::history().size(), refused ? 1 : 0);
        QCOMPARE(editor.undoStack()->count(), refused ? 1 : 2);
        if (refused) {
            QVERIFY(MessageBox::history().first().text.contains("«Отходы, %»"));
            return;
        }
        editor.undoStack()->undo();
        QCOMPARE(shown(editor, RationModel::WasteColumn), "35");
        QCOMPARE(shown(editor, RationModel::GrossColumn), "158.5");
    }

    // The card of 4 portions and a batch of 100 shows the waste and both
    // masses; the file keeps the waste and the card; scaling keeps the waste.
    void cardFileAndScaling()
    {
        TCentralWidget editor(testServices());
        QVERIFY(startWithPotato(editor));
        editor.editor()->changeDish(QString(), 4);
        CardData card = editor.model()->card();
        card.batch = 100;
        QVERIFY(editor.editor()->changeCard(card));
        {
            TechCardDialog dialog(editor.editor());
            const QString text = dialog.CardView->toPlainText();
            // per portion 39.6 and 25.8 g, for the batch 3961.5 and 2575.0 g
            for (const char *figure : {"35", "39.6", "25.8", "3961.5", "2575.0"})
                QVERIFY2(text.contains(QString::fromUtf8(figure)), figure);
            printsToPdf(dialog);
        }
        TCentralWidget reopened(testServices());
        reopened.loadRation(
            RationPage::readBody(RationPage::fileText(editor.finishedRation())).ration);
        QVERIFY(reopened.dishPanel()->showsWaste());
        QCOMPARE(reopened.model()->columnCount(), RationModel::GrossColumn + 1);
        QCOMPARE(shown(reopened, RationModel::WasteColumn), "35");
        QCOMPARE(reopened.model()->card(), editor.model()->card());
        QVERIFY(editor.scale(RationScale::Mode::Factor, "2"));
        QCOMPARE(shown(editor, RationModel::WasteColumn), "35");
        QCOMPARE(shown(editor, RationModel::GrossColumn), "316.9");
    }

private:
    // Without a printer the card prints to a PDF file in the home folder.
    static void printsToPdf(TechCardDialog &dialog)
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            return; // a test prints on no real printer
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        PrintDialog::setNextAnswer(true);
        dialog.PrintButton->click();
        qputenv("HOME", realHome);
        const QStringList pdfs = QDir(home.path()).entryList({QStringLiteral("*.pdf")});
        QCOMPARE(pdfs.size(), 1);
        QFile pdf(QDir(home.path()).filePath(pdfs.first()));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(pdfPages(bytes) >= 1);
    }

    // A window with the columns on and a card dated 15 January 2027, where
    // 103 g of potatoes are added.
    static bool startWithPotato(TCentralWidget &editor)
    {
        auto *check = editor.findChild<QCheckBox *>(QStringLiteral("WasteCheck"));
        // off by default: the table has the ration's seven columns
        if (!check || check->accessibleName() != "Отходы и брутто"
            || editor.model()->columnCount() != RationModel::ColumnCount)
            return false;
        CardData card;
        card.date = QDate(2027, 1, 15);
        if (!editor.editor()->changeCard(card))
            return false;
        editor.undoStack()->clear();
        check->click();
        // a view setting: no step
        if (editor.model()->columnCount() != RationModel::GrossColumn + 1
            || editor.undoStack()->count() != 0)
            return false;
        editor.show();
        editor.activateWindow();
        if (!QTest::qWaitForWindowActive(&editor))
            return false;
        add(editor, "Картофель", "103");
        editor.activateWindow();
        return QTest::qWaitForWindowActive(&editor)
            && shown(editor, RationModel::WasteColumn) == "35"
            && shown(editor, RationModel::GrossColumn) == "158.5";
    }
};

QTEST_MAIN(TestWasteColumns)
#include "tst_wastecolumns.moc"
