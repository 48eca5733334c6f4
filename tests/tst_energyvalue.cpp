#include "core/energy/energyvalue.h"
#include "core/page/rationpage.h"

#include <QBuffer>
#include <QTest>

class TestEnergyValue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shares_data()
    {
        QTest::addColumn<QStringList>("nutrients"); // protein, fat, carbohydrates
        QTest::addColumn<QStringList>("expected");  // protein, fat, carbohydrates, total
        QTest::newRow("Бобы") << QStringList{"6.0", "0.1", "8.3"}
                              << QStringList{"25.2", "0.94", "34.03", "60.17"};
        QTest::newRow("Соя") << QStringList{"34.9", "17.3", "26.5"}
                             << QStringList{"146.58", "162.62", "108.65", "417.85"};
        QTest::newRow("group: empty cells")
            << QStringList{"", "", ""} << QStringList{"0", "0", "0", "0"};
        QTest::newRow("whole numbers")
            << QStringList{"10", "0", "0.0"} << QStringList{"42", "0", "0", "42"};
        QTest::newRow("text after the number")
            << QStringList{"1.5 г", "abc", "2"} << QStringList{"6.3", "0", "8.2", "14.5"};
        QTest::newRow("six digits")
            << QStringList{"123.456", "0", "0"} << QStringList{"518.515", "0", "0", "518.515"};
    }
    void shares()
    {
        QFETCH(QStringList, nutrients);
        QFETCH(QStringList, expected);
        const EnergyValue::Shares s = EnergyValue::shares(nutrients[0], nutrients[1], nutrients[2]);
        QCOMPARE((QStringList{s.protein, s.fat, s.carbohydrates, s.total}), expected);
    }

    void resultLines()
    {
        const EnergyValue::Shares lines =
            EnergyValue::resultLines(EnergyValue::shares("6.0", "0.1", "8.3"));
        QCOMPARE(lines.protein, QStringLiteral("Энергетическая ценность по белку: 25.2 ККал"));
        QCOMPARE(lines.fat, QStringLiteral("Энергетическая ценность по жирам: 0.94 ККал"));
        QCOMPARE(lines.carbohydrates,
                 QStringLiteral("Энергетическая ценность по углеводам: 34.03 ККал"));
        QCOMPARE(lines.total, QStringLiteral("Энергетическая ценность (всего): 60.17 ККал"));
    }

    void report_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain") << QStringLiteral("Бобы") << QStringLiteral("Бобы");
        QTest::newRow("markup") << QStringLiteral("Бобы & <соя> \"Люкс\"")
                                << QStringLiteral("Бобы &amp; &lt;соя&gt; &quot;Люкс&quot;");
    }
    void report()
    {
        QFETCH(QString, name);
        QFETCH(QString, escaped);
        const EnergyValue::Product product{name, "6.0", "0.1", "8.3", "58"};
        const EnergyValue::Shares results{"По белку: 25.2 ККал", "По жирам: 0.94 ККал",
                                          "По углеводам: <34.03> ККал", "Всего: 60.17 ККал"};
        const QStringList head = RationPage::headLines(name);
        QStringList expected{
            "<html>",
            "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
            "<meta name=\"Generator\" content=\"Rationix 1.0\">",
            head.value(4),
            head.value(5),
            "<title>",
            escaped,
            "</title>",
            "</head>",
            "<body>",
            "<h2>",
            "Продукт \"" + escaped + "\".",
            "</h2>",
            "<h3>",
            "Всего: 60.17 ККал.",
            "</h3>",
            "<p>",
            "По белку: 25.2 ККал.",
            "</p>",
            "<p>",
            "По жирам: 0.94 ККал.",
            "</p>",
            "<p>",
            "По углеводам: &lt;34.03&gt; ККал.",
            "</p>",
            "<table border=\"2\">",
            "<tr bgcolor=\"Blue\">"};
        for (const char *title : {"Наименование", "Белок", "Жиры", "Углеводы", "ККал"})
            expected << "<td><font color=\"White\">" << QString::fromUtf8(title) << "</font></td>";
        expected << "</tr>"
                 << "<tr bgcolor=\"White\">";
        for (const QString &value : {escaped, QStringLiteral("6.0"), QStringLiteral("0.1"),
                                     QStringLiteral("8.3"), QStringLiteral("58")})
            expected << "<td><font color=\"Black\">" << value << "</font></td>";
        expected << "</tr>"
                 << "</table>"
                 << "</body>"
                 << "</html>";

        QCOMPARE(expected.size(), 64);
        QVERIFY(head.value(4).startsWith("<meta name=\"author\""));
        QVERIFY(head.value(5).contains("name=\"Copyright\""));
        QCOMPARE(EnergyValue::reportLines(product, results), expected);
    }

    // The report is no ration: the ration reader refuses it.
    void reportIsNoRation()
    {
        const EnergyValue::Product product{"Бобы", "6.0", "0.1", "8.3", "58"};
        QByteArray page =
            RationPage::joinLines(
                EnergyValue::reportLines(
                    product, EnergyValue::resultLines(EnergyValue::shares("6.0", "0.1", "8.3"))))
                .toUtf8();
        QBuffer buffer(&page);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QCOMPARE(RationPage::read(buffer).status, RationPage::ReadResult::NotARation);
    }
};

QTEST_APPLESS_MAIN(TestEnergyValue)
#include "tst_energyvalue.moc"
