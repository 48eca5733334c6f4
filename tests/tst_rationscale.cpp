#include "core/ration/rationscale.h"

#include <QTest>

using RationScale::Mode;

namespace {

const QList<RationRow> twoRows = {{"Хлеб", "100", "40", "8", "1", "50", "250"},
                                  {"Масло", "50", "8", "0.5", "41", "0.4", "375"}};

} // namespace

Q_DECLARE_METATYPE(Mode)

class TestRationScale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plan_data()
    {
        QTest::addColumn<QList<RationRow>>("rows");
        QTest::addColumn<QString>("yield");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("masses"); // empty: refused
        QTest::addColumn<QString>("scaledYield");
        QTest::addColumn<QString>("why"); // a part of the reason given

        const QStringList doubled = {"200", "100"};
        QTest::newRow("factor") << twoRows << "" << Mode::Factor << "2" << doubled << ""
                                << "";
        QTest::newRow("decimal comma")
            << twoRows << "" << Mode::Factor << " 0,5 " << QStringList{"50", "25"} << ""
            << "";
        QTest::newRow("exponent") << twoRows << "" << Mode::Factor << "1e1"
                                  << QStringList{"1000", "500"} << ""
                                  << "";
        QTest::newRow("to a total mass")
            << twoRows << "" << Mode::TotalMass << "300" << doubled << ""
            << "";
        QTest::newRow("to a total energy")
            << twoRows << "" << Mode::TotalEnergy << "1250" << doubled << ""
            << "";
        QTest::newRow("to an uneven mass")
            << twoRows << "" << Mode::TotalMass << "100" << QStringList{"66.7", "33.3"} << ""
            << "";
        QTest::newRow("yield follows")
            << twoRows << "120" << Mode::Factor << "2" << doubled << "240"
            << "";
        QTest::newRow("yield follows a target") << twoRows << "130.5" << Mode::TotalEnergy
                                                << "312,5" << QStringList{"50", "25"} << "65.3"
                                                << "";
        QTest::newRow("zero") << twoRows << "" << Mode::Factor << "0" << QStringList() << ""
                              << "не положительное";
        QTest::newRow("negative") << twoRows << "" << Mode::TotalMass << "-300" << QStringList()
                                  << ""
                                  << "массу рациона";
        QTest::newRow("nothing typed")
            << twoRows << "" << Mode::TotalEnergy << " " << QStringList() << ""
            << "энергию рациона";
        QTest::newRow("word") << twoRows << "" << Mode::Factor << "два" << QStringList() << ""
                              << "«два»";
        QTest::newRow("inf") << twoRows << "" << Mode::Factor << "inf" << QStringList() << ""
                             << "не положительное";
        QTest::newRow("nan") << twoRows << "" << Mode::TotalMass << "nan" << QStringList() << ""
                             << "не положительное";
        QTest::newRow("grouping") << twoRows << "" << Mode::TotalMass << "1 000" << QStringList()
                                  << ""
                                  << "не положительное";
        QTest::newRow("beyond single precision")
            << twoRows << "" << Mode::Factor << "1e39" << QStringList() << ""
            << "стала бы больше 1000000 г";
        QTest::newRow("beyond a double")
            << twoRows << "" << Mode::TotalMass << "1e400" << QStringList() << ""
            << "не записать числом";
        QTest::newRow("masses overflow")
            << twoRows << "" << Mode::Factor << "1e37" << QStringList() << ""
            << "«Хлеб» стала бы больше 1000000 г";
        QTest::newRow("a mass just over the largest")
            << twoRows << "" << Mode::Factor << "10001" << QStringList() << ""
            << "«Хлеб» стала бы больше 1000000 г";
        QTest::newRow("a mass at the largest")
            << twoRows << "" << Mode::Factor << "10000" << QStringList{"1e+06", "500000"} << ""
            << "";
        QTest::newRow("a factor over the largest mass")
            << QList<RationRow>{{"Соль", "0.001", "0", "0", "0", "0", "0"}} << "" << Mode::Factor
            << "2e6" << QStringList{"2000"} << ""
            << "";
        QTest::newRow("mass vanishes")
            << QList<RationRow>{{"Соль", "0.001", "0", "0", "0", "0", "0"}} << "" << Mode::Factor
            << "1e-44" << QStringList() << ""
            << "«Соль» стала бы нулевой";
        QTest::newRow("row without mass")
            << QList<RationRow>{twoRows[0], {"Вода", "0", "0", "0", "0", "0", "0"}} << ""
            << Mode::Factor << "2" << QStringList() << ""
            << "«Вода» стала бы нулевой";
        QTest::newRow("empty ration")
            << QList<RationRow>{QStringList(7)} << "" << Mode::Factor << "2" << QStringList() << ""
            << "нет продуктов";
        QTest::newRow("no rows at all")
            << QList<RationRow>() << "" << Mode::TotalMass << "2" << QStringList() << ""
            << "нет продуктов";
        QTest::newRow("no energy to scale")
            << QList<RationRow>{{"Вода", "200", "200", "0", "0", "0", "0"}} << ""
            << Mode::TotalEnergy << "100" << QStringList() << ""
            << "Энергия рациона равна нулю";
        QTest::newRow("no energy, by mass")
            << QList<RationRow>{{"Вода", "200", "200", "0", "0", "0", "0"}} << "" << Mode::TotalMass
            << "100" << QStringList{"100"} << ""
            << "";
        QTest::newRow("yield beyond the largest")
            << twoRows << "600000" << Mode::Factor << "2" << QStringList() << ""
            << "слишком большим";
        QTest::newRow("yield at the largest")
            << twoRows << "500000" << Mode::Factor << "2" << doubled << "1e+06"
            << "";
    }

    void plan()
    {
        QFETCH(QList<RationRow>, rows);
        QFETCH(QString, yield);
        QFETCH(Mode, mode);
        QFETCH(QString, typed);
        QFETCH(QStringList, masses);
        QFETCH(QString, scaledYield);
        QFETCH(QString, why);

        const RationScale::Plan p = RationScale::plan(rows, yield, mode, typed);
        QCOMPARE(p.ok, !masses.isEmpty());
        QCOMPARE(p.masses, masses);
        QCOMPARE(p.yield, scaledYield);
        if (why.isEmpty())
            QVERIFY(p.why.isEmpty());
        else
            QVERIFY2(p.why.contains(why), qPrintable(p.why));
    }

    // Scaling to portions or to a cooked weight, and masses rounded to what
    // a kitchen scale shows.
    void cookModes_data()
    {
        QTest::addColumn<QList<RationRow>>("rows");
        QTest::addColumn<QString>("yield");
        QTest::addColumn<int>("portions");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("masses"); // empty: refused
        QTest::addColumn<QString>("scaledYield");
        QTest::addColumn<int>("scaledPortions");
        QTest::addColumn<QString>("why");

        const QStringList doubled = {"200", "100"};
        const QStringList same = {"100", "50"};
        QTest::newRow("twice the portions")
            << twoRows << "120" << 2 << Mode::Portions << "4" << doubled << "240" << 4 << "";
        QTest::newRow("a third of the portions, no yield")
            << twoRows << "" << 3 << Mode::Portions << "1" << QStringList{"33.3", "16.7"} << "" << 1
            << "";
        QTest::newRow("portions as they are")
            << twoRows << "120" << 2 << Mode::Portions << "2" << same << "120" << 2 << "";
        QTest::newRow("half a portion")
            << twoRows << "" << 2 << Mode::Portions << "2,5" << QStringList() << "" << 0 << "целое";
        QTest::newRow("portions beyond the most") << twoRows << "" << 2 << Mode::Portions << "1001"
                                                  << QStringList() << "" << 0 << "целое";
        QTest::newRow("to a cooked weight") << twoRows << "120" << 2 << Mode::Yield << "300"
                                            << QStringList{"250", "125"} << "300" << 2 << "";
        QTest::newRow("cooked weight typed with a comma")
            << twoRows << "120" << 1 << Mode::Yield << "90,5" << QStringList{"75.4", "37.7"}
            << "90.5" << 1 << "";
        QTest::newRow("no yield: the cooked weight is the mass")
            << twoRows << "" << 1 << Mode::Yield << "300" << doubled << "" << 1 << "";
        QTest::newRow("cooked weight over a tonne")
            << twoRows << "120" << 1 << Mode::Yield << "1000001" << QStringList() << "" << 0
            << "1 000 000";
        QTest::newRow("grams from 100 g, tenths below")
            << twoRows << "130" << 1 << Mode::Factor << "1,234" << QStringList{"123", "61.7"}
            << "160" << 1 << "";
        QTest::newRow("a pinch rounded away")
            << QList<RationRow>{{"Соль", "0.1", "0", "0", "0", "0", "0"}} << "" << 1 << Mode::Factor
            << "0,3" << QStringList() << "" << 0 << "«Соль» стала бы нулевой";
        QTest::newRow("a factor of one rounds nothing")
            << QList<RationRow>{{"Соус", "33.33", "20", "1", "5", "2", "61"}} << "40.04" << 1
            << Mode::Factor << "1" << QStringList{"33.33"} << "40.04" << 1 << "";
    }
    void cookModes()
    {
        QFETCH(QList<RationRow>, rows);
        QFETCH(QString, yield);
        QFETCH(int, portions);
        QFETCH(Mode, mode);
        QFETCH(QString, typed);
        QFETCH(QStringList, masses);
        QFETCH(QString, why);

        const RationScale::Plan p = RationScale::plan(rows, yield, mode, typed, portions);
        QVERIFY2(p.why.contains(why), qPrintable(p.why));
        QCOMPARE(p.ok, !masses.isEmpty());
        QCOMPARE(p.masses, masses);
        if (p.ok) {
            QTEST(p.yield, "scaledYield");
            QTEST(p.portions, "scaledPortions");
        }
    }

    void roundedMass_data()
    {
        QTest::addColumn<double>("grams");
        QTest::addColumn<double>("rounded");
        QTest::newRow("tenths") << 66.66 << 66.7;
        QTest::newRow("just below 100") << 99.94 << 99.9;
        QTest::newRow("up to 100") << 99.96 << 100.0;
        QTest::newRow("grams from 100") << 100.4 << 100.0;
        QTest::newRow("half a gram up") << 1234.5 << 1235.0;
        QTest::newRow("less than half a tenth") << 0.04 << 0.0;
    }
    void roundedMass()
    {
        QFETCH(double, grams);
        QTEST(RationScale::roundedMass(grams), "rounded");
    }

    // Rounded masses may hold more dry matter than the scaled yield.
    void fittedYield_data()
    {
        QTest::addColumn<QString>("mass"); // of a product without water
        QTest::addColumn<QString>("yield");
        QTest::addColumn<QString>("fitted");
        QTest::newRow("holds") << "66.6"
                               << "66.6"
                               << "66.6";
        QTest::newRow("a tenth short") << "66.7"
                                       << "66.6"
                                       << "66.7";
        QTest::newRow("short from 100 g") << "150.2"
                                          << "150"
                                          << "151";
        QTest::newRow("no yield") << "150.2"
                                  << ""
                                  << "";
    }
    void fittedYield()
    {
        QFETCH(QString, mass);
        QFETCH(QString, yield);
        const QList<RationRow> rows{{"Сухари", mass, "0", "10", "1", "70", "330"}};
        QTEST(RationScale::fittedYield(rows, yield), "fitted");
    }
};

QTEST_GUILESS_MAIN(TestRationScale)
#include "tst_rationscale.moc"
