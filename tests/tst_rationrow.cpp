#include "core/ration/rationrow.h"

#include <QTest>

class TestRationRow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A row keeps exactly its columns: missing cells read empty, cells past
    // the last column are not kept.
    void cellsOfAList_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("kept");
        const QStringList full{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"};
        QTest::newRow("full") << full << full;
        QTest::newRow("short") << QStringList{"Суп", "200"}
                               << QStringList{"Суп", "200", "", "", "", "", ""};
        QTest::newRow("long") << full + QStringList{"x"} << full;
        QTest::newRow("none") << QStringList() << QStringList(RationRow::CellCount);
    }
    void cellsOfAList()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, kept);
        const RationRow row(given);
        QCOMPARE(row.cells(), kept);
        QCOMPARE(row.isEmpty(), kept.join(QString()).isEmpty());
        QCOMPARE(row.cell(-1), QString());
        QCOMPARE(row.cell(RationRow::CellCount), QString());
    }

    // A cell set longer, shorter or empty leaves every other cell as it was.
    void setCell_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        for (const int column : {0, 3, RationRow::CellCount - 1}) {
            for (const char *text : {"", "1", "Суп домашний с клёцками"})
                QTest::addRow("%d: \"%s\"", column, text) << column << QString::fromUtf8(text);
        }
    }
    void setCell()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QStringList cells{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"};
        RationRow row(cells);
        row.setCell(column, text);
        cells[column] = text;
        QCOMPARE(row.cells(), cells);
        QCOMPARE(row, RationRow(cells));
    }
};

QTEST_GUILESS_MAIN(TestRationRow)
#include "tst_rationrow.moc"
