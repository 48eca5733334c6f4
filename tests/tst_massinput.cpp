#include "core/ration/massinput.h"

#include <QTest>

class TestMassInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("mass"); // empty: refused
        QTest::addColumn<QString>("why");  // a word of the reason
        QTest::newRow("whole") << "150"
                               << "150"
                               << "";
        QTest::newRow("decimal comma") << "1,5"
                                       << "1.5"
                                       << "";
        QTest::newRow("half with comma") << "0,5"
                                         << "0.5"
                                         << "";
        QTest::newRow("two decimals") << "2,25"
                                      << "2.25"
                                      << "";
        QTest::newRow("three decimals") << "12,345"
                                        << "12.345"
                                        << "";
        QTest::newRow("decimal point") << "1.5"
                                       << "1.5"
                                       << "";
        QTest::newRow("trailing zeros kept") << "150.00"
                                             << "150.00"
                                             << "";
        QTest::newRow("comma last") << "5,"
                                    << "5."
                                    << "";
        QTest::newRow("comma first") << ",5"
                                     << ".5"
                                     << "";
        QTest::newRow("exponent") << "1e3"
                                  << "1e3"
                                  << "";
        QTest::newRow("blanks around") << " 150 "
                                       << "150"
                                       << "";
        QTest::newRow("grouped with blank") << "1 000"
                                            << ""
                                            << "разрядов";
        QTest::newRow("grouped with no-break space") << "1\u00a0000"
                                                     << ""
                                                     << "разрядов";
        QTest::newRow("grouped with comma and point") << "1,234.5"
                                                      << ""
                                                      << "разрядов";
        QTest::newRow("two commas") << "1,234,5"
                                    << ""
                                    << "разрядов";
        QTest::newRow("two points") << "1.2.3"
                                    << ""
                                    << "разрядов";
        QTest::newRow("empty") << ""
                               << ""
                               << "Введите";
        QTest::newRow("blank") << "  "
                               << ""
                               << "Введите";
        QTest::newRow("zero") << "0"
                              << ""
                              << "больше нуля";
        QTest::newRow("zero with comma") << "0,0"
                                         << ""
                                         << "больше нуля";
        QTest::newRow("negative") << "-5"
                                  << ""
                                  << "больше нуля";
        QTest::newRow("overflows single precision") << "1e39"
                                                    << ""
                                                    << "не больше 1000000 г";
        QTest::newRow("largest") << "1000000"
                                 << "1000000"
                                 << "";
        QTest::newRow("largest with exponent") << "1e6"
                                               << "1e6"
                                               << "";
        QTest::newRow("just over the largest") << "1000000,1"
                                               << ""
                                               << "не больше 1000000 г";
        QTest::newRow("fits single precision, not a ration") << "1e38"
                                                             << ""
                                                             << "не больше 1000000 г";
        QTest::newRow("near the float limit") << "3.5e38"
                                              << ""
                                              << "не больше 1000000 г";
        QTest::newRow("overflows a double") << "1e400"
                                            << ""
                                            << "не больше 1000000 г";
        QTest::newRow("negative, overflows a double") << "-1e400"
                                                      << ""
                                                      << "больше нуля";
        QTest::newRow("too small to show") << "1e-50"
                                           << ""
                                           << "больше нуля";
        QTest::newRow("letters after") << "150g"
                                       << ""
                                       << "не число";
        QTest::newRow("half exponent") << "1e"
                                       << ""
                                       << "не число";
        QTest::newRow("comma only") << ","
                                    << ""
                                    << "не число";
    }
    void read()
    {
        QFETCH(QString, typed);
        QFETCH(QString, mass);
        QFETCH(QString, why);
        const MassInput::Reading reading = MassInput::read(typed);
        QCOMPARE(reading.ok, !mass.isEmpty());
        QCOMPARE(reading.mass, mass);
        QVERIFY2(reading.why.contains(why), qPrintable(reading.why));
        QCOMPARE(reading.why.isEmpty(), reading.ok);
    }

    void mayType_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("number") << "1,5" << true;
        QTest::newRow("grouped, refused later with a reason") << "1 000" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("letter") << "15г" << false;
        QTest::newRow("slash") << "1/2" << false;
    }
    void mayType()
    {
        QFETCH(QString, typed);
        QFETCH(bool, allowed);
        QCOMPARE(MassInput::mayType(typed), allowed);
    }
};

QTEST_GUILESS_MAIN(TestMassInput)
#include "tst_massinput.moc"
