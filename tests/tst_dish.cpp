#include "core/nutrition/energystructure.h"
#include "core/ration/dish.h"

#include <QTest>

#include <cmath>
#include <limits>

// Totals of a raw recipe: 200 g of products holding 100 g of water.
static const QStringList Recipe{"200", "100", "20", "10", "40", "300"};

class TestDish : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void values_data()
    {
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<double>("yield");
        QTest::addColumn<int>("portions");
        QTest::addColumn<QStringList>("per100g");
        QTest::addColumn<QStringList>("perPortion");
        QTest::newRow("no yield: the products' mass")
            << Recipe << 0.0 << 1 << QStringList{"100", "50", "10", "5", "20", "150"}
            << QStringList{"200", "100", "20", "10", "40", "300"};
        QTest::newRow("water boiled off")
            << Recipe << 150.0 << 3
            << QStringList{"100", "33.3333", "13.3333", "6.66667", "26.6667", "200"}
            << QStringList{"50", "16.6667", "6.66667", "3.33333", "13.3333", "100"};
        QTest::newRow("water taken up")
            << Recipe << 250.0 << 1 << QStringList{"100", "60", "8", "4", "16", "120"}
            << QStringList{"250", "150", "20", "10", "40", "300"};
        QTest::newRow("all water gone")
            << Recipe << 100.0 << 1 << QStringList{"100", "0", "20", "10", "40", "300"}
            << QStringList{"100", "0", "20", "10", "40", "300"};
        QTest::newRow("empty ration") << QStringList{"0", "0", "0", "0", "0", "0"} << 0.0 << 2
                                      << QStringList{"100", "0", "0", "0", "0", "0"}
                                      << QStringList{"0", "0", "0", "0", "0", "0"};
        QTest::newRow("portions held to 1..1000")
            << Recipe << 0.0 << 0 << QStringList{"100", "50", "10", "5", "20", "150"}
            << QStringList{"200", "100", "20", "10", "40", "300"};
        QTest::newRow("nan yield ignored")
            << Recipe << std::nan("") << 1 << QStringList{"100", "50", "10", "5", "20", "150"}
            << QStringList{"200", "100", "20", "10", "40", "300"};
    }
    void values()
    {
        QFETCH(QStringList, totals);
        QFETCH(double, yield);
        QFETCH(int, portions);
        const Dish dish(totals, yield, portions);
        QTEST(dish.per100g(), "per100g");
        QTEST(dish.perPortion(), "perPortion");
    }

    void checkYield_data()
    {
        QTest::addColumn<double>("yield");
        QTest::addColumn<int>("check");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("zero") << 0.0 << int(Dish::YieldCheck::NotPositive);
        QTest::newRow("negative") << -5.0 << int(Dish::YieldCheck::NotPositive);
        QTest::newRow("nan") << std::nan("") << int(Dish::YieldCheck::NotANumber);
        QTest::newRow("inf") << inf << int(Dish::YieldCheck::TooLarge);
        QTest::newRow("-inf") << -inf << int(Dish::YieldCheck::NotPositive);
        QTest::newRow("rounded smallest") << 99.99995 << int(Dish::YieldCheck::Ok);
        QTest::newRow("over a tonne") << 1e6 + 1 << int(Dish::YieldCheck::TooLarge);
        QTest::newRow("a tonne") << 1e6 << int(Dish::YieldCheck::Ok);
        QTest::newRow("below dry matter") << 99.9 << int(Dish::YieldCheck::TooSmall);
        QTest::newRow("dry matter") << 100.0 << int(Dish::YieldCheck::Ok);
    }
    void checkYield()
    {
        QFETCH(double, yield);
        const Dish dish(Recipe);
        QCOMPARE(dish.smallestYield(), 100.0);
        QTEST(int(dish.checkYield(yield)), "check");
    }

    // What a person may type as a yield.
    void checkYieldText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("check");
        QTest::addColumn<double>("value"); // when taken
        const int ok = int(Dish::YieldCheck::Ok);
        const int nan = int(Dish::YieldCheck::NotANumber);
        QTest::newRow("whole") << "150" << ok << 150.0;
        QTest::newRow("decimal comma") << "150,5" << ok << 150.5;
        QTest::newRow("decimal point, blanks") << " 150.5 " << ok << 150.5;
        QTest::newRow("exponent") << "1e3" << ok << 1000.0;
        QTest::newRow("trailing text") << "150abc" << nan << 0.0;
        QTest::newRow("two commas") << "1,5,0" << nan << 0.0;
        QTest::newRow("grouped") << "1 000" << nan << 0.0;
        QTest::newRow("word") << "много" << nan << 0.0;
        QTest::newRow("inf") << "inf" << nan << 0.0;
        QTest::newRow("nan") << "nan" << nan << 0.0;
        QTest::newRow("zero") << "0" << int(Dish::YieldCheck::NotPositive) << 0.0;
        QTest::newRow("negative") << "-150" << int(Dish::YieldCheck::NotPositive) << 0.0;
        QTest::newRow("beyond a double") << "1e999" << int(Dish::YieldCheck::TooLarge) << 0.0;
        QTest::newRow("over a tonne") << "1000000.5" << int(Dish::YieldCheck::TooLarge) << 0.0;
        QTest::newRow("too small") << "99" << int(Dish::YieldCheck::TooSmall) << 0.0;
    }
    void checkYieldText()
    {
        QFETCH(QString, text);
        QFETCH(int, check);
        QFETCH(double, value);
        double read = -1.0;
        QCOMPARE(int(Dish(Recipe).checkYieldText(text, &read)), check);
        if (check == int(Dish::YieldCheck::Ok))
            QCOMPARE(read, value);
    }

    // A yield that no longer holds the products shows no numbers at all.
    void yieldBelowDryMatterShowsNoValues()
    {
        const Dish dish(Recipe, 50.0, 2);
        QVERIFY(!dish.yieldFits());
        QCOMPARE(dish.per100g(), QStringList(Ration::TotalCount, QStringLiteral("—")));
        QCOMPARE(dish.perPortion(), QStringList(Ration::TotalCount, QStringLiteral("—")));
        QVERIFY(Dish(Recipe, 100.0).yieldFits());
        QVERIFY(Dish(Recipe).yieldFits());
    }

    void energyStructureText_data()
    {
        QTest::addColumn<QList<double>>("grams"); // protein, fat, carbohydrates
        QTest::addColumn<QString>("summary");
        QTest::newRow("balanced") << QList<double>{25, 25, 130}
                                  << "Белки 12.0 %, Жиры 26.9 %, Углеводы 61.1 %";
        QTest::newRow("fatty") << QList<double>{10, 40, 50}
                               << "Белки 6.7 % (ниже нормы 10–15 %), Жиры 60.4 % (выше нормы "
                                  "15–30 %), Углеводы 32.9 % (ниже нормы 55–75 %)";
        // 15.04 % is shown as 15.0 % and so is within 10–15 %
        QTest::newRow("on the bound, as shown")
            << QList<double>{15.04 / 4.2, 0, 84.96 / 4.1}
            << "Белки 15.0 %, Жиры 0.0 % (ниже нормы 15–30 %), Углеводы 85.0 % (выше нормы "
               "55–75 %)";
    }
    void energyStructureText()
    {
        QFETCH(QList<double>, grams);
        const auto structure = EnergyStructure::of({grams[0], grams[1], grams[2]});
        QVERIFY(structure);
        QTEST(structure->summary(), "summary");
    }

    void energyStructure_data()
    {
        QTest::addColumn<QList<double>>("grams"); // protein, fat, carbohydrates
        QTest::addColumn<QList<double>>("percent");
        QTest::addColumn<QList<int>>("ranges");
        const int below = int(EnergyStructure::Range::Below);
        const int within = int(EnergyStructure::Range::Within);
        const int above = int(EnergyStructure::Range::Above);
        QTest::newRow("protein only") << QList<double>{10, 0, 0} << QList<double>{100, 0, 0}
                                      << QList<int>{above, below, below};
        QTest::newRow("balanced") << QList<double>{25, 25, 130}
                                  << QList<double>{105.0 / 8.73, 235.0 / 8.73, 533.0 / 8.73}
                                  << QList<int>{within, within, within};
        QTest::newRow("negative grams count as none")
            << QList<double>{-3, 1, 0} << QList<double>{0, 100, 0}
            << QList<int>{below, above, below};
    }
    void energyStructure()
    {
        QFETCH(QList<double>, grams);
        QFETCH(QList<double>, percent);
        QFETCH(QList<int>, ranges);
        const auto structure = EnergyStructure::of({grams[0], grams[1], grams[2]});
        QVERIFY(structure);
        for (int n = 0; n < EnergyStructure::NutrientCount; ++n) {
            const auto nutrient = EnergyStructure::Nutrient(n);
            QVERIFY2(std::fabs(structure->percent[n] - percent[n]) < 1e-9,
                     qPrintable(QString::number(n)));
            QCOMPARE(int(structure->range(nutrient)), ranges[n]);
        }
    }

    void energyStructureOfNothing()
    {
        QVERIFY(!EnergyStructure::of({0, 0, 0}));
        QVERIFY(!EnergyStructure::of({-1, 0, -2}));
    }
};

QTEST_APPLESS_MAIN(TestDish)
#include "tst_dish.moc"
