#include "core/nutrition/nutrients.h"

#include <QFile>
#include <QTest>

#include <cstdint>
#include <cstring>

namespace {
std::uint64_t bits(double value)
{
    std::uint64_t b = 0;
    std::memcpy(&b, &value, sizeof b);
    return b;
}
} // namespace

class TestNutrients : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The one formula gives every energy the program has always shown to
    // the last bit: the energy value added c + (f + p), own products and the
    // energy structure p + f + c, all with these factors.
    void energyFormula_data()
    {
        QTest::addColumn<double>("protein");
        QTest::addColumn<double>("fat");
        QTest::addColumn<double>("carbohydrates");
        QTest::newRow("beans") << 6.0 << 0.1 << 8.3;
        QTest::newRow("soy, as floats") << double(34.9f) << double(17.3f) << double(26.5f);
        QTest::newRow("all -0") << -0.0 << -0.0 << -0.0;
        QTest::newRow("one -0") << -0.0 << 0.0 << 0.0;
        QTest::newRow("order matters") << 1e16 << 0.3 << 0.7;
        QTest::newRow("tiny") << 4.9e-324 << 0.0 << 1e-308;
        QTest::newRow("largest float") << double(3.4e38f) << double(3.4e38f) << double(3.4e38f);
    }
    void energyFormula()
    {
        QFETCH(double, protein);
        QFETCH(double, fat);
        QFETCH(double, carbohydrates);
        const double p = protein * 4.2;
        const double f = fat * 9.4;
        const double c = carbohydrates * 4.1;
        std::array<double, Nutrients::Count> grams{};
        grams[Nutrients::Water] = 1000.0; // no energy of its own
        grams[Nutrients::Protein] = protein;
        grams[Nutrients::Fat] = fat;
        grams[Nutrients::Carbohydrates] = carbohydrates;
        grams[Nutrients::Energy] = 1000.0;
        QCOMPARE(bits(Nutrients::energyOf(grams)), bits(c + (f + p)));
        QCOMPARE(bits(Nutrients::energyOf(grams)), bits(p + f + c));
        QCOMPARE(bits(Nutrients::energyOf(Nutrients::Fat, fat)), bits(f));
    }

    // The built-in table's columns are the nutrients, by the keys that own
    // products files are written with.
    void tableFileHasEveryNutrient()
    {
        QFile file(QStringLiteral(":/ration/foods.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList expected{QStringLiteral("group"), QStringLiteral("product")};
        for (const Nutrients::Nutrient &nutrient : Nutrients::all())
            expected.append(QString::fromLatin1(nutrient.fileKey));
        QCOMPARE(QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char('\t')), expected);
    }
};

QTEST_APPLESS_MAIN(TestNutrients)
#include "tst_nutrients.moc"
