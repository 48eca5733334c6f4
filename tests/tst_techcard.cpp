#include "core/catalogue/foodtable.h"
#include "core/catalogue/waste.h"
#include "core/kitchen/techcard.h"
#include "core/kitchen/wastenorms.h"
#include "core/nutrition/figuretext.h"
#include "core/page/techcardpage.h"

#include <QTest>

// A ration of the named products, of the given masses, each 100 g giving
// 10 g of every nutrient and 100 kcal.
static Ration rationOf(const QList<std::pair<QString, QString>> &products, int portions)
{
    Ration ration;
    ration.name = QStringLiteral("Блюдо");
    for (const auto &[name, mass] : products) {
        const QString value = QString::number(mass.toDouble() / 10.0);
        ration.rows.append({name, mass, value, value, value, value, mass});
    }
    ration.totals = Ration::totalsOf(ration.rows);
    ration.portions = portions;
    return ration;
}

class TestTechCard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void norms_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("percent"); // -1: no norm
        const QString potato = QStringLiteral("Картофель");
        const QString carrot = QStringLiteral("Морковь красная");
        QTest::newRow("potato 31 Aug") << potato << QDate(2025, 8, 31) << 40.0;
        QTest::newRow("potato 1 Sep") << potato << QDate(2025, 9, 1) << 25.0;
        QTest::newRow("potato 31 Oct") << potato << QDate(2025, 10, 31) << 25.0;
        QTest::newRow("potato 1 Nov") << potato << QDate(2025, 11, 1) << 30.0;
        QTest::newRow("potato 31 Dec") << potato << QDate(2025, 12, 31) << 30.0;
        QTest::newRow("potato 1 Jan") << potato << QDate(2026, 1, 1) << 35.0;
        QTest::newRow("potato 15 Jan") << potato << QDate(2026, 1, 15) << 35.0;
        QTest::newRow("potato 29 Feb") << potato << QDate(2024, 2, 29) << 35.0;
        QTest::newRow("potato 1 Mar") << potato << QDate(2026, 3, 1) << 40.0;
        QTest::newRow("carrot 31 Aug") << carrot << QDate(2025, 8, 31) << 25.0;
        QTest::newRow("carrot 1 Sep") << carrot << QDate(2025, 9, 1) << 20.0;
        QTest::newRow("carrot 31 Dec") << carrot << QDate(2025, 12, 31) << 20.0;
        QTest::newRow("carrot 1 Jan") << carrot << QDate(2026, 1, 1) << 25.0;
        QTest::newRow("cabbage") << QStringLiteral("Капуста белокочанная") << QDate(2026, 6, 1)
                                 << 20.0;
        QTest::newRow("onion") << QStringLiteral("Лук репчатый") << QDate(2026, 1, 1) << 16.0;
        QTest::newRow("no norm") << QStringLiteral("Свёкла") << QDate(2026, 1, 1) << -1.0;
        QTest::newRow("no date") << potato << QDate() << -1.0;
    }
    void norms()
    {
        QFETCH(QString, product);
        QFETCH(QDate, date);
        QFETCH(double, percent);
        QCOMPARE(WasteNorms::percentFor(product, date).value_or(-1.0), percent);
    }

    // A misspelt norm would never be found.
    void normsNameFoods()
    {
        for (const WasteNorms::Norm &norm : WasteNorms::Table)
            QVERIFY2(FoodTable::builtIn().find(QString::fromUtf8(norm.product)), norm.product);
    }

    void gross_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<QString>("gross");
        QTest::newRow("winter potato") << 35.0 << "158.5";
        QTest::newRow("autumn potato") << 25.0 << "137.3";
        QTest::newRow("spring potato") << 40.0 << "171.7";
        QTest::newRow("no waste") << 0.0 << "103.0";
        QTest::newRow("all waste") << 100.0 << "—";
        QTest::newRow("negative") << -1.0 << "—";
    }
    void gross()
    {
        QFETCH(double, percent);
        QTEST(Waste::grossText(103.0, percent), "gross");
    }

    void readWaste_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("percent"); // -1: refused
        QTest::newRow("decimal comma") << " 12,5 " << 12.5;
        QTest::newRow("empty is none") << "" << 0.0;
        QTest::newRow("just under 100") << "99.9" << 99.9;
        QTest::newRow("100") << "100" << -1.0;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("text") << "мало" << -1.0;
        QTest::newRow("exponent") << "1e1" << -1.0;
        QTest::newRow("grouping") << "1 0" << -1.0;
    }
    void readWaste()
    {
        QFETCH(QString, typed);
        QFETCH(double, percent);
        const Waste::Reading reading = Waste::read(typed);
        QCOMPARE(reading.ok, percent >= 0.0);
        if (reading.ok)
            QCOMPARE(reading.percent, percent);
        else
            QVERIFY2(reading.why.contains(QStringLiteral("«Отходы, %»")), qPrintable(reading.why));
    }

    void cardInput_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("batch");
        QTest::addColumn<QString>("field"); // empty: taken
        const QString batchField = QStringLiteral("«Количество порций для закладки»");
        QTest::newRow("edges") << QString(50, u'7') << "10000"
                               << "";
        QTest::newRow("one portion") << "12-а"
                                     << " 1 "
                                     << "";
        QTest::newRow("long number") << QString(51, u'7') << "1"
                                     << "«Номер карты»";
        QTest::newRow("no portions") << "1"
                                     << "0" << batchField;
        QTest::newRow("too many") << "1"
                                  << "10001" << batchField;
        QTest::newRow("fraction") << "1"
                                  << "1,5" << batchField;
        QTest::newRow("sign") << "1"
                              << "+5" << batchField;
        QTest::newRow("empty") << "1"
                               << "" << batchField;
        QTest::newRow("beyond int") << "1"
                                    << "99999999999" << batchField;
    }
    void cardInput()
    {
        QFETCH(QString, number);
        QFETCH(QString, batch);
        QFETCH(QString, field);
        const TechCard::BatchReading reading = TechCard::readBatch(batch);
        TechCard card;
        card.number = number;
        card.batch = reading.ok ? reading.batch : 0;
        const QStringList problems = card.problems();
        QCOMPARE(problems.size(), field.isEmpty() ? 0 : 1);
        if (!field.isEmpty())
            QVERIFY2(problems.first().contains(field), qPrintable(problems.first()));
        if (!reading.ok)
            QVERIFY(reading.why.contains(QStringLiteral("«Количество порций для закладки»")));
    }

    // Each figure is rounded once, from the masses as entered: a batch is
    // not a rounded portion multiplied, nor a total a sum of rounded rows.
    void figures_data()
    {
        QTest::addColumn<QString>("mass");
        QTest::addColumn<double>("waste");
        QTest::addColumn<QString>("other"); // a second row, without waste
        QTest::addColumn<int>("portions");
        // gross and net for a portion, then for the batch of 100 portions
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QStringList>("total");
        QTest::newRow("potato, 4 portions")
            << "412" << 35.0 << "40" << 4 << QStringList{"158.5", "103.0", "15846.2", "10300.0"}
            << QStringList{"168.5", "113.0", "16846.2", "11300.0"};
        QTest::newRow("thirds") << "10" << 25.0 << "10" << 3
                                << QStringList{"4.4", "3.3", "444.4", "333.3"}
                                << QStringList{"7.8", "6.7", "777.8", "666.7"};
    }
    void figures()
    {
        QFETCH(QString, mass);
        QFETCH(double, waste);
        QFETCH(QString, other);
        QFETCH(int, portions);
        const Ration ration = rationOf(
            {{QStringLiteral("Картофель"), mass}, {QStringLiteral("Соль"), other}}, portions);
        TechCard card;
        card.batch = 100;
        const TechCard::Figures figures = card.figuresFor(ration, {waste});
        const auto shown = [](const TechCard::Masses &masses) {
            return QStringList{
                FigureText::grams(masses.grossPortion), FigureText::grams(masses.netPortion),
                FigureText::grams(masses.grossBatch), FigureText::grams(masses.netBatch)};
        };
        QTEST(shown(figures.ingredients.first().masses), "row");
        QTEST(shown(figures.total), "total");
        QCOMPARE(figures.ingredients.last().waste, 0.0);
        // each gram of the products gives a kilocalorie
        QCOMPARE(figures.perPortion.value(Nutrients::afterMass(Nutrients::Energy)),
                 figures.total.netPortion);
    }

    void pageEscapes()
    {
        Ration ration = rationOf({{QStringLiteral("<i>Соль</i> & перец"), QStringLiteral("5")}}, 1);
        ration.name = QStringLiteral("Суп \"<script>\"");
        TechCard card;
        card.number = QStringLiteral("<7>");
        card.technology = QStringLiteral("Варить <10 мин\nПосолить");
        const QString page = TechCardPage::html(ration, card, {});
        for (const QString raw : {"<script>", "<i>", "<7>", "<10"})
            QVERIFY2(!page.contains(raw), qPrintable(raw));
        for (const QString escaped : {"&lt;script&gt;", "&lt;i&gt;Соль&lt;/i&gt; &amp; перец",
                                      "&lt;7&gt;", "Варить &lt;10 мин<br>\nПосолить"})
            QVERIFY2(page.contains(escaped), qPrintable(escaped));
    }
};

QTEST_APPLESS_MAIN(TestTechCard)
#include "tst_techcard.moc"
