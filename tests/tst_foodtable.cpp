#include "core/catalogue/foodtable.h"
#include "core/nutrition/numbertext.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const FoodTable::Product *findProduct(const QString &name, QString *group = nullptr)
{
    for (const FoodTable::Group &g : FoodTable::builtIn().groups()) {
        for (const FoodTable::Product &p : g.products) {
            if (p.name == name) {
                if (group)
                    *group = g.name;
                return &p;
            }
        }
    }
    return nullptr;
}

} // namespace

class TestFoodTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void groupsInOrderOfCreation()
    {
        const QList<QPair<QString, int>> expected = {{"Бобовые", 6},
                                                     {"Грибы", 5},
                                                     {"Жиры и масла", 8},
                                                     {"Икра", 5},
                                                     {"Колбаса и колбасные изделия", 19},
                                                     {"Кондитерские изделия", 8},
                                                     {"Крупы", 12},
                                                     {"Молоко и молочные продукты", 24},
                                                     {"Мясные консервы и копчёности", 8},
                                                     {"Мясо, субпродукты, птица", 25},
                                                     {"Овощи", 32},
                                                     {"Орехи", 5},
                                                     {"Рыба и морепродукты", 50},
                                                     {"Сладости", 13},
                                                     {"Сухофрукты", 9},
                                                     {"Фрукты и ягоды", 39},
                                                     {"Хлебобулочные изделия и мука", 11},
                                                     {"Яйца", 5}};
        const auto &groups = FoodTable::builtIn().groups();
        QCOMPARE(groups.size(), expected.size());
        for (qsizetype i = 0; i < groups.size(); ++i) {
            QCOMPARE(groups[i].name, expected[i].first);
            QCOMPARE(groups[i].products.size(), expected[i].second);
        }
        QCOMPARE(FoodTable::builtIn().productCount(), 284);
    }

    void namesAreDistinct()
    {
        QSet<QString> groups, products;
        for (const FoodTable::Group &g : FoodTable::builtIn().groups()) {
            groups.insert(g.name);
            for (const FoodTable::Product &p : g.products) {
                QVERIFY2(!products.contains(p.name), qPrintable(p.name));
                products.insert(p.name);
            }
        }
        QCOMPARE(products.size(), 284);
        QVERIFY(!groups.intersects(products));
    }

    void exactNames()
    {
        for (const char *name : {"Вишня  сушёная", "Груша  сушёная", "Персики  сушёные",
                                 "Яблоки  сушёные", "Крупа пшеничная \"Полтавская\"",
                                 "Колбаса сырокопченая московская", "Сыр плавленный"})
            QVERIFY2(findProduct(QString::fromUtf8(name)), name);
        const auto &fats = FoodTable::builtIn().groups()[2].products;
        QCOMPARE(fats.first().name, QStringLiteral("Жир бараний или говяжий топлёный"));
        QCOMPARE(fats[1].name, QStringLiteral("Шпик свиной (без шкурки)"));
    }

    void cellForm()
    {
        static const QRegularExpression grams(QStringLiteral("^(0|[1-9][0-9]*)\\.[0-9]$"));
        static const QRegularExpression kcal(QStringLiteral("^(0|[1-9][0-9]*)$"));
        for (const FoodTable::Group &g : FoodTable::builtIn().groups()) {
            for (const FoodTable::Product &p : g.products) {
                for (int c = 0; c < Nutrients::Energy; ++c) {
                    const QString &v = p.values[c];
                    const bool exception =
                        (p.name == QStringLiteral("Сыр плавленный") && v == QStringLiteral("24.0 "))
                        || (p.name == QStringLiteral("Горбуша") && v == QStringLiteral("21"));
                    QVERIFY2(exception || grams.match(v).hasMatch(),
                             qPrintable(p.name + QLatin1Char('|') + v));
                }
                QVERIFY2(kcal.match(p.values[Nutrients::Energy]).hasMatch(), qPrintable(p.name));
            }
        }
    }

    // Every row must be physically possible and its energy must agree with
    // its nutrients, within what reference tables allow.
    void valuesAreConsistent()
    {
        for (const FoodTable::Group &g : FoodTable::builtIn().groups()) {
            for (const FoodTable::Product &p : g.products) {
                const double water = NumberText::parse(p.values[Nutrients::Water]);
                const double protein = NumberText::parse(p.values[Nutrients::Protein]);
                const double fat = NumberText::parse(p.values[Nutrients::Fat]);
                const double carbs = NumberText::parse(p.values[Nutrients::Carbohydrates]);
                const double kcal = NumberText::parse(p.values[Nutrients::Energy]);
                QVERIFY2(water + protein + fat + carbs <= 100.5, qPrintable(p.name));
                const double expected = 4 * protein + 9 * fat + 4 * carbs;
                const double tolerance = qMax(10.0, 0.15 * expected);
                QVERIFY2(qAbs(kcal - expected) <= tolerance,
                         qPrintable(QStringLiteral("%1: %2 kcal, nutrients give %3")
                                        .arg(p.name)
                                        .arg(kcal)
                                        .arg(expected)));
            }
        }
    }

    void tellingRows_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QStringList>("values");
        const QList<QStringList> rows = {
            {"Бобовые", "Бобы", "83.0", "6.0", "0.1", "8.3", "58"},
            {"Бобовые", "Горох лущёный", "14.0", "23.0", "1.6", "57.7", "323"},
            {"Грибы", "Грибы белые свежие", "89.9", "3.2", "0.7", "1.6", "25"},
            {"Грибы", "Грибы белые сушёные", "13.0", "27.6", "6.8", "10.0", "209"},
            {"Жиры и масла", "Жир бараний или говяжий топлёный", "0.3", "0.0", "99.7", "0.0",
             "897"},
            {"Жиры и масла", "Шпик свиной (без шкурки)", "5.7", "1.4", "92.8", "0.0", "816"},
            {"Икра", "Икра кеты зернистая", "46.9", "31.6", "13.8", "0.0", "251"},
            {"Икра", "Икра лещевая пробойная", "58.0", "24.7", "4.8", "0.0", "142"},
            {"Колбаса и колбасные изделия", "Колбаса варёная диабетическая", "62.4", "12.1", "22.8",
             "0.0", "254"},
            {"Колбаса и колбасные изделия", "Колбаса варёная диетическая", "71.6", "12.1", "13.5",
             "0.0", "170"},
            {"Кондитерские изделия", "Вафли с фруктовыми начинками", "12.0", "3.2", "2.8", "80.1",
             "342"},
            {"Кондитерские изделия", "Вафли с жиросодержащими начинками", "1.0", "3.4", "30.2",
             "64.7", "530"},
            {"Крупы", "Крупа гречневая ядрица", "14.0", "12.6", "2.6", "68.0", "329"},
            {"Крупы", "Крупа гречневая продел", "14.0", "9.5", "1.9", "72.2", "326"},
            {"Молоко и молочные продукты", "Брынза из коровьего молока", "52.0", "17.9", "20.1",
             "0.0", "260"},
            {"Молоко и молочные продукты", "Йогурт натуральный 1.5% жирности", "88.0", "5.0", "1.5",
             "3.5", "51"},
            {"Молоко и молочные продукты", "Сыр плавленный", "55.0", "24.0 ", "13.5", "0.0", "226"},
            {"Мясные консервы и копчёности", "Говядина тушёная", "63.0", "16.8", "18.3", "0.0",
             "232"},
            {"Мясные консервы и копчёности", "Завтрак туриста (говядина)", "66.9", "20.5", "10.4",
             "0.0", "176"},
            {"Мясо, субпродукты, птица", "Баранина", "67.6", "16.3", "15.3", "0.0", "203"},
            {"Мясо, субпродукты, птица", "Говядина", "67.7", "18.9", "12.4", "0.0", "187"},
            // Water from the same reference as the rest of the row: 98.9 g in all.
            {"Мясо, субпродукты, птица", "Индейка", "64.5", "21.6", "12.0", "0.8", "197"},
            {"Овощи", "Баклажаны", "91.0", "0.6", "0.1", "5.5", "24"},
            {"Овощи", "Брюква", "87.5", "1.2", "0.1", "8.1", "37"},
            // The nuts: every value in its own column.
            {"Орехи", "Арахис", "10.0", "26.3", "45.2", "9.7", "548"},
            {"Орехи", "Грецкий орех", "5.0", "13.8", "61.3", "10.2", "648"},
            {"Рыба и морепродукты", "Бычки", "70.8", "12.8", "8.1", "5.2", "145"},
            {"Рыба и морепродукты", "Горбуша", "70.5", "21", "7.0", "0.0", "147"},
            {"Сладости", "Мёд", "17.2", "0.8", "0.0", "80.3", "308"},
            {"Сладости", "Драже фруктовое", "7.0", "3.7", "10.2", "73.1", "384"},
            {"Сухофрукты", "Урюк сушёный", "18.0", "5.0", "0.0", "67.5", "278"},
            {"Сухофрукты", "Курага сушёная", "20.0", "5.2", "0.0", "65.9", "272"},
            {"Сухофрукты", "Вишня  сушёная", "18.0", "1.5", "0.0", "73.0", "292"},
            {"Фрукты и ягоды", "Абрикосы", "86.0", "0.9", "0.0", "10.5", "46"},
            {"Фрукты и ягоды", "Айва", "87.5", "0.6", "0.0", "8.9", "38"},
            {"Хлебобулочные изделия и мука", "Хлеб ржаной", "42.4", "4.7", "0.7", "49.8", "214"},
            {"Хлебобулочные изделия и мука", "Хлеб пшеничный из муки I сорта", "34.3", "7.7", "2.4",
             "53.4", "254"},
            {"Яйца", "Яйцо куриное", "74.0", "12.7", "11.5", "0.7", "157"},
            {"Яйца", "Яичный порошок", "6.8", "45.0", "37.3", "7.1", "542"},
        };
        for (const QStringList &row : rows)
            QTest::newRow(qPrintable(row[1])) << row[0] << row[1] << row.mid(2);
    }
    void tellingRows()
    {
        QFETCH(QString, group);
        QFETCH(QString, product);
        QFETCH(QStringList, values);
        QString foundGroup;
        const FoodTable::Product *p = findProduct(product, &foundGroup);
        QVERIFY(p);
        QCOMPARE(foundGroup, group);
        for (int c = 0; c < Nutrients::Count; ++c)
            QCOMPARE(p->values[c], values[c]);
    }

    // Water, protein, fat and carbohydrates are parts of 100 g: together
    // they may fall short of it (ash, fibre, salt; as much as 40 g in dried
    // mushrooms, so no lower bound holds for all rows) but never pass it by
    // more than the rounding of four values.
    void partsFitInHundredGrams()
    {
        for (const FoodTable::Group &g : FoodTable::builtIn().groups()) {
            for (const FoodTable::Product &p : g.products) {
                double sum = 0;
                for (int c = Nutrients::Water; c <= Nutrients::Carbohydrates; ++c)
                    sum += p.values[c].trimmed().toDouble();
                QVERIFY2(sum <= 100.5, qPrintable(QStringLiteral("%1: %2 g").arg(p.name).arg(sum)));
            }
        }
    }

    void shortLinesAreReported()
    {
        QStringList errors;
        const FoodTable table = FoodTable::fromTsv(
            QStringLiteral(
                "header\nA\tx\t1.0\t2.0\t3.0\t4.0\t50\nA\tbroken\t1.0\nB\ty\t1\t2\t3\t4\t5\n"),
            &errors);
        QCOMPARE(table.groups().size(), 2);
        QCOMPARE(table.productCount(), 2);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().startsWith(QLatin1String("line 3")));
    }
};

QTEST_GUILESS_MAIN(TestFoodTable)
#include "tst_foodtable.moc"
