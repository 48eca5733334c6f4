#include "core/page/cardrows.h"
#include "core/page/htmltext.h"
#include "core/page/rationpage.h"

#include <QBuffer>
#include <QDate>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(CardData)

namespace {

QStringList cell(const char *color, const QString &text, bool bold = false)
{
    const QString open = QStringLiteral("<td><font color=\"%1\">").arg(QLatin1String(color));
    if (bold)
        return {open + "<b>", text, "</b></font></td>"};
    return {open, text, "</font></td>"};
}

RationPage::ReadResult readText(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return RationPage::read(buffer);
}

// Applies a data row's edit of a written page, "from|to" (none when empty);
// false when the page holds no such text.
bool edited(QString &text, const QString &edit)
{
    if (edit.isEmpty())
        return true;
    const QString from = edit.section('|', 0, 0);
    if (!text.contains(from))
        return false;
    text.replace(from, edit.section('|', 1));
    return true;
}

// Reads a page as a reader that knows only the plain ration page does: the
// magic first line, the line after "<title>", and the seven texts below each
// white row marker. Nothing else of the page counts.
struct PlainPage {
    bool ok = false;
    QString name;
    QList<RationRow> rows;
};
PlainPage readPlainly(const QString &text)
{
    const QStringList lines = text.split('\n');
    PlainPage page;
    if (lines.isEmpty() || lines.first() != "<!--Rationix_doc-->")
        return page;
    page.ok = true;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (lines[k] == "<title>" && k + 1 < lines.size())
            page.name = lines[k + 1];
        if (lines[k] == "<tr bgcolor=\"White\">") {
            QStringList row;
            for (int c = 0; c < 7; ++c)
                row.append(lines.value(k + 2 + 3 * c));
            page.rows.append(row);
        }
    }
    return page;
}

Ration twoRows()
{
    Ration r;
    r.name = QStringLiteral("Обед");
    r.rows = {{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"},
              {"Бобы", "50", "41.5", "3", "0.05", "4.15", "29"}};
    r.totals = {"200", "166", "12", "0.2", "16.6", "116"};
    return r;
}

} // namespace

class TestRationPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesPageLineByLine()
    {
        QStringList expected = {
            "<!--Rationix_doc-->",
            "<html>",
            "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
            "<meta name=\"Generator\" content=\"Rationix 1.0\">",
        };
        const QStringList lines = RationPage::fileLines(twoRows());
        QVERIFY(lines[5].startsWith("<meta name=\"author\" content=\""));
        QVERIFY(lines[6].startsWith("<meta content=\""));
        QVERIFY(lines[6].endsWith("name=\"Copyright\">"));
        expected += {lines[5],
                     lines[6],
                     "<title>",
                     "Обед",
                     "</title>",
                     "</head>",
                     "<body>",
                     "<table border=\"2\">",
                     "<tr bgcolor=\"Blue\">"};
        for (const char *title :
             {"Наименование", "Масса", "Вода", "Белок", "Жиры", "Углеводы", "ККал"})
            expected += cell("White", QString::fromUtf8(title));
        expected += "</tr>";
        for (const RationRow &row : twoRows().rows) {
            expected += "<tr bgcolor=\"White\">";
            for (const QString &text : row.cells())
                expected += cell("Black", text);
            expected += "</tr>";
        }
        expected += "<tr bgcolor=\"Grey\">";
        expected += cell("Yellow", "ВСЕГО:", true);
        for (const QString &total : twoRows().totals)
            expected += cell("Yellow", total, true);
        expected += {"</tr>", "</table>", "</body>", "</html>"};
        QCOMPARE(lines, expected);
        QCOMPARE(lines.size(), 62 + 23 * 2);
        QCOMPARE(RationPage::fileText(twoRows()), expected.join('\n') + '\n');
    }

    void lineCount_data()
    {
        QTest::addColumn<int>("rows");
        for (int n : {0, 1, 3, 40})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void lineCount()
    {
        QFETCH(int, rows);
        Ration r;
        for (int i = 0; i < rows; ++i)
            r.rows.append(QStringList(Ration::ColumnCount, QStringLiteral("x")));
        QCOMPARE(RationPage::fileLines(r).size(), 62 + 23 * rows);
        r.portions = 2;
        QCOMPARE(RationPage::fileLines(r).size(), 62 + 23 * rows + 60);
        QCOMPARE(RationPage::printText(r, QDate(2026, 12, 8)).count("<tr bgcolor=\"White\">"),
                 rows);
    }

    // The printout names the ration and the day, says the units, and shows
    // the dish rows and the energy structure only when there are any.
    void printPage_data()
    {
        QTest::addColumn<QString>("yield");
        QTest::addColumn<int>("portions");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("plain ration")
            << "" << 1
            << QStringList{"Обед",
                           "Дата: 08.12.2026",
                           "(ккал)",
                           "Белки 41.9 %",
                           "Углеводы 56.6 %",
                           "Рекомендации ВОЗ: белки 10–15 %, жиры 15–30 %, углеводы "
                           "55–75 % энергии.",
                           "<td align=\"right\"><font color=\"Black\">"}
            << QStringList{"На 100 г", "Порций", "<title>", "<!--Rationix_doc-->"};
        QTest::newRow("yield given")
            << "150" << 1 << QStringList{"На 100 г", "На порцию", "150.0", "77.3"} << QStringList{};
        QTest::newRow("portions only: yield is the mass")
            << "" << 2 << QStringList{"Выход готового блюда, г", "83", "58"} << QStringList{};
    }
    void printPage()
    {
        QFETCH(QString, yield);
        QFETCH(int, portions);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        Ration r = twoRows();
        r.yield = yield;
        r.portions = portions;
        // as a person reads it: without the marks that only keep words whole
        const QStringList lines = RationPage::printText(r, QDate(2026, 12, 8))
                                      .remove(QChar(0x2060))
                                      .replace("&nbsp;", " ")
                                      .split('\n');
        QCOMPARE(lines.first(), QStringLiteral("<html>"));
        for (const QString &text : present)
            QVERIFY2(lines.filter(text).size() > 0, qPrintable(text));
        for (const QString &text : absent)
            QVERIFY2(!lines.contains(text), qPrintable(text));
        QVERIFY(lines.indexOf("Обед") < lines.indexOf("<tr bgcolor=\"Blue\">"));
    }

    void printEmptyRationHasNoStructure()
    {
        Ration r;
        r.rows = {QStringList(Ration::ColumnCount, QString())};
        r.totals = QStringList(Ration::TotalCount, QStringLiteral("0.00"));
        const QString text = RationPage::printText(r, QDate(2026, 1, 1));
        QVERIFY(!text.contains("Энергетическая структура"));
        QVERIFY(!text.contains("nan"));
        QVERIFY(text.contains("ккал"));
    }

    // A dish's yield and portions come back from its page; a page without
    // them, or with values the program would refuse, gives no yield and one
    // portion.
    void dishRoundTrip_data()
    {
        QTest::addColumn<QString>("yield");
        QTest::addColumn<int>("portions");
        QTest::addColumn<QString>("yieldBack");
        QTest::addColumn<int>("portionsBack");
        QTest::addColumn<QStringList>("ignored");
        const QStringList none;
        QTest::newRow("none") << "" << 1 << "" << 1 << none;
        QTest::newRow("yield") << "150" << 1 << "150" << 1 << none;
        QTest::newRow("portions") << "" << 4 << "" << 4 << none;
        QTest::newRow("both") << "1.5" << 1000 << "1.5" << 1000 << none;
        QTest::newRow("below dry matter kept") << "1" << 2 << "1" << 2 << none;
        QTest::newRow("markup as yield")
            << "<title>" << 2 << "" << 2 << QStringList{"выход готового блюда «<title>»"};
        QTest::newRow("nan") << "nan" << 2 << "" << 2 << QStringList{"выход готового блюда «nan»"};
        QTest::newRow("over a tonne")
            << "1000001" << 3 << "" << 3 << QStringList{"выход готового блюда «1000001»"};
        QTest::newRow("long yield shortened")
            << QString(50, '9') << 3 << "" << 3
            << QStringList{"выход готового блюда «" + QString(39, '9') + "…»"};
        QTest::newRow("zero portions")
            << "100" << 0 << "100" << 1 << QStringList{"число порций «0»"};
        QTest::newRow("too many portions")
            << "100" << 1001 << "100" << 1 << QStringList{"число порций «1001»"};
    }
    void dishRoundTrip()
    {
        QFETCH(QString, yield);
        QFETCH(int, portions);
        Ration r = twoRows();
        r.yield = yield;
        r.portions = portions;
        const QString text = RationPage::fileText(r);
        const auto back = readText(text.toUtf8());
        QCOMPARE(back.status, RationPage::ReadResult::Ok);
        QTEST(back.ration.yield, "yieldBack");
        QTEST(back.ration.portions, "portionsBack");
        QTEST(back.ignored, "ignored");
        QCOMPARE(back.ration.rows, r.rows);
        QCOMPARE(back.ration.name, r.name);
        QCOMPARE(text == RationPage::fileText(twoRows()), !r.hasDish());
    }

    // A ration's profile and share come back from its page, the person's
    // data and not only the name; data out of range is named and not taken,
    // and the rest of the page is read all the same.
    void profileRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("share");
        QTest::addColumn<QString>("edit"); // a text replaced in the written page, "from|to"
        QTest::addColumn<bool>("profileBack");
        QTest::addColumn<int>("shareBack");
        QTest::addColumn<QStringList>("ignored");
        const QStringList none;
        QTest::newRow("a day") << "Иван" << 100 << "" << true << 100 << none;
        QTest::newRow("lunch, markup in the name")
            << "<b>Ли & Ко</b>" << 35 << "" << true << 35 << none;
        QTest::newRow("unknown age")
            << "Иван" << 50 << "data-age=\"30-44\"|data-age=\"99\"" << false << 100
            << QStringList{"профиль «Иван» (Возраст: нет такой группы «99»)"};
        QTest::newRow("no activity under 65")
            << "Иван" << 50 << "data-activity=\"2\"|data-activity=\"\"" << false << 100
            << QStringList{"профиль «Иван» (Физическая активность: нет такой группы «»)"};
        QTest::newRow("empty name")
            << "Иван" << 50 << "\nИван\n|\n \n"
            << false << 100 << QStringList{"профиль «» (Имя: имя не может быть пустым)"};
        QTest::newRow("share 0") << "Иван" << 50 << "data-share=\"50\"|data-share=\"0\"" << true
                                 << 100 << QStringList{"доля дневной нормы «0»"};
        QTest::newRow("share 150") << "Иван" << 50 << "data-share=\"50\"|data-share=\"150\"" << true
                                   << 100 << QStringList{"доля дневной нормы «150»"};
    }
    void profileRoundTrip()
    {
        QFETCH(QString, name);
        QFETCH(int, share);
        QFETCH(QString, edit);
        Ration r = twoRows();
        r.profile =
            Profile{name, {Person::Sex::Male, Person::Age::From30To44, Person::Activity::II}};
        r.share = share;
        QString text = RationPage::fileText(r);
        QVERIFY(text.contains("Норма"));
        QVERIFY(edited(text, edit));
        const auto back = readText(text.toUtf8());
        QCOMPARE(back.status, RationPage::ReadResult::Ok);
        QTEST(back.ignored, "ignored");
        QFETCH(bool, profileBack);
        QCOMPARE(back.ration.profile, profileBack ? r.profile : std::nullopt);
        QTEST(back.ration.share, "shareBack");
        QCOMPARE(back.ration.rows, r.rows);
        // the plain rule passes over the profile's rows
        const PlainPage plain = readPlainly(text);
        QVERIFY(plain.ok);
        QCOMPARE(plain.rows, r.rows);
    }

    // A ration's technological card comes back from its page, line breaks
    // and markup in its texts and all; data the program would refuse is
    // named and not taken, and the plain rule passes over the card's rows.
    void cardRoundTrip_data()
    {
        QTest::addColumn<CardData>("card");
        QTest::addColumn<QString>("edit"); // a text replaced in the written page, "from|to"
        QTest::addColumn<CardData>("back");
        QTest::addColumn<QStringList>("ignored");
        const QStringList none;
        CardData full;
        full.number = "12-а <b>";
        full.date = QDate(2026, 1, 15);
        full.batch = 100;
        full.technology = "Очистить <картофель> & нарезать\nВарить 20 мин\n\nПодать <br>";
        CardData alone;
        alone.technology = "Варить";
        CardData breaks = alone;
        breaks.technology = "а\r\nб\rв\n";
        CardData breaksBack = alone;
        breaksBack.technology = "а\nб\nв\n";
        CardData long_ = alone;
        long_.technology = QString(5000, 'x');
        CardData longBack = alone;
        longBack.technology = QString(CardData::MaxTechnologyLength, 'x');
        CardData noBatch = full;
        noBatch.batch = 1;
        CardData noNumber = full;
        noNumber.number.clear();
        CardData noDate = full;
        noDate.date = QDate();
        QTest::newRow("full") << full << "" << full << none;
        QTest::newRow("technology alone") << alone << "" << alone << none;
        QTest::newRow("any line breaks") << breaks << "" << breaksBack << none;
        QTest::newRow("long technology cut") << long_ << "" << longBack << none;
        QTest::newRow("batch 0") << full << "\n100\n|\n0\n"
                                 << noBatch << QStringList{"количество порций для закладки «0»"};
        QTest::newRow("batch 10001")
            << full << "\n100\n|\n10001\n"
            << noBatch << QStringList{"количество порций для закладки «10001»"};
        QTest::newRow("number over 50") << full << "12-а &lt;b&gt;|" + QString(51, '7') << noNumber
                                        << QStringList{"номер карты «" + QString(39, '7') + "…»"};
        QTest::newRow("no such day")
            << full << "2026-01-15|2026-02-30" << noDate << QStringList{"дата карты «2026-02-30»"};
        QTest::newRow("no date at all")
            << full << "2026-01-15|вчера" << noDate << QStringList{"дата карты «вчера»"};
    }
    void cardRoundTrip()
    {
        QFETCH(CardData, card);
        QFETCH(QString, edit);
        Ration r = twoRows();
        r.card = card;
        QString text = RationPage::fileText(r);
        QVERIFY(edited(text, edit));
        const auto back = readText(text.toUtf8());
        QCOMPARE(back.status, RationPage::ReadResult::Ok);
        QTEST(back.ignored, "ignored");
        QTEST(back.ration.card, "back");
        QCOMPARE(back.cut, card.technology.size() > CardData::MaxTechnologyLength);
        QCOMPARE(back.ration.rows, r.rows);
        const PlainPage plain = readPlainly(text);
        QCOMPARE(plain.rows, r.rows);
        const QStringList lines = text.split('\n');
        QCOMPARE(lines.filter("<tr").size(), lines.filter("</tr>").size());
        QVERIFY(lines.indexOf("</table>") > lines.indexOf(CardRows::CardLine));
    }

    // The rows' wastes come back from their page; a waste that is no waste
    // or names no row is named and not taken, and the plain rule passes over
    // the waste's rows.
    void wasteRoundTrip_data()
    {
        QTest::addColumn<QString>("edit"); // a text replaced in the written page, "from|to"
        QTest::addColumn<QStringList>("wastesBack");
        QTest::addColumn<QStringList>("ignored");
        const QStringList kept{"", "35.5"};
        const QStringList none{"", ""};
        QTest::newRow("kept") << "" << kept << QStringList();
        QTest::newRow("comma") << "data-waste=\"35.5\"|data-waste=\"35,5\"" << kept
                               << QStringList();
        QTest::newRow("zero is none")
            << "data-waste=\"35.5\"|data-waste=\"0\"" << none << QStringList();
        QTest::newRow("not a number") << "data-waste=\"35.5\"|data-waste=\"abc\"" << none
                                      << QStringList{"отходы «abc» строки 2"};
        QTest::newRow("100") << "data-waste=\"35.5\"|data-waste=\"100\"" << none
                             << QStringList{"отходы «100» строки 2"};
        QTest::newRow("negative") << "data-waste=\"35.5\"|data-waste=\"-1\"" << none
                                  << QStringList{"отходы «-1» строки 2"};
        QTest::newRow("empty") << "data-waste=\"35.5\"|data-waste=\"\"" << none
                               << QStringList{"отходы «» строки 2"};
        QTest::newRow("no such row")
            << "data-row=\"2\"|data-row=\"3\"" << none << QStringList{"отходы «35.5» строки «3»"};
        QTest::newRow("row 0") << "data-row=\"2\"|data-row=\"0\"" << none
                               << QStringList{"отходы «35.5» строки «0»"};
        QTest::newRow("first row")
            << "data-row=\"2\"|data-row=\"1\"" << QStringList{"35.5", ""} << QStringList();
    }
    void wasteRoundTrip()
    {
        QFETCH(QString, edit);
        QFETCH(QStringList, wastesBack);
        Ration r = twoRows();
        r.rows[1].setWaste("35.5");
        r.card.number = "7";
        QString text = RationPage::fileText(r);
        // the gross mass stands in the row for the eye: 50 / 0.645
        QVERIFY(text.contains("\n77.5\n"));
        QVERIFY(edited(text, edit));
        const auto back = readText(text.toUtf8());
        QCOMPARE(back.status, RationPage::ReadResult::Ok);
        QTEST(back.ignored, "ignored");
        QCOMPARE(back.ration.rows.size(), r.rows.size());
        for (int k = 0; k < r.rows.size(); ++k) {
            QCOMPARE(back.ration.rows[k].cells(), r.rows[k].cells());
            QCOMPARE(back.ration.rows[k].waste(), wastesBack[k]);
        }
        QCOMPARE(back.ration.card, r.card);
        const PlainPage plain = readPlainly(text);
        QCOMPARE(plain.rows, twoRows().rows);
        const QStringList lines = text.split('\n');
        QCOMPARE(lines.filter("<tr").size(), lines.filter("</tr>").size());
        const qsizetype waste =
            lines.indexOf(QRegularExpression("<tr bgcolor=\"Silver\" id=\"waste\" .*"));
        QVERIFY(waste > lines.indexOf(CardRows::CardLine));
        QVERIFY(lines.indexOf("</table>") > waste);
    }

    // A dish page read by the plain rule: the same name and rows, nothing more.
    void dishPageReadPlainly()
    {
        Ration r = twoRows();
        r.yield = QStringLiteral("180");
        r.portions = 3;
        const QString text = RationPage::fileText(r);
        const PlainPage plain = readPlainly(text);
        QVERIFY(plain.ok);
        QCOMPARE(plain.name, r.name);
        QCOMPARE(plain.rows, r.rows);
        // and a browser finds the dish rows below the totals
        const QStringList lines = text.split('\n');
        const qsizetype totals = lines.indexOf("<tr bgcolor=\"Grey\">");
        QVERIFY(totals > 0);
        QVERIFY(lines.indexOf("На 100 г") > totals);
        QVERIFY(lines.indexOf("На порцию") > lines.indexOf("На 100 г"));
        QVERIFY(lines.indexOf("На порцию") < lines.indexOf("</table>"));
        QCOMPARE(lines.filter("<tr").size(), lines.filter("</tr>").size());
    }

    void escaping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain") << "Бобы"
                               << "Бобы";
        QTest::newRow("markup") << "<script>alert(1)</script>"
                                << "&lt;script&gt;alert(1)&lt;/script&gt;";
        QTest::newRow("ampersand") << "A & B"
                                   << "A &amp; B";
        QTest::newRow("quotes") << "Крупа \"Полтавская\""
                                << "Крупа &quot;Полтавская&quot;";
        QTest::newRow("entity text") << "&amp;"
                                     << "&amp;amp;";
        QTest::newRow("apostrophe kept") << "it's"
                                         << "it's";
    }
    void escaping()
    {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(HtmlText::escape(text), escaped);
        QCOMPARE(HtmlText::unescape(escaped), text);
    }

    void unescapeOnlyKnownEntities()
    {
        QCOMPARE(HtmlText::unescape("&nbsp;&#60;&amp"), QStringLiteral("&nbsp;&#60;&amp"));
        QCOMPARE(HtmlText::unescape("&amp;lt;"), QStringLiteral("&lt;"));
    }

    // Whatever a ration holds, it reads back as it was written.
    void roundTrip()
    {
        const QStringList pieces = {"Бобы",
                                    "150",
                                    "0.5",
                                    " ",
                                    "  ",
                                    "<",
                                    ">",
                                    "&",
                                    "\"",
                                    "'",
                                    "&amp;",
                                    "<title>",
                                    "<tr bgcolor=\"White\">",
                                    "<!--Rationix_doc-->",
                                    "</tr>",
                                    "Ёж",
                                    "ё",
                                    "1e39",
                                    "",
                                    "x"};
        QRandomGenerator random(20261208);
        for (int round = 0; round < 300; ++round) {
            auto text = [&] {
                QString t;
                const int parts = random.bounded(0, 6);
                for (int i = 0; i < parts; ++i)
                    t += pieces[random.bounded(int(pieces.size()))];
                if (random.bounded(20) == 0)
                    t = t.repeated(200); // long names too
                return t;
            };
            Ration r;
            r.name = text();
            const int rows = random.bounded(0, 5);
            for (int i = 0; i < rows; ++i) {
                QStringList row;
                for (int c = 0; c < 7; ++c)
                    row.append(text());
                r.rows.append(row);
            }
            r.totals = Ration::totalsOf(r.rows);
            const RationPage::ReadResult back = readText(RationPage::fileText(r).toUtf8());
            QCOMPARE(back.status, RationPage::ReadResult::Ok);
            QVERIFY(back.hasTitle);
            QVERIFY(back.complete);
            // Texts longer than the limit come back cut to it.
            bool cut = false;
            const auto capped = [&cut](const QString &t) {
                cut = cut || t.size() > RationPage::MaxTextLength;
                return t.left(RationPage::MaxTextLength);
            };
            QCOMPARE(back.ration.name, capped(r.name));
            for (RationRow &row : r.rows) {
                for (int c = 0; c < Ration::ColumnCount; ++c)
                    row.setCell(c, capped(row.cell(c)));
            }
            QCOMPARE(back.ration.rows, r.rows);
            QCOMPARE(back.ration.totals, Ration::totalsOf(r.rows));
            QCOMPARE(back.cut, cut);
        }
    }

    void emptyRationReadsBack()
    {
        Ration r;
        r.name = QString();
        r.rows = {QStringList(Ration::ColumnCount, QString())};
        r.totals = QStringList(Ration::TotalCount, QStringLiteral("0.00"));
        const auto back = readText(RationPage::fileText(r).toUtf8());
        QCOMPARE(back.ration.name, QString());
        QCOMPARE(back.ration.rows, r.rows);
        QCOMPARE(back.ration.totals, QStringList(Ration::TotalCount, QStringLiteral("0")));
    }

    void handEditedPages_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("name");
        QTest::newRow("as written") << ""
                                    << "" << 2 << "Обед";
        QTest::newRow("marker in lower case")
            << "<tr bgcolor=\"White\">\n<td><font color=\"Black\">\nБобы\n</font></td>\n<td><font "
               "color=\"Black\">\n150"
            << "<tr bgcolor=\"white\">\n<td><font color=\"Black\">\nБобы\n</font></td>\n<td><font "
               "color=\"Black\">\n150"
            << 1 << "Обед";
        QTest::newRow("marker with a blank")
            << "<tr bgcolor=\"White\">\n<td><font color=\"Black\">\nБобы\n</font></td>\n<td><font "
               "color=\"Black\">\n50"
            << "<tr bgcolor=\"White\"> \n<td><font color=\"Black\">\nБобы\n</font></td>\n<td><font "
               "color=\"Black\">\n50"
            << 1 << "Обед";
        QTest::newRow("changed totals") << "<b>\n200\n"
                                        << "<b>\n999\n"
                                        << 2 << "Обед";
        QTest::newRow("second title wins") << "</body>"
                                           << "<title>\nУжин\n</body>" << 2 << "Ужин";
    }
    void handEditedPages()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, rows);
        QFETCH(QString, name);
        QString text = RationPage::fileText(twoRows());
        if (!from.isEmpty()) {
            QVERIFY(text.contains(from));
            text.replace(text.indexOf(from), from.size(), to);
        }
        const auto back = readText(text.toUtf8());
        QCOMPARE(back.status, RationPage::ReadResult::Ok);
        QCOMPARE(back.ration.rows.size(), rows);
        QCOMPARE(back.ration.name, name);
        QCOMPARE(back.ration.totals, Ration::totalsOf(back.ration.rows));
    }

    void refusedPages_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("blank first line") << QByteArray("\n<!--Rationix_doc-->\n");
        QTest::newRow("plain page") << QByteArray("<html>\n<head>\n<title>\nx\n</title>\n");
        QTest::newRow("magic with more") << QByteArray("<!--Rationix_doc--> \n<html>\n");
        QTest::newRow("binary") << QByteArray(4096, '\xff');
    }
    void refusedPages()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(readText(bytes).status, RationPage::ReadResult::NotARation);
    }

    // A large file of another kind is refused after its first line.
    void largeFileRefusedAtOnce()
    {
        QByteArray bytes(8 * 1024 * 1024, 'a');
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(RationPage::read(buffer).status, RationPage::ReadResult::NotARation);
        QVERIFY(buffer.pos() < 64);
    }

    void truncatedPages_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("title last")
            << QByteArray("<!--Rationix_doc-->\n<title>\n") << QString() << QStringList();
        QTest::newRow("title last, no newline")
            << QByteArray("<!--Rationix_doc-->\n<title>") << QString() << QStringList();
        QTest::newRow("short row") << QByteArray(
            "<!--Rationix_doc-->\n<tr bgcolor=\"White\">\n<td>\nБобы\n</td>\n<td>\n150\n")
                                   << QString() << QStringList({"Бобы", "150", "", "", "", "", ""});
        QTest::newRow("marker last") << QByteArray("<!--Rationix_doc-->\n<tr bgcolor=\"White\">")
                                     << QString() << QStringList(Ration::ColumnCount, QString());
        QTest::newRow("crlf lines")
            << QByteArray("<!--Rationix_doc-->\r\n<title>\r\nОбед\r\n</title>\r\n") << "Обед"
            << QStringList();
        QTest::newRow("invalid utf-8")
            << QByteArray(
                   "<!--Rationix_doc-->\n<title>\nО\xff\xfe\n<tr bgcolor=\"White\">\n\nx\xc3\n")
            << QString::fromUtf8("О\xff\xfe")
            << QStringList({QString::fromUtf8("x\xc3"), "", "", "", "", "", ""});
    }
    void truncatedPages()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QStringList, row);
        const auto back = readText(bytes);
        QCOMPARE(back.status, RationPage::ReadResult::Ok);
        QCOMPARE(back.ration.name, name);
        QCOMPARE(back.ration.rows.size(), row.isEmpty() ? 0 : 1);
        if (!row.isEmpty())
            QCOMPARE(back.ration.rows.first().cells(), row);
    }
};

QTEST_GUILESS_MAIN(TestRationPage)
#include "tst_rationpage.moc"
