#include "core/page/htmltext.h"
#include "core/page/rationpage.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The page read the plain way, by whole lines looked up by number: what
// the one-pass reader must give for any text.
struct Plain {
    QString name;
    bool hasTitle = false;
    QList<RationRow> rows;
    bool complete = false;
};

Plain plainRead(const QString &text)
{
    QList<QStringView> lines;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        lines.append(line);
    }
    if (text.endsWith(u'\n') || text.isEmpty())
        lines.removeLast();
    // A text unescaped and cut as the page's texts are.
    const auto at = [&](qsizetype k) {
        const QStringView line = k < lines.size() ? lines[k] : QStringView();
        const qsizetype window = RationPage::MaxTextLength * 6;
        QString cell = HtmlText::unescape(line.left(window).toString());
        if (cell.size() > RationPage::MaxTextLength || line.size() > window) {
            qsizetype length = qMin(cell.size(), RationPage::MaxTextLength);
            if (length > 0 && cell[length - 1].isHighSurrogate())
                --length;
            cell.truncate(length);
        }
        return cell;
    };
    Plain page;
    bool totals = false;
    bool end = false;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (lines[k] == RationPage::TitleLine) {
            page.name = at(k + 1);
            page.hasTitle = true;
        } else if (lines[k] == RationPage::RowLine) {
            QStringList row;
            for (int c = 0; c < Ration::ColumnCount; ++c)
                row.append(at(k + 2 + qsizetype(3) * c));
            page.rows.append(row);
            k += 20;
        } else {
            totals = totals || lines[k] == u"<tr bgcolor=\"Grey\">";
            end = end || lines[k] == u"</html>";
        }
    }
    page.complete = totals && end;
    return page;
}

} // namespace

class TestPageReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Pages pieced together from markers, cells, blank lines and texts of
    // every length up to a few blocks, with LF or CRLF and with or without
    // a last line break: the reader finds the same name, rows and end as
    // reading whole lines does, and totals that are the rows' sums.
    void readsAsWholeLines_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 400; ++seed)
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void readsAsWholeLines()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const QStringList fixed{RationPage::TitleLine,     RationPage::RowLine,
                                RationPage::RowLine,       QStringLiteral("<tr bgcolor=\"Grey\">"),
                                QStringLiteral("</html>"), QString(),
                                QStringLiteral("&amp;1.5")};
        QString text;
        const int lines = int(random.bounded(1, 120));
        for (int i = 0; i < lines; ++i) {
            if (random.bounded(3) == 0) {
                text += fixed[int(random.bounded(fixed.size()))];
            } else {
                const int length = int(random.bounded(0, 20));
                for (int c = 0; c < length; ++c)
                    text += QChar(u"0123456789.ж-"[random.bounded(13)]);
            }
            text += random.bounded(4) == 0 ? QStringLiteral("\r\n") : QStringLiteral("\n");
        }
        if (random.bounded(2))
            text.chop(1);
        const Plain expected = plainRead(text);
        const RationPage::ReadResult read = RationPage::readBody(text);
        QCOMPARE(read.ration.name, expected.name);
        QCOMPARE(read.hasTitle, expected.hasTitle);
        QCOMPARE(read.ration.rows, expected.rows);
        QCOMPARE(read.complete, expected.complete);
        QCOMPARE(read.ration.totals, Ration::totalsOf(expected.rows));
        QVERIFY(read.ration.sums);
        QCOMPARE(Ration::totalsOf(*read.ration.sums), read.ration.totals);
    }

    // Texts of every kind of character, with an entity past the first
    // sixteen bytes, and the row's last text ending the page: read as they
    // were written.
    void textsReadBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QStringLiteral("Soup 12345678901234567890");
        QTest::newRow("entities past sixteen bytes") << QStringLiteral("1234567890123456<&>\"x");
        QTest::newRow("two bytes") << QStringLiteral("Бобы отварные");
        QTest::newRow("three bytes") << QStringLiteral("Суп — «домашний» №1 €");
        QTest::newRow("four bytes") << QStringLiteral("Чай \U0001F600 с мёдом");
        QTest::newRow("byte-order mark") << QStringLiteral("\uFEFFБобы");
        QTest::newRow("empty") << QString();
    }
    void textsReadBack()
    {
        QFETCH(QString, text);
        Ration ration;
        ration.name = text;
        ration.rows = {QStringList(Ration::ColumnCount, text)};
        const QByteArray page = RationPage::fileText(ration).toUtf8();
        const QByteArray body = page.mid(page.indexOf('\n') + 1);
        const qsizetype rowEnd =
            body.indexOf("\n</font></td>\n</tr>", body.indexOf(RationPage::RowLine.toUtf8()));
        for (const QByteArray &bytes : {body, body.left(rowEnd)}) {
            const RationPage::ReadResult read = RationPage::readUtf8Body(bytes);
            QCOMPARE(read.ration.name, text);
            QCOMPARE(read.ration.rows, ration.rows);
        }
    }

    // Long names of one, two, three and four bytes a character, and of
    // entities, about the lengths where they are cut: read as whole lines
    // are, and said to be cut when they are.
    void longTexts_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("count");
        const qsizetype window = RationPage::MaxTextLength * 6;
        const QString units[] = {QStringLiteral("a"), QStringLiteral("ж"), QStringLiteral("€"),
                                 QStringLiteral("\U0001F600"), QStringLiteral("&amp;")};
        for (const QString &unit : units) {
            for (const qsizetype count :
                 {RationPage::MaxTextLength, RationPage::MaxTextLength + 1, window / 2,
                  window / 2 + 1, window, window + 1, 3 * window + 3, 3 * window + 4}) {
                QTest::addRow("%s x %lld", qPrintable(unit), qlonglong(count))
                    << unit << int(count / unit.size());
            }
        }
    }
    void longTexts()
    {
        QFETCH(QString, unit);
        QFETCH(int, count);
        const QString text =
            RationPage::TitleLine + u'\n' + unit.repeated(count) + QStringLiteral("x\n");
        const RationPage::ReadResult read = RationPage::readBody(text);
        const Plain expected = plainRead(text);
        QCOMPARE(read.ration.name, expected.name);
        QCOMPARE(read.cut, HtmlText::unescape(unit.repeated(count) + u'x') != expected.name);
    }
};

QTEST_GUILESS_MAIN(TestPageReader)
#include "tst_pagereader.moc"
