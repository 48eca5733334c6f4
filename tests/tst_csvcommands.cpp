#include "core/ration/rationmodel.h"
#include "gui/dialogs/filedialog.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/rationeditor.h"
#include "mainformharness.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTreeView>
#include <QUndoStack>

namespace {

const QStringList beans{"Бобы", "83.0", "6.0", "0.1", "8.3", "58"};
const QStringList peas{"Горох лущёный", "14.0", "23.0", "1.6", "57.7", "323"};

QStringList firstCells(const QString &text)
{
    QStringList cells;
    for (const QString &line : text.split('\n', Qt::SkipEmptyParts))
        cells.append(line.section('\t', 0, 0));
    return cells;
}

} // namespace

class TestCsvCommands : public QObject
{
    Q_OBJECT

    MainFormHarness main;
    QTemporaryDir dir;

    TCentralWidget *editor() const { return main.form->activeRation()->CentralWidget; }
    void addTwoRows()
    {
        editor()->editor()->addProduct(beans[0], "150", beans.mid(1));
        editor()->editor()->addProduct(peas[0], "10", peas.mid(1));
    }

private Q_SLOTS:
    void initTestCase() { MessageBox::setShowBoxes(false); }
    void init() { main.open(); }
    void cleanup()
    {
        main.close();
        QLocale::setDefault(QLocale::c());
    }

    void copy_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<bool>("inFoodList");
        QTest::addColumn<QStringList>("names"); // each line's first cell, titles first
        QTest::addColumn<QString>("water");     // of the first row
        QTest::newRow("nothing selected: all with totals")
            << QList<int>{} << false << QStringList{"Наименование", beans[0], peas[0], "ВСЕГО:"}
            << "124,5";
        QTest::newRow("one row") << QList<int>{1} << false << QStringList{"Наименование", peas[0]}
                                 << "1,4";
        QTest::newRow("rows in table order")
            << QList<int>{1, 0} << false << QStringList{"Наименование", beans[0], peas[0]}
            << "124,5";
        QTest::newRow("food list: the product")
            << QList<int>{1} << true << QStringList{"Группа", beans[0]} << "83,0";
    }
    void copy()
    {
        QFETCH(QList<int>, selected);
        QFETCH(bool, inFoodList);
        QFETCH(QStringList, names);
        QFETCH(QString, water);
        QLocale::setDefault(QLocale(QLocale::Russian));
        addTwoRows();
        for (const int row : selected)
            editor()->FoodsTable->selectionModel()->select(editor()->model()->index(row, 0),
                                                           QItemSelectionModel::Select
                                                               | QItemSelectionModel::Rows);
        QWidget *focus =
            inFoodList ? static_cast<QWidget *>(editor()->FoodsList) : editor()->FoodsTable;
        if (inFoodList) {
            const QAbstractItemModel *list = editor()->FoodsList->model();
            editor()->FoodsList->setCurrentIndex(list->match(list->index(0, 0), Qt::DisplayRole,
                                                             beans[0], 1,
                                                             Qt::MatchExactly | Qt::MatchRecursive)
                                                     .value(0));
        }
        main.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.form));
        focus->setFocus();
        // The key, as the user presses it: the view must not keep it to itself.
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(firstCells(data->text()), names);
        // Numbers with the desktop's comma in the text, and without a locale
        // in the HTML cells' values.
        QVERIFY2(data->text().contains('\t' + water + '\t'), qPrintable(data->text()));
        QVERIFY(
            data->html().contains(QString("sdval=\"%1\"").arg(QString(water).replace(',', '.'))));
        QVERIFY(data->html().contains('>' + water + '<'));
    }

    // A line edit with the focus copies its own text, by key and by menu.
    void copyInLineEdit()
    {
        addTwoRows();
        main.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.form));
        QLineEdit *search = editor()->SearchEdit;
        search->setFocus();
        search->setText("боб");
        search->selectAll();
        QTest::keyClick(search, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "боб");
        search->setSelection(1, 2);
        main.trigger("EditCopyAction");
        QCOMPARE(QGuiApplication::clipboard()->text(), "об");
    }

    void exportCsv_data()
    {
        QTest::addColumn<QString>("filter"); // empty: the first offered
        QTest::addColumn<QString>("line");   // the first row as written
        QTest::newRow("default: semicolon and comma") << ""
                                                      << "Бобы;150;124,5;9;0,15;12,45;87";
        QTest::newRow("comma and point") << "CSV, запятая и десятичная точка (*.csv)"
                                         << "Бобы,150,124.5,9,0.15,12.45,87";
    }
    void exportCsv()
    {
        QFETCH(QString, filter);
        QFETCH(QString, line);
        addTwoRows();
        const QString path = dir.filePath("обед.csv");
        QFile::remove(path);
        FileDialog::setNextFileName(dir.filePath("обед"), filter);
        main.trigger("FileExportCsvAction");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(bytes).split("\r\n").value(1), line);
        // An existing file is replaced only when the user agrees.
        MessageBox::clearHistory();
        MessageBox::setNextAnswer(QMessageBox::No);
        editor()->editor()->removeRows({0});
        FileDialog::setNextFileName(path, filter);
        main.trigger("FileExportCsvAction");
        QCOMPARE(MessageBox::history().size(), 1);
        file.seek(0);
        QCOMPARE(file.readAll(), bytes);
    }

    void importCsv_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<int>("listed"); // lines the one message lists; -1: no message
        QTest::newRow("all taken, no message")
            << QByteArray("Наименование;Масса\r\nбобы;150\r\n") << QStringList{beans[0]} << -1;
        QTest::newRow("unknown names and bad masses in one message")
            << QByteArray("name,mass\nБобы,150\nНектар,5\n\"Горох лущеный\",2.5\nБобы,x\n")
            << QStringList{beans[0], peas[0]} << 2;
        QTest::newRow("nothing to take") << QByteArray("a\tb\n") << QStringList{} << 0;
        QTest::newRow("no text") << QByteArray("Бобы;150\n\0\x01\x02", 14) << QStringList{} << 0;
        QTest::newRow("too big") << QByteArray(10 * 1024 * 1024 + 1, 'a') << QStringList{} << 0;
    }
    void importCsv()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, added);
        QFETCH(int, listed);
        const QString path = dir.filePath("rows.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        QUndoStack *undo = main.form->activeRation()->undoStack();
        FileDialog::setNextFileName(path);
        main.trigger("FileImportCsvAction");
        QStringList names;
        for (const RationRow &row : editor()->model()->rows())
            names.append(row.cell(0));
        QCOMPARE(names, added);
        QCOMPARE(MessageBox::history().size(), listed < 0 ? 0 : 1);
        if (listed > 0)
            QCOMPARE(MessageBox::history().first().text.count('\n'), listed);
        // One step, undone at once.
        QCOMPARE(undo->count(), added.isEmpty() ? 0 : 1);
        undo->undo();
        QVERIFY(editor()->model()->isBlank());
    }
};

QTEST_MAIN(TestCsvCommands)
#include "tst_csvcommands.moc"
