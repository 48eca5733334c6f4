#include "core/ration/rationmodel.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

RationRow beans(const QString &mass)
{
    return RationModel::productRow(QStringLiteral("Бобы"), mass, {"83", "6", "0.1", "8.3", "58"});
}

QList<RationRow> rowsOf(const RationModel &model)
{
    QList<RationRow> rows;
    for (int r = 0; r < model.size(); ++r)
        rows.append(model.row(r));
    return rows;
}

} // namespace

class TestRationModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blankRowIsFilledFirst()
    {
        RationModel model;
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(model.isBlank());
        QVERIFY(!(model.flags(model.index(0, RationModel::Mass)) & Qt::ItemIsEditable));
        QCOMPARE(model.ration().rows, QList<RationRow>{QStringList(Ration::ColumnCount)});
        QCOMPARE(model.appendRow(beans("150")), 0);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(model.appendRow(beans("50")), 1);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(inserted.count(), 1);
        QVERIFY(model.flags(model.index(1, RationModel::Mass)) & Qt::ItemIsEditable);
        QVERIFY(!(model.flags(model.index(1, RationModel::columnOf(Nutrients::Water)))
                  & Qt::ItemIsEditable));
        QCOMPARE(model.removeRowsAt({1, 0, 1}).size(), 2);
        QVERIFY(model.isBlank());
        QCOMPARE(model.rowCount(), 1);
    }

    // A file of one empty row is a ration without rows; a row that has only
    // a name is a row, and the next product does not overwrite it.
    void loadedRows_data()
    {
        QTest::addColumn<QList<RationRow>>("rows");
        QTest::addColumn<bool>("blank");
        QTest::newRow("one empty row")
            << QList<RationRow>{QStringList(Ration::ColumnCount)} << true;
        QTest::newRow("no rows") << QList<RationRow>{} << true;
        QTest::newRow("name without mass")
            << QList<RationRow>{{"Суп", "", "", "", "", "", ""}} << false;
        QTest::newRow("two empty rows")
            << QList<RationRow>{QStringList(Ration::ColumnCount), QStringList(Ration::ColumnCount)}
            << false;
    }
    void loadedRows()
    {
        QFETCH(QList<RationRow>, rows);
        QFETCH(bool, blank);
        RationModel model;
        model.setRows(rows);
        QCOMPARE(model.isBlank(), blank);
        const int before = model.size();
        model.appendRow(beans("10"));
        QCOMPARE(model.size(), before + 1);
        QCOMPARE(model.row(model.size() - 1).cell(1), QStringLiteral("10"));
        if (!blank)
            QCOMPARE(model.row(0), rows.first());
    }

    // Rows added from a ration end as setting rows() and the ration's rows
    // would: the same rows, blank row and totals, to the last bit of the
    // sums (rows appended afterwards show it).
    void addedRowsAsSetRows_data()
    {
        using Rows = QList<RationRow>;
        QTest::addColumn<Rows>("held");
        QTest::addColumn<Rows>("added");
        const Rows three{beans("0.1"), beans("0.2"), beans("0.3")};
        QTest::newRow("into none") << Rows{} << three;
        QTest::newRow("after rows") << three << Rows{beans("1e-7"), beans("0.7")};
        QTest::newRow("one empty row") << Rows{} << Rows{QStringList(7)};
        QTest::newRow("nothing after an empty-looking row") << Rows{{"", ""}} << Rows{};
        QTest::newRow("short rows padded") << Rows{} << Rows{{"Суп", "200", "160"}, beans("5")};
        QTest::newRow("nothing into none") << Rows{} << Rows{};
    }
    void addedRowsAsSetRows()
    {
        QFETCH(QList<RationRow>, held);
        QFETCH(QList<RationRow>, added);
        for (const bool summed : {false, true}) {
            RationModel expected;
            RationModel model;
            for (const RationRow &row : std::as_const(held)) {
                expected.appendRow(row);
                model.appendRow(row);
            }
            expected.setRows(expected.rows() + added);
            Ration ration;
            ration.rows = added;
            if (summed) {
                ration.sums.emplace();
                for (const RationRow &row : std::as_const(added))
                    Ration::addRow(*ration.sums, row);
            }
            QSignalSpy totals(&model, &RationModel::totalsChanged);
            model.addRows(ration);
            QCOMPARE(totals.count(), 1);
            QCOMPARE(model.isBlank(), expected.isBlank());
            for (RationModel *m : {&expected, &model})
                m->appendRow(beans("0.0000001"));
            QCOMPARE(model.rows(), expected.rows());
            QCOMPARE(model.totals(), expected.totals());
        }
    }

    // A ration's own sums are taken as they are, not worked out again.
    void givenSumsTaken()
    {
        Ration ration;
        ration.rows = {beans("100")};
        ration.sums = Ration::Sums{1, 2, 3, 4, 5, 6};
        RationModel model;
        model.addRows(ration);
        QCOMPARE(model.totals(), QStringList({"1", "2", "3", "4", "5", "6"}));
    }

    // Whatever is added, removed, put back or changed, the totals are what
    // summing the rows as shown gives.
    void totalsAreSumsOfRowsShown()
    {
        RationModel model;
        QRandomGenerator random(7);
        for (int step = 0; step < 400; ++step) {
            const int what = int(random.bounded(4));
            if (what <= 1 || model.isBlank()) {
                model.appendRow(beans(QString::number(random.bounded(1, 100000) / 8.0)));
            } else if (what == 2) {
                const QList<int> at{int(random.bounded(model.size())),
                                    int(random.bounded(model.size()))};
                const QList<RationRow> taken = model.removeRowsAt(at);
                if (random.bounded(2)) {
                    QList<int> positions = at;
                    std::sort(positions.begin(), positions.end());
                    positions.erase(std::unique(positions.begin(), positions.end()),
                                    positions.end());
                    const QList<RationRow> before = rowsOf(model);
                    model.insertRowsAt(positions, taken);
                    QCOMPARE(model.removeRowsAt(positions), taken);
                    QCOMPARE(rowsOf(model), before);
                }
            } else {
                const int row = int(random.bounded(model.size()));
                model.replaceRow(row, RationModel::withMass(model.row(row), QStringLiteral("3.5")));
            }
            QCOMPARE(model.totals(), Ration::totalsOf(model.ration().rows));
        }
    }

    void removeAndPutBack()
    {
        RationModel model;
        for (const char *mass : {"10", "20", "30", "40"})
            model.appendRow(beans(QString::fromLatin1(mass)));
        const QList<RationRow> taken = model.removeRowsAt({3, 1});
        QCOMPARE(taken.size(), 2);
        QCOMPARE(taken[0].cell(1), QStringLiteral("20"));
        QCOMPARE(taken[1].cell(1), QStringLiteral("40"));
        QCOMPARE(model.totals().first(), QStringLiteral("40"));
        model.insertRowsAt({1, 3}, taken);
        QStringList masses;
        for (int r = 0; r < model.size(); ++r)
            masses.append(model.text(r, RationModel::Mass));
        QCOMPARE(masses, QStringList({"10", "20", "30", "40"}));
        QCOMPARE(model.totals().first(), QStringLiteral("100"));
        QVERIFY(model.removeRowsAt({7, -1}).isEmpty());
    }

    void withMass_data()
    {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QString>("mass");
        QTest::addColumn<QStringList>("per100g");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("known product")
            << QStringList{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"} << "50"
            << QStringList{"83", "6", "0.1", "8.3", "58"}
            << QStringList{"Бобы", "50", "41.5", "3", "0.05", "4.15", "29"};
        QTest::newRow("row of a file")
            << QStringList{"Суп", "200", "160", "4", "6", "20", "150"} << "50" << QStringList{}
            << QStringList{"Суп", "50", "40", "1", "1.5", "5", "37.5"};
        QTest::newRow("file row without mass keeps values")
            << QStringList{"Суп", "", "1", "2", "3", "4", "5"} << "50" << QStringList{}
            << QStringList{"Суп", "50", "1", "2", "3", "4", "5"};
        QTest::newRow("mass as a point")
            << QStringList{"Бобы", "1", "0.83", "0.06", "0.001", "0.083", "0.58"} << "1.5"
            << QStringList{"83", "6", "0.1", "8.3", "58"}
            << QStringList{"Бобы", "1.5", "1.245", "0.09", "0.0015", "0.1245", "0.87"};
    }
    void withMass()
    {
        QFETCH(QStringList, row);
        QFETCH(QString, mass);
        QFETCH(QStringList, per100g);
        QFETCH(QStringList, expected);
        QCOMPARE(RationModel::withMass(row, mass, per100g).cells(), expected);
    }

    void shownTexts()
    {
        RationModel model;
        model.appendRow(beans("150"));
        QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("Бобы"));
        QCOMPARE(model.data(model.index(0, 6)).toString(), QStringLiteral("87"));
        QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole), QVariant());
        QCOMPARE(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(model.headerData(5, Qt::Horizontal).toString(), QStringLiteral("Углеводы"));
        QCOMPARE(model.headerData(7, Qt::Horizontal), QVariant());
    }
};

QTEST_GUILESS_MAIN(TestRationModel)
#include "tst_rationmodel.moc"
