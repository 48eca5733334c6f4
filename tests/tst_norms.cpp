#include "core/norms/dailyneed.h"
#include "core/norms/profilestore.h"
#include "core/ration/rationnorm.h"
#include "filebytes.h"

#include <QTemporaryDir>
#include <QTest>

using Sex = Person::Sex;
using Age = Person::Age;
using Activity = Person::Activity;

namespace {
Person person(Sex sex, Age age, Activity activity = Activity::I) { return {sex, age, activity}; }
} // namespace

class TestNorms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every cell of the energy table, and the grams the document prints
    // for those it was checked against.
    void dailyNeed_data()
    {
        QTest::addColumn<Person>("who");
        QTest::addColumn<int>("energy");
        QTest::addColumn<QList<int>>("grams"); // protein, fat, carbohydrates; empty: unchecked
        const Sex sexes[] = {Sex::Male, Sex::Female};
        const int energy[2][3][4] = {
            {{2400, 2750, 3250, 3800}, {2300, 2650, 3150, 3650}, {2150, 2450, 2900, 3400}},
            {{1900, 2200, 2600, 3000}, {1800, 2100, 2500, 2850}, {1700, 1950, 2300, 2700}}};
        const QList<int> grams[2][3][4] = {
            {{{84, 80, 336}, {89, 92, 392}, {102, 108, 467}, {114, 127, 551}},
             {{}, {86, 88, 378}, {}, {}},
             {}},
            {{{67, 63, 266}, {72, 73, 314}, {81, 87, 374}, {90, 100, 435}},
             {},
             {{}, {}, {72, 77, 331}, {}}}};
        for (int s = 0; s < 2; ++s) {
            for (int a = 0; a < 3; ++a) {
                for (int g = 0; g < 4; ++g) {
                    QTest::addRow("%s age %d group %d", s ? "woman" : "man", a, g + 1)
                        << person(sexes[s], Age(a), Activity(g)) << energy[s][a][g]
                        << grams[s][a][g];
                }
            }
        }
        // From 65 years one figure, whatever the activity; 14 % protein.
        QTest::newRow("man 65-74")
            << person(Sex::Male, Age::From65To74, Activity::IV) << 2400 << QList<int>{84, 80, 336};
        QTest::newRow("man 75+") << person(Sex::Male, Age::From75) << 2300 << QList<int>{};
        QTest::newRow("woman 65-74")
            << person(Sex::Female, Age::From65To74) << 1900 << QList<int>{67, 63, 266};
        QTest::newRow("woman 75+")
            << person(Sex::Female, Age::From75, Activity::III) << 1800 << QList<int>{};
    }
    void dailyNeed()
    {
        QFETCH(Person, who);
        QFETCH(int, energy);
        QFETCH(QList<int>, grams);
        const DailyNeed need(who);
        QCOMPARE(need.amount(Nutrients::Energy), energy);
        QVERIFY(!need.amount(Nutrients::Water));
        double shares = 0;
        for (const Nutrients::Id id : Nutrients::energySources())
            shares += need.sharePercent(id);
        QCOMPARE(shares, 100.0);
        if (grams.isEmpty())
            return;
        QCOMPARE(need.amount(Nutrients::Protein), grams[0]);
        QCOMPARE(need.amount(Nutrients::Fat), grams[1]);
        QCOMPARE(need.amount(Nutrients::Carbohydrates), grams[2]);
    }

    void partOfTheDay_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QList<int>>("norm"); // protein, fat, carbohydrates, energy
        QTest::newRow("a day") << 100 << QList<int>{86, 88, 378, 2650};
        QTest::newRow("half") << 50 << QList<int>{43, 44, 189, 1325};
        QTest::newRow("lunch") << 35 << QList<int>{30, 31, 132, 928}; // 30.1, 30.8, 132.3, 927.5
        QTest::newRow("1 %") << 1 << QList<int>{1, 1, 4, 27};
    }
    void partOfTheDay()
    {
        QFETCH(int, percent);
        QFETCH(QList<int>, norm);
        const DailyNeed need(person(Sex::Male, Age::From30To44, Activity::II));
        const Nutrients::Id ids[] = {Nutrients::Protein, Nutrients::Fat, Nutrients::Carbohydrates,
                                     Nutrients::Energy};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(need.amount(ids[i], percent), norm[i]);
    }

    // Иван, a man of 30–44 in group II: 86 g protein, 88 fat, 378
    // carbohydrates, 2650 kcal a day.
    void rationAgainstItsNorm_data()
    {
        QTest::addColumn<int>("share");
        QTest::addColumn<int>("portions");
        QTest::addColumn<QString>("kcal");
        QTest::addColumn<QString>("energyText");
        QTest::addColumn<QString>("proteinText");
        QTest::newRow("a day") << 100 << 1 << "1325"
                               << "50 % — мало"
                               << "100 %";
        QTest::newRow("half a day") << 50 << 1 << "1325"
                                    << "100 %"
                                    << "200 % — много";
        QTest::newRow("per portion") << 100 << 2 << "2650"
                                     << "50 % — мало"
                                     << "100 %";
        QTest::newRow("just within") << 100 << 1 << "2385"
                                     << "90 %"
                                     << "100 %";
        QTest::newRow("just above") << 100 << 1 << "2942"
                                    << "111 % — много"
                                    << "100 %";
    }
    void rationAgainstItsNorm()
    {
        QFETCH(int, share);
        QFETCH(int, portions);
        QFETCH(QString, kcal);
        Ration ration;
        ration.totals =
            QStringList{"500", "200", QString::number(86 * portions), "88", "378", kcal};
        ration.portions = portions;
        ration.share = share;
        QVERIFY(!RationNorm::of(ration));
        ration.profile =
            Profile{QStringLiteral("Иван"), person(Sex::Male, Age::From30To44, Activity::II)};
        const std::optional<RationNorm> norm = RationNorm::of(ration);
        QVERIFY(norm);
        QCOMPARE(norm->perPortion(), portions > 1);
        QVERIFY(!norm->value(Nutrients::Water).percent);
        QCOMPARE(norm->value(Nutrients::Energy).norm, 2650 * share / 100);
        QTEST(RationNorm::percentText(norm->value(Nutrients::Energy)), "energyText");
        QTEST(RationNorm::percentText(norm->value(Nutrients::Protein)), "proteinText");
    }

    void badProfileLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("fields") << QByteArray("Иван\tmale\t30-44") << "3 полей вместо 4";
        QTest::newRow("sex") << QByteArray("Иван\tм\t30-44\t2") << "Пол: нет такого пола «м».";
        QTest::newRow("age") << QByteArray("Иван\tmale\t30\t2")
                             << "Возраст: нет такой группы «30».";
        QTest::newRow("no activity")
            << QByteArray("Иван\tmale\t30-44\t") << "Физическая активность: нет такой группы «».";
        QTest::newRow("activity 5")
            << QByteArray("Иван\tmale\t75+\t5") << "Физическая активность: нет такой группы «5».";
        QTest::newRow("empty name")
            << QByteArray(" \tmale\t30-44\t2") << "Имя: имя не может быть пустым.";
        QTest::newRow("same name")
            << QByteArray("ИВАН\tfemale\t18-29\t1") << "Имя: профиль «Иван» уже есть.";
    }
    void badProfileLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, reason);
        QList<Profiles::Problem> problems;
        const Profiles read = Profiles::fromTsv("name\tsex\tage\tactivity\nИван\tmale\t30-44\t2\n"
                                                    + line + "\nМария\tfemale\t65-74\t\n",
                                                &problems);
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems[0].line, 3);
        QCOMPARE(problems[0].reason, reason);
        QCOMPARE(read.profiles().size(), 2); // the good lines around it load
    }

    void storeKeepsProfilesAndBacksUpADamagedFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data/profiles.tsv"));
        ProfileStore store(path);
        QVERIFY(store.load().isEmpty());
        const Profile ivan{QStringLiteral("Иван"),
                           person(Sex::Male, Age::From30To44, Activity::II)};
        const Profile maria{QStringLiteral("Мария"), person(Sex::Female, Age::From75)};
        QString error;
        QVERIFY2(store.put(ivan, {}, &error), qPrintable(error));
        QVERIFY2(store.put(maria, {}, &error), qPrintable(error));
        QVERIFY(!store.put(ivan, {}, &error));
        QCOMPARE(error, QStringLiteral("Имя: профиль «Иван» уже есть."));

        ProfileStore again(path);
        QVERIFY(again.load().isEmpty());
        QCOMPARE(again.profiles().profiles(), (QList<Profile>{ivan, maria}));

        QVERIFY(writeBytes(path, contents(path) + "broken\n"));
        QCOMPARE(again.load().size(), 1);
        QVERIFY(again.remove(QStringLiteral("мария"), &error));
        QVERIFY(contents(path + QStringLiteral(".bak")).endsWith("broken\n"));
        QCOMPARE(contents(path), QByteArray("name\tsex\tage\tactivity\nИван\tmale\t30-44\t2\n"));
    }
};

QTEST_GUILESS_MAIN(TestNorms)
#include "tst_norms.moc"
