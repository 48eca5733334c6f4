#include "core/nutrition/figuretext.h"
#include "core/nutrition/nutrients.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestFigureText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void single_data()
    {
        QTest::addColumn<QString>("kind"); // grams, kcal or least
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("grams to a tenth") << "grams" << 66.3806 << "66.4";
        QTest::newRow("grams, whole") << "grams" << 100.0 << "100.0";
        QTest::newRow("a half tenth up") << "grams" << 2.25 << "2.3";
        QTest::newRow("a small loss is nothing") << "grams" << -0.04 << "0.0";
        QTest::newRow("a tonne") << "grams" << 1e6 << "1000000.0";
        QTest::newRow("no number") << "grams" << std::nan("") << "—";
        QTest::newRow("beyond any number") << "grams" << inf << "—";
        QTest::newRow("kcal whole") << "kcal" << 529.275 << "529";
        QTest::newRow("kcal, half up") << "kcal" << 2.5 << "3";
        QTest::newRow("kcal, small loss") << "kcal" << -0.4 << "0";
        QTest::newRow("least, up a tenth") << "least" << 99.91 << "100.0";
        QTest::newRow("least, on a tenth") << "least" << 15.3 << "15.3";
        QTest::newRow("least, a hair over") << "least" << 100.0000000001 << "100.0";
        QTest::newRow("least, just over") << "least" << 100.01 << "100.1";
    }
    void single()
    {
        QFETCH(QString, kind);
        QFETCH(double, value);
        const QString text = kind == "grams" ? FigureText::grams(value)
            : kind == "kcal"                 ? FigureText::kilocalories(value)
                                             : FigureText::gramsAtLeast(value);
        QTEST(text, "text");
    }

    void values()
    {
        QCOMPARE(FigureText::values({100, 33.33333, 13.33333, 6.666667, 26.66667, 199.6}),
                 QStringList({"100.0", "33.3", "13.3", "6.7", "26.7", "200"}));
        QCOMPARE(FigureText::values({}), QStringList(Nutrients::WithMassCount, "—"));
    }
};

QTEST_APPLESS_MAIN(TestFigureText)
#include "tst_figuretext.moc"
