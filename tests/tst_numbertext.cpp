#include "core/nutrition/numbertext.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

// The reading rule as the program once wrote it, through QLocale: the
// reference the locale-free reader must match bit for bit.
float referenceParse(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    const qsizetype n = text.size();
    qsizetype i = pos;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0f;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            while (j < n && text[j].isDigit() && text[j].unicode() < 128)
                ++j;
            i = j;
        }
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(QStringView(text).mid(pos, i - pos), &ok);
    if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return 0.0f;
    return float(value);
}

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("value");
        QTest::newRow("empty") << "" << 0.0f;
        QTest::newRow("whole") << "150" << 150.0f;
        QTest::newRow("trailing blank") << "24.0 " << 24.0f;
        QTest::newRow("no decimals") << "21" << 21.0f;
        QTest::newRow("text after number") << "150abc" << 150.0f;
        QTest::newRow("leading blanks") << "  7.5" << 7.5f;
        QTest::newRow("negative") << "-5" << -5.0f;
        QTest::newRow("plus sign") << "+2" << 2.0f;
        QTest::newRow("point first") << ".5" << 0.5f;
        QTest::newRow("point last") << "5." << 5.0f;
        QTest::newRow("exponent") << "1.798e+06" << 1798000.0f;
        QTest::newRow("small exponent") << "1.5e-3" << 0.0015f;
        QTest::newRow("exponent without digits") << "1e" << 1.0f;
        QTest::newRow("comma is not a point") << "1,5" << 1.0f;
        QTest::newRow("word") << "abc" << 0.0f;
        QTest::newRow("sign only") << "-" << 0.0f;
        QTest::newRow("point only") << "." << 0.0f;
        QTest::newRow("inf") << "inf" << 0.0f;
        QTest::newRow("nan") << "nan" << 0.0f;
        QTest::newRow("hex") << "0x10" << 0.0f;
        QTest::newRow("beyond float") << "1e39" << 0.0f;
        QTest::newRow("beyond double") << "1e400" << 0.0f;
        QTest::newRow("largest float") << "3.4e38" << 3.4e38f;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(float, value);
        const float parsed = NumberText::parse(text);
        QVERIFY(std::isfinite(parsed));
        QCOMPARE(parsed, value);
    }

    // Every text of up to five characters from a small alphabet, then long
    // random ones: the reader agrees with the reference on each.
    void parseMatchesReference()
    {
        const QString alphabet = QStringLiteral("019.eE+- ,x");
        QList<QString> texts{QString()};
        QList<QString> level{QString()};
        for (int length = 1; length <= 5; ++length) {
            QList<QString> next;
            for (const QString &stem : std::as_const(level))
                for (const QChar c : alphabet)
                    next.append(stem + c);
            texts += next;
            level = next;
        }
        QRandomGenerator random(20261208);
        const QString wide = QStringLiteral("0123456789.eE+- ");
        for (int k = 0; k < 200000; ++k) {
            QString text;
            const int length = int(random.bounded(1, 40));
            for (int i = 0; i < length; ++i)
                text.append(wide[int(random.bounded(wide.size()))]);
            texts.append(text);
        }
        for (const char *edge :
             {"1e-400", "-1e-400", "1e-310", "-0", "3.4028235e38", "3.4028236e38", "1e-46",
              "-1e-46", "000000000000000000000000001.5"})
            texts.append(QString::fromLatin1(edge));
        int mismatches = 0;
        for (const QString &text : std::as_const(texts)) {
            if (!sameBits(NumberText::parse(text), referenceParse(text))) {
                if (++mismatches < 10)
                    qWarning() << text << NumberText::parse(text) << referenceParse(text);
            }
        }
        QCOMPARE(mismatches, 0);
        QVERIFY(texts.size() > 350000);
    }

    // Plain decimals, as the cells of a page hold them, on both sides of
    // the 15 digits and 22 decimals that are read without from_chars.
    void plainNumbersMatchReference()
    {
        QRandomGenerator random(20261209);
        int mismatches = 0;
        for (int k = 0; k < 200000; ++k) {
            const int digits = int(random.bounded(1, 19));
            QString number;
            for (int i = 0; i < digits; ++i)
                number += QChar(u'0' + int(random.bounded(10)));
            // A point anywhere, or none; or far to the left.
            const int point = int(random.bounded(digits + 3)) - 1;
            if (point == digits + 1)
                number.prepend(QStringLiteral("0.00000000"));
            else if (point >= 0)
                number.insert(point, QLatin1Char('.'));
            const QString text =
                (random.bounded(4) == 0 ? QStringLiteral("-") : QString()) + number;
            if (!sameBits(NumberText::parse(text), referenceParse(text)) && ++mismatches < 10)
                qWarning() << text << NumberText::parse(text) << referenceParse(text);
        }
        QCOMPARE(mismatches, 0);
    }

    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("fraction") << 12.45 << "12.45";
        QTest::newRow("whole") << 150.0 << "150";
        QTest::newRow("six digits") << 1000.375 << "1000.38";
        QTest::newRow("exponent") << 1234567.0 << "1.23457e+06";
        QTest::newRow("tiny") << 0.00500488 << "0.00500488";
        QTest::newRow("negative") << -2.5 << "-2.5";
    }
    void format()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText::format(value), text);
    }

    void arithmetic_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("result");
        // scale: a is the mass, b the value per 100 g
        QTest::newRow("water of 150 g beans") << "scale"
                                              << "150"
                                              << "83.0"
                                              << "124.5";
        QTest::newRow("protein of 150 g beans") << "scale"
                                                << "150"
                                                << "6.0"
                                                << "9";
        QTest::newRow("fat of 150 g beans") << "scale"
                                            << "150"
                                            << "0.1"
                                            << "0.15";
        QTest::newRow("carbohydrates of 150 g beans") << "scale"
                                                      << "150"
                                                      << "8.3"
                                                      << "12.45";
        QTest::newRow("energy of 150 g beans") << "scale"
                                               << "150"
                                               << "58"
                                               << "87";
        QTest::newRow("energy of 200 kg of oil") << "scale"
                                                 << "200000"
                                                 << "899"
                                                 << "1.798e+06";
        QTest::newRow("group cells read 0") << "scale"
                                            << "150"
                                            << ""
                                            << "0";
        QTest::newRow("mass as typed") << "scale"
                                       << "150.00"
                                       << "58"
                                       << "87";
        QTest::newRow("first total") << "sum"
                                     << "0.00"
                                     << "150"
                                     << "150";
        QTest::newRow("sum keeps six digits") << "sum"
                                              << "999.25"
                                              << "1.125"
                                              << "1000.38";
        QTest::newRow("sum of small parts") << "sum"
                                            << "0.15"
                                            << "0.05"
                                            << "0.2";
        QTest::newRow("subtract") << "subtract"
                                  << "1000.38"
                                  << "1.125"
                                  << "999.255";
        QTest::newRow("subtract to zero") << "subtract"
                                          << "87"
                                          << "87"
                                          << "0";
        QTest::newRow("subtract from new total") << "subtract"
                                                 << "0.00"
                                                 << ""
                                                 << "0";
    }
    void arithmetic()
    {
        QFETCH(QString, op);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, result);
        if (op == QLatin1String("scale"))
            QCOMPARE(NumberText::scale(a, b), result);
        else if (op == QLatin1String("sum"))
            QCOMPARE(NumberText::sum(a, b), result);
        else
            QCOMPARE(NumberText::subtract(a, b), result);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
