#include "core/platform/manuallocator.h"
#include "tempplaces.h"

#include <QTest>

#include <memory>

// Where the manual is looked for. Every case lays out files below a
// temporary folder holding "home" (the user's home directory), "work" (a
// working directory elsewhere), "data" and "build" (the installed and the
// built manual folders).
class TestManualLocator : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporaryPlaces> places;

    QString at(const QString &relative) const { return places->at(relative); }

    void useDirectories()
    {
        ManualLocator::setSearchDirectoriesForTesting({at("data"), at("build")});
    }

private Q_SLOTS:
    void init()
    {
        places = std::make_unique<TemporaryPlaces>();
        QVERIFY(places->isValid());
    }
    void cleanup()
    {
        ManualLocator::restoreSearchDirectories();
        places.reset();
    }

    void find_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");

        QTest::newRow("working directory's manual")
            << "work" << QStringList{"work/doc/index.html"} << "work/doc/index.html";
        QTest::newRow("working directory's manual comes before the installed one")
            << "work" << QStringList{"work/doc/index.html", "data/index.html"}
            << "work/doc/index.html";
        QTest::newRow("home: Rationix/doc, not doc")
            << "home" << QStringList{"home/doc/index.html", "home/Rationix/doc/index.html"}
            << "home/Rationix/doc/index.html";
        QTest::newRow("home: doc directly in home is ignored")
            << "home" << QStringList{"home/doc/index.html"} << QString();
        QTest::newRow("home: doc directly in home is skipped for the installed one")
            << "home" << QStringList{"home/doc/index.html", "data/index.html"} << "data/index.html";
        QTest::newRow("elsewhere: home's Rationix/doc is not looked at")
            << "work" << QStringList{"home/Rationix/doc/index.html"} << QString();
        QTest::newRow("installed manual")
            << "work" << QStringList{"data/index.html"} << "data/index.html";
        QTest::newRow("installed before built")
            << "work" << QStringList{"data/index.html", "build/index.html"} << "data/index.html";
        QTest::newRow("built manual")
            << "work" << QStringList{"build/index.html"} << "build/index.html";
        QTest::newRow("a folder named index.html is no page")
            << "work" << QStringList{"work/doc/index.html/", "build/index.html"}
            << "build/index.html";
        QTest::newRow("nothing anywhere") << "work" << QStringList{} << QString();
        QTest::newRow("nothing anywhere, in home") << "home" << QStringList{} << QString();
    }
    void find()
    {
        QFETCH(QString, current);
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        for (const QString &file : files)
            QVERIFY2(places->write(file), qPrintable(file));
        QVERIFY(QDir::setCurrent(at(current)));
        useDirectories();
        QCOMPARE(ManualLocator::find(), at(expected));
    }

    // The program started in its home directory reached through another
    // name (a symbolic link) still counts as started in the home directory.
    void homeThroughLink()
    {
        QVERIFY(places->write("home/doc/index.html"));
        QVERIFY(places->write("home/Rationix/doc/index.html"));
        QVERIFY(QFile::link(at("home"), at("link")));
        QVERIFY(QDir::setCurrent(at("home")));
        qputenv("HOME", at("link").toLocal8Bit());
        useDirectories();
        QCOMPARE(QFileInfo(ManualLocator::find()).canonicalFilePath(),
                 QFileInfo(at("home/Rationix/doc/index.html")).canonicalFilePath());
    }

    void candidates_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QStringList>("directories");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("elsewhere")
            << "/w"
            << "/h" << QStringList{"/d", "/b"}
            << QStringList{"/w/doc/index.html", "/d/index.html", "/b/index.html"};
        QTest::newRow("home") << "/h"
                              << "/h" << QStringList{"/d"}
                              << QStringList{"/h/Rationix/doc/index.html", "/d/index.html"};
        QTest::newRow("home with a trailing slash")
            << "/h/"
            << "/h" << QStringList{} << QStringList{"/h/Rationix/doc/index.html"};
        QTest::newRow("below home is not home")
            << "/h/x"
            << "/h" << QStringList{} << QStringList{"/h/x/doc/index.html"};
        QTest::newRow("the same folder twice is tried once")
            << "/w"
            << "/h" << QStringList{"/d", "/x/../d", ""}
            << QStringList{"/w/doc/index.html", "/d/index.html"};
        QTest::newRow("no home") << "/w"
                                 << "" << QStringList{} << QStringList{"/w/doc/index.html"};
    }
    void candidates()
    {
        QFETCH(QString, current);
        QFETCH(QString, home);
        QFETCH(QStringList, directories);
        QFETCH(QStringList, expected);
        QCOMPARE(ManualLocator::candidates(current, home, directories), expected);
    }

    // Without the test seam: the installed data directory, the one next to
    // the executable, then the source tree's manual.
    void programDirectories()
    {
        const QStringList directories = ManualLocator::searchDirectories();
        QCOMPARE(directories,
                 QStringList({QStringLiteral(EXPECTED_DATADIR "/doc"),
                              QDir::cleanPath(QCoreApplication::applicationDirPath()
                                              + "/../share/rationix/doc"),
                              QStringLiteral(EXPECTED_SOURCE_DOC)}));
        ManualLocator::setSearchDirectoriesForTesting({at("data")});
        QCOMPARE(ManualLocator::searchDirectories(), QStringList{at("data")});
        ManualLocator::restoreSearchDirectories();
        QCOMPARE(ManualLocator::searchDirectories(), directories);
    }

    // From a working directory without a manual, this build finds the
    // manual of its source tree.
    void buildManual()
    {
        QVERIFY(QDir::setCurrent(at("work")));
        const QString page = ManualLocator::find();
        QVERIFY(!page.isEmpty());
        QVERIFY(QFileInfo(page).isFile());
        QCOMPARE(ManualLocator::candidates().first(), at("work/doc/index.html"));
    }
};

QTEST_GUILESS_MAIN(TestManualLocator)
#include "tst_manuallocator.moc"
