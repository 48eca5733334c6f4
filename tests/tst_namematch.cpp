#include "core/catalogue/namematch.h"

#include <QTest>

using NameMatch::Mode;

Q_DECLARE_METATYPE(NameMatch::Mode)

class TestNameMatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matches_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<bool>("expected");
        auto row = [](const char *tag, const char *name, const char *text, Mode mode, bool hit) {
            QTest::newRow(tag) << QString::fromUtf8(name) << QString::fromUtf8(text) << mode << hit;
        };
        // part: containment, case folded, Cyrillic included
        row("part capitals", "Горох лущёный", "ГОРОХ", Mode::Part, true);
        row("part inside", "Икра кеты зернистая", "КЕТЫ ЗЕРН", Mode::Part, true);
        row("part latin", "Масло Extra", "xTR", Mode::Part, true);
        row("part not contained", "Горох лущёный", "Горох цельный", Mode::Part, false);
        row("part blank counts", "Бобы", "Бобы ", Mode::Part, false);
        // part: a run of blanks, in the name or in the text, reads as one
        row("part one blank for two", "Вишня  сушёная", "Вишня сушёная", Mode::Part, true);
        row("part three blanks for two", "Яблоки  сушёные", "яблоки   сушеные", Mode::Part, true);
        row("part tab for blank", "Яблоки  сушёные", "яблоки\tсуш", Mode::Part, true);
        row("part blank still counts", "Вишнясушёная", "Вишня сушёная", Mode::Part, false);
        // part: е and ё stand for each other, both ways, in either case
        row("part ё in text", "Грибы белые сушёные", "сушён", Mode::Part, true);
        row("part е for ё", "Грибы белые сушёные", "сушен", Mode::Part, true);
        row("part е for ё 2", "Говядина тушёная", "тушен", Mode::Part, true);
        row("part ё for е", "Печенье сахарное", "печЁнье", Mode::Part, true);
        row("part Ё capital", "Ёрш", "ерш", Mode::Part, true);
        row("part е ё not other letters", "Говядина тушёная", "тушон", Mode::Part, false);
        // part: the empty text is in every name
        row("part empty", "Бобовые", "", Mode::Part, true);
        row("part empty in empty", "", "", Mode::Part, true);
        // whole: character by character
        row("whole equal", "Икра", "Икра", Mode::Whole, true);
        row("whole lower case", "Горох лущёный", "горох лущёный", Mode::Whole, false);
        row("whole upper case", "Икра", "ИКРА", Mode::Whole, false);
        row("whole е for ё", "Горох лущёный", "Горох лущеный", Mode::Whole, false);
        row("whole part", "Икра кеты зернистая", "Икра", Mode::Whole, false);
        row("whole one blank", "Вишня  сушёная", "Вишня сушёная", Mode::Whole, false);
        row("whole two blanks", "Вишня  сушёная", "Вишня  сушёная", Mode::Whole, true);
        row("whole trailing blank", "Икра", "Икра ", Mode::Whole, false);
        row("whole empty", "Икра", "", Mode::Whole, false);
    }
    void matches()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(Mode, mode);
        QFETCH(bool, expected);
        QCOMPARE(NameMatch::matches(name, text, mode), expected);
    }

    void sameName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("case") << "Говядина"
                              << "говядина" << true;
        QTest::newRow("ё and blanks") << "Яблоки  сушёные"
                                      << "ЯБЛОКИ сушеные" << true;
        QTest::newRow("longer name") << "Говядина тушёная"
                                     << "говядина" << false;
        QTest::newRow("trailing blank") << "Говядина"
                                        << "говядина " << false;
    }
    void sameName()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(NameMatch::sameName(name, text), expected);
    }
};

QTEST_APPLESS_MAIN(TestNameMatch)
#include "tst_namematch.moc"
