#include "core/nutrition/exactsum.h"
#include "core/page/summarypage.h"
#include "core/ration/rationsummary.h"

#include <QDate>
#include <QTest>

namespace {
const Profile Ivan{QStringLiteral("Иван"),
                   {Person::Sex::Male, Person::Age::From30To44, Person::Activity::II}};

RationSummary::Entry entry(const QString &caption, const QString &energy, bool checked = true)
{
    return {caption, {"500", "400", "43", "44", "189", energy}, checked};
}
} // namespace

class TestRationSummary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The sum is what adding the texts by hand gives, to the last digit.
    void exactSum_data()
    {
        QTest::addColumn<QStringList>("terms");
        QTest::addColumn<QString>("sum");
        QTest::newRow("rounded sum would differ")
            << QStringList{"100.623", "100.623", "100.623"} << "301.869";
        QTest::newRow("carry past six digits") << QStringList{"99999.9", "99999.9"} << "199999.8";
        QTest::newRow("places far apart") << QStringList{"0.123456", "1234.57"} << "1234.693456";
        QTest::newRow("exponent kept when exact")
            << QStringList{"1.5e+06", "1.5e+06", "1.5e+06"} << "4.5e+06";
        QTest::newRow("exponent written out") << QStringList{"1.798e+06", "5"} << "1798005";
        QTest::newRow("small exponent") << QStringList{"1e-05", "1"} << "1.00001";
        QTest::newRow("untouched windows") << QStringList{"0.00", "0.00"} << "0";
        QTest::newRow("nothing") << QStringList{} << "0";
        QTest::newRow("negative") << QStringList{"-1", "0.25"} << "-0.75";
        QTest::newRow("cancelling") << QStringList{"-2.5", "2.50"} << "0";
        QTest::newRow("text after numbers") << QStringList{"24.0 ", "150abc"} << "174";
        QTest::newRow("no number, no float") << QStringList{"abc", "1e+39", "2"} << "2";
    }
    void exactSum()
    {
        QFETCH(QStringList, terms);
        QFETCH(QString, sum);
        ExactSum exact;
        for (const QString &term : terms)
            exact.add(term);
        QCOMPARE(exact.text(), sum);
    }

    // Unchecked rations are neither summed nor in the table; the rows keep them.
    void uncheckedLeftOut()
    {
        RationSummary summary;
        summary.entries = {entry("Завтрак", "662.5"), entry("Обед", "1000", false),
                           entry("Ужин", "662.5")};
        QCOMPARE(summary.sum(), QStringList({"1000", "800", "86", "88", "378", "1325"}));
        QCOMPARE(summary.rows().size(), 4);
        const RationSummary::Table table = summary.table();
        QCOMPARE(table.titles.size(), RationSummary::ColumnCount);
        QCOMPARE(table.rows.size(), 3);
        QCOMPARE(table.rows[1][0], QStringLiteral("Ужин"));
        QCOMPARE(table.rows[2].mid(0, 7),
                 QStringList({"Итого", "1000", "800", "86", "88", "378", "1325"}));
    }

    // With a profile the sum is measured against the whole day.
    void normRows()
    {
        RationSummary summary;
        summary.entries = {entry("Завтрак", "662.5"), entry("Ужин", "662.5")};
        QCOMPARE(summary.rows().size(), 3);
        summary.profile = Ivan;
        const QList<RationSummary::Row> rows = summary.rows();
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[3].cells.mid(0, 7),
                 QStringList({"Норма", "", "", "86", "88", "378", "2650"}));
        QCOMPARE(rows[4].cells.mid(0, 7),
                 QStringList({"% нормы", "", "", "100 %", "100 %", "100 %", "50 % — мало"}));
        QCOMPARE(rows[4].cells.size(), RationSummary::ColumnCount);
    }

    // The page names every ration summed as a text, never as markup.
    void page()
    {
        RationSummary summary;
        summary.entries = {entry("<b>Обед</b> & ужин", "1"), entry("Полдник", "2", false)};
        const QString html = SummaryPage::html(summary, QDate(2026, 1, 2));
        QVERIFY(html.contains("&lt;b&gt;Обед&lt;/b&gt; &amp; ужин"));
        QVERIFY(!html.contains("Полдник"));
        QVERIFY(html.contains("02.01.2026"));
        QVERIFY(!html.startsWith("<!--Rationix_doc-->"));
    }
};

QTEST_GUILESS_MAIN(TestRationSummary)
#include "tst_rationsummary.moc"
