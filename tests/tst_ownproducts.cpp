#include "core/catalogue/ownproducts.h"

#include <QTest>

namespace {
const QByteArray Header = "group\tproduct\twater\tprotein\tfat\tcarbohydrates\tkcal\n";
QByteArray line(const QByteArray &name, const QByteArray &values = "60\t20\t10\t5\t198")
{
    return "Мои продукты\t" + name + '\t' + values + '\n';
}
} // namespace

class TestOwnProducts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip()
    {
        OwnProducts own;
        own.put({QStringLiteral("Сырники «Бабушкины»"), {"60", "20", "10", "5", "198"}});
        own.put({QStringLiteral("Квас"), {"92", "0.2", "0", "5.2", "27"}});
        QList<OwnProducts::Problem> problems;
        const OwnProducts read = OwnProducts::fromTsv(own.toTsv(), &problems);
        QVERIFY(problems.isEmpty());
        QCOMPARE(read.toTsv(), own.toTsv());
        QVERIFY(own.toTsv().startsWith(Header));
        QCOMPARE(read.products().size(), 2);
        QCOMPARE(read.find(QStringLiteral("КВАС"))->values[Nutrients::Energy],
                 QStringLiteral("27"));
    }

    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QTest::addColumn<QString>("reason");
        QTest::newRow("too few fields") << line("Квас", "97\t0.2") << "4 полей вместо 7";
        QTest::newRow("not a number")
            << line("Квас", "97\tмного\t0\t5\t27") << "Белок: значение не является числом.";
        QTest::newRow("exponent") << line("Квас", "97\t1e1\t0\t5\t27")
                                  << "Белок: значение не является числом.";
        QTest::newRow("negative") << line("Квас", "97\t0\t-1\t5\t27")
                                  << "Жиры: значение не может быть отрицательным.";
        QTest::newRow("over 100 g") << line("Квас", "101\t0\t0\t0\t0")
                                    << "Вода: в 100 г продукта не может быть больше 100 г.";
        QTest::newRow("energy over 1000 kcal")
            << line("Квас", "97\t0\t0\t0\t1000.5")
            << "Энергия: в 100 г продукта не может быть больше 1000 ккал (в 100 г чистого жира "
               "их около 940).";
        QTest::newRow("energy past single precision")
            << line("Квас", "97\t0\t0\t0\t4" + QByteArray(38, '0'))
            << "Энергия: в 100 г продукта не может быть больше 1000 ккал (в 100 г чистого жира "
               "их около 940).";
        QTest::newRow("parts over 100.5 g")
            << line("Квас", "90\t5\t5\t0.6\t0")
            << "Состав: вода, белок, жиры и углеводы вместе больше 100 г на 100 г продукта.";
        QTest::newRow("invalid UTF-8") << line("\xff\xfe") << "текст не в кодировке UTF-8";
        QTest::newRow("line over 64 KiB") << line(QByteArray(70000, 'x')) << "строка длиннее 64 КБ";
        QTest::newRow("built-in name")
            << line("бобы") << "Название: такой продукт уже есть во встроенной таблице.";
        QTest::newRow("taken twice, е for ё")
            << line("Ёжики") << "Название: такой продукт уже есть среди ваших продуктов.";
        QTest::newRow("blank name") << line("   ") << "Название: название не может быть пустым.";
        QTest::newRow("long name")
            << line(QByteArray(201, 'x')) << "Название: название длиннее 200 знаков.";
    }
    void damagedFile()
    {
        QFETCH(QByteArray, bad);
        QFETCH(QString, reason);
        const QByteArray data = Header + line("Ежики") + bad + "\r\n" + line("Квас2");
        QList<OwnProducts::Problem> problems;
        const OwnProducts own = OwnProducts::fromTsv(data, &problems);
        QCOMPARE(own.products().size(), 2); // the good lines load
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems[0].line, 3);
        QCOMPARE(problems[0].reason, reason);
    }

    // A product's waste is one more field; a file without it, as older
    // programs wrote, reads and is written back as it was.
    void waste_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("waste"); // "-": the line is refused
        QTest::addColumn<bool>("writtenAsRead");
        const QByteArray withWaste = Header.chopped(1) + "\twaste\n";
        const QByteArray values = "78\t2\t0.4\t16\t77";
        QTest::newRow("no column") << Header + line("Клубни", values) << "" << true;
        QTest::newRow("waste") << withWaste + line("Клубни", values + "\t25") + line("Квас") << "25"
                               << true;
        QTest::newRow("decimal comma")
            << withWaste + line("Клубни", values + "\t12,5") << "12.5" << false;
        QTest::newRow("none") << withWaste + line("Клубни", values + "\t0") << "" << false;
        QTest::newRow("100 %") << withWaste + line("Клубни", values + "\t100") << "-" << false;
        QTest::newRow("negative") << withWaste + line("Клубни", values + "\t-5") << "-" << false;
    }
    void waste()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, waste);
        QList<OwnProducts::Problem> problems;
        const OwnProducts own = OwnProducts::fromTsv(data, &problems);
        const FoodTable::Product *product = own.find(QStringLiteral("Клубни"));
        QCOMPARE(product == nullptr, waste == "-");
        if (product) {
            QCOMPARE(product->waste, waste);
            QVERIFY(problems.isEmpty());
        } else {
            QCOMPARE(problems.size(), 1);
            QVERIFY2(problems[0].reason.contains("«Отходы, %»"), qPrintable(problems[0].reason));
        }
        QTEST(own.toTsv() == data, "writtenAsRead");
    }

    void fileTooLarge()
    {
        QList<OwnProducts::Problem> problems;
        const OwnProducts own =
            OwnProducts::fromTsv(Header + QByteArray(OwnProducts::MaxFileSize, '\n'), &problems);
        QVERIFY(own.isEmpty());
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems[0].line, 0);
    }

    void editing()
    {
        OwnProducts own;
        own.put({QStringLiteral("Квас"), {"92", "0.2", "0", "5.2", "27"}});
        QVERIFY(own.check(QStringLiteral("квас"), {"1", "1", "1", "1", "1"}));
        QVERIFY(
            !own.check(QStringLiteral("квас"), {"1", "1", "1", "1", "1"}, QStringLiteral("Квас")));
        own.put({QStringLiteral("Квас хлебный"), {"92", "0.2", "0", "5.2", "27"}},
                QStringLiteral("Квас"));
        QCOMPARE(own.products().size(), 1);
        QVERIFY(own.find(QStringLiteral("квас хлебный")));
        QVERIFY(!own.remove(QStringLiteral("Квас")));
        QVERIFY(own.remove(QStringLiteral("КВАС ХЛЕБНЫЙ")));
        QVERIFY(own.isEmpty());
    }

    void energyStrays_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("strays");
        // 20 g protein, 10 g fat, 5 g carbohydrates: 84 + 94 + 20.5 = 198.5 kcal
        QTest::newRow("as computed") << QStringList{"60", "20", "10", "5", "198.5"} << false;
        QTest::newRow("14 % under") << QStringList{"60", "20", "10", "5", "171"} << false;
        QTest::newRow("16 % over") << QStringList{"60", "20", "10", "5", "231"} << true;
        QTest::newRow("water: nothing to give") << QStringList{"100", "0", "0", "0", "0"} << false;
        QTest::newRow("energy from nothing") << QStringList{"100", "0", "0", "0", "5"} << true;
    }
    void energyStrays()
    {
        QFETCH(QStringList, values);
        QTEST(OwnProducts::energyStrays(values), "strays");
    }
};

QTEST_GUILESS_MAIN(TestOwnProducts)
#include "tst_ownproducts.moc"
