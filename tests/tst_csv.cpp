#include "core/catalogue/foodtable.h"
#include "core/catalogue/ownproducts.h"
#include "core/page/csvimport.h"
#include "core/page/csvtext.h"
#include "core/page/rationpage.h"
#include "core/page/rationtable.h"

#include <QTest>

using Dialect = FigureTable::Dialect;

namespace {

Ration rationNamed(const QString &name)
{
    Ration r;
    r.rows = {{name, "150", "124.5", "9", "0.15", "12.45", "87"},
              {"Бобы", "1e+06", "830000", "60000", "1000", "83000", "580000"}};
    r.totals = Ration::totalsOf(r.rows);
    r.yield = "900000.5";
    r.portions = 3;
    r.profile = Profile{"Иван; \"старший\"",
                        {Person::Sex::Male, Person::Age::From30To44, Person::Activity::II}};
    r.card.number = name;
    r.card.date = QDate(2026, 1, 15);
    r.card.batch = 100;
    r.card.technology = "Варить; \"долго\",\r\nпотом остудить";
    return r;
}

// A cell as the table holds it, from the field a reader of the file sees.
QString cellOf(const QString &field, const FigureTable::Cell &cell, QChar decimalPoint)
{
    return cell.number ? QString(field).replace(decimalPoint, u'.') : CsvText::plainText(field);
}

OwnProducts ownProducts()
{
    return OwnProducts::fromTsv("group\tproduct\twater\tprotein\tfat\tcarbohydrates\tkcal\n"
                                "Мои продукты\tСуп Ёжика\t80\t3\t2\t5\t50\n");
}

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void import_data();
    void import();
    void wasteColumns_data();
    void wasteColumns();
};

// The waste and the gross mass of every row, copied or exported, when any
// row has a waste; no more columns than before otherwise.
void TestCsv::wasteColumns_data()
{
    QTest::addColumn<QString>("waste"); // of the first row
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::newRow("none") << "" << QStringList() << QStringList();
    QTest::newRow("35 %") << "35" << QStringList{"35", "230.8"} << QStringList{"0", "1000000.0"};
}

void TestCsv::wasteColumns()
{
    QFETCH(QString, waste);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    Ration r = rationNamed("Картофель");
    r.rows[0].setWaste(waste);
    const QStringList titles = RationPage::columnTitles();
    const QStringList wasteTitles = titles + QStringList{"Отходы, %", "Брутто, г"};
    const QList<FigureTable> tables{RationTable::of(r), RationTable::rowsOf(r, {0, 1})};
    for (const FigureTable &table : tables) {
        QCOMPARE(table.titles, first.isEmpty() ? titles : wasteTitles);
        for (int k = 0; k < 2; ++k) {
            QStringList extra;
            for (const FigureTable::Cell &cell : table.rows[k].mid(titles.size()))
                extra.append(cell.text);
            QCOMPARE(extra, k == 0 ? first : second);
        }
        // the totals row keeps its columns
        if (table.rows.size() > 2)
            QCOMPARE(table.rows[2].size(), titles.size());
    }
}

void TestCsv::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Dialect>("dialect");
    const QString names[] = {"Бобы",
                             "Суп; с \"галушками\"",
                             "Пирог,\r\nс вишней\nи \"\"",
                             "=HYPERLINK(\"http://x\")",
                             "-1+2",
                             "'=уже с апострофом",
                             ""};
    for (const QString &name : names) {
        QTest::addRow("%s ;", qPrintable(name)) << name << Dialect::Semicolon;
        QTest::addRow("%s ,", qPrintable(name)) << name << Dialect::Comma;
    }
}

void TestCsv::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(Dialect, dialect);
    const FigureTable table = RationTable::of(rationNamed(name));
    const QByteArray bytes = table.csvFile(dialect);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes);
    const QChar separator = FigureTable::separatorOf(dialect);
    QCOMPARE(CsvText::separatorOf(text), separator);
    // Every record ends in CRLF, the last one too.
    QVERIFY(text.endsWith("\r\n"));
    const QList<QStringList> records = CsvText::read(text, separator);
    QCOMPARE(records.size(), 1 + table.rows.size());
    QCOMPARE(records.first(), table.titles);
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const FigureTable::Row &row = table.rows[r];
        QCOMPARE(records[r + 1].size(), row.size());
        for (qsizetype c = 0; c < row.size(); ++c) {
            const QString field = records[r + 1][c];
            QCOMPARE(cellOf(field, row[c], FigureTable::decimalPointOf(dialect)), row[c].text);
            // No text reaches a spreadsheet as a formula; no number as a text.
            QVERIFY2(row[c].number || field.isEmpty() || !QStringLiteral("=+-@").contains(field[0]),
                     qPrintable(field));
            if (row[c].number && dialect == Dialect::Semicolon)
                QVERIFY2(!field.contains(u'.'), qPrintable(field));
        }
    }
    QCOMPARE(table.rows.first().first().text, name);
    // The rows, the totals, the dish's three, the norm's three and the card's four.
    QCOMPARE(table.rows.size(), 2 + 1 + 3 + 3 + 4);
}

void TestCsv::import_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows"); // name and mass of each row added
    QTest::addColumn<int>("problems");
    const QStringList beans{"Бобы", "150.5"};
    QTest::newRow("semicolon, comma decimal, header")
        << "\xEF\xBB\xBFНаименование;Масса;Вода\r\nбобы;150,5;1,5\r\n"
        << beans << 0;
    QTest::newRow("comma, point decimal") << "Бобы,150.5,x\n" << beans << 0;
    QTest::newRow("tab, header kept out") << "name\tmass\nБОБЫ\t150,5\n" << beans << 0;
    QTest::newRow("quoted name, ё as е, own product")
        << "\"суп ежика\";\"2\"\n\"Горох лущеный\";3\n"
        << QStringList{"Суп Ёжика", "2", "Горох лущёный", "3"} << 0;
    QTest::newRow("unknown and bad masses, rest taken")
        << "Бобы;150\nНектар богов;10\nБобы;1 000\nБобы;-5\nБобы;\n;7\n;\nБобы;2\n"
        << QStringList{"Бобы", "150", "Бобы", "2"} << 5;
    QTest::newRow("a first line of a product with a bad mass is no header")
        << "Бобы;abc\nБобы;2\n"
        << QStringList{"Бобы", "2"} << 1;
    QTest::newRow("own export: totals and below left out")
        << QString::fromUtf8(RationTable::of(rationNamed("Бобы")).csvFile(Dialect::Semicolon))
        << QStringList{"Бобы", "150", "Бобы", "1e+06"} << 0;
    QTest::newRow("formula apostrophe taken off") << "'=Бобы;1\n" << QStringList{} << 1;
}

void TestCsv::import()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    QFETCH(int, problems);
    const CsvImport::Result result = CsvImport::read(text, FoodTable::builtIn(), ownProducts());
    QStringList got;
    for (const CsvImport::Row &row : result.rows) {
        got << row.name << row.mass;
        QCOMPARE(row.per100g.size(), Nutrients::Count);
    }
    QCOMPARE(got, rows);
    QCOMPARE(result.problems.size(), problems);
}

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
