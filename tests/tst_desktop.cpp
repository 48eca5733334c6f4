// The GUI-free pieces behind opening files from outside the program: the
// recent files list, the kept settings, the message between two starts, the
// check made before a file is read, and Qt's Russian texts.

#include "core/platform/instancemessage.h"
#include "core/platform/qttranslations.h"
#include "core/platform/recentfiles.h"
#include "core/platform/savedsettings.h"
#include "filebytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestDesktop : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString at(const QString &name) const { return dir.filePath(name); }

    // Settings read from a file of exactly these bytes.
    QString settingsFile(const QByteArray &bytes) const
    {
        static int n = 0;
        const QString path = at(QStringLiteral("settings%1.conf").arg(++n));
        writeBytes(path, bytes);
        return path;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void recentOrder_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("most recent first")
            << QStringList{"/a", "/b", "/c"} << QStringList{"/c", "/b", "/a"};
        QTest::newRow("again moves to front")
            << QStringList{"/a", "/b", "/a"} << QStringList{"/a", "/b"};
        QTest::newRow("two spellings of one file")
            << QStringList{"/x/a.html", "/x/y/../a.html", "/x//a.html"} << QStringList{"/x/a.html"};
        QTest::newRow("empty ignored") << QStringList{"/a", ""} << QStringList{"/a"};
        QStringList ten;
        for (int i = 0; i < 10; ++i)
            ten.append(QStringLiteral("/f%1").arg(i));
        QTest::newRow("oldest beyond eight dropped")
            << ten << QStringList{"/f9", "/f8", "/f7", "/f6", "/f5", "/f4", "/f3", "/f2"};
    }
    void recentOrder()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        RecentFiles recent;
        for (const QString &path : added)
            recent.add(path);
        QCOMPARE(recent.paths(), expected);

        // What is kept comes back the same.
        QSettings settings(at(QStringLiteral("recent.conf")), QSettings::IniFormat);
        recent.save(settings);
        RecentFiles again;
        again.load(settings);
        QCOMPARE(again.paths(), expected);
    }

    void recentRelativeMadeAbsolute()
    {
        RecentFiles recent;
        recent.add(QStringLiteral("ration.html"));
        QCOMPARE(recent.paths(), QStringList{QDir::current().absoluteFilePath("ration.html")});
        recent.remove(QStringLiteral("./ration.html"));
        QVERIFY(recent.paths().isEmpty());
    }

    void recentFromStoredValue_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("list") << QByteArray("[General]\nrecentFiles=/a, /b\n")
                              << QStringList{"/a", "/b"};
        QTest::newRow("one text") << QByteArray("[General]\nrecentFiles=/a\n") << QStringList{"/a"};
        QTest::newRow("repeats and blanks")
            << QByteArray("[General]\nrecentFiles=/a, \"\", /a, /b\n") << QStringList{"/a", "/b"};
        QTest::newRow("number") << QByteArray(
            "[General]\nrecentFiles=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n")
                                << QStringList{};
        QTest::newRow("more than eight")
            << QByteArray("[General]\nrecentFiles=/1,/2,/3,/4,/5,/6,/7,/8,/9,/10\n")
            << QStringList{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"};
        QTest::newRow("missing") << QByteArray("[General]\nother=1\n") << QStringList{};
    }
    void recentFromStoredValue()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        const QSettings settings(settingsFile(file), QSettings::IniFormat);
        RecentFiles recent;
        recent.add(QStringLiteral("/stale"));
        recent.load(settings);
        QCOMPARE(recent.paths(), expected);
    }

    void settingsUsable_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<bool>("writable");
        QTest::newRow("ours") << QByteArray("[General]\nsettingsVersion=1\n") << true << true;
        QTest::newRow("none yet") << QByteArray() << false << true;
        QTest::newRow("future") << QByteArray("[General]\nsettingsVersion=2\n") << false << false;
        QTest::newRow("not a number")
            << QByteArray("[General]\nsettingsVersion=new\n") << false << false;
        QTest::newRow("zero") << QByteArray("[General]\nsettingsVersion=0\n") << false << false;
        QTest::newRow("damaged") << QByteArray("[General\nsettingsVersion=1\n\xff\xfe=") << false
                                 << false;
    }
    void settingsUsable()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, usable);
        QFETCH(bool, writable);
        const QSettings settings(settingsFile(file), QSettings::IniFormat);
        QCOMPARE(SavedSettings::usable(settings), usable);
        QCOMPARE(SavedSettings::writable(settings), writable);
    }

    void settingsStamped()
    {
        QSettings settings(settingsFile(QByteArray()), QSettings::IniFormat);
        SavedSettings::stamp(settings);
        settings.sync();
        const QSettings again(settings.fileName(), QSettings::IniFormat);
        QVERIFY(SavedSettings::usable(again));
    }

    void messageRoundTrip_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("none") << QStringList{};
        QTest::newRow("one") << QStringList{"/home/u/Завтрак.html"};
        QTest::newRow("line breaks and backslashes")
            << QStringList{"/a\nb.html", "/c\\nd\\.html", "/e\r\n", "/\\"};
        QTest::newRow("blanks and marker text") << QStringList{" /x ", "END", "F /y"};
    }
    void messageRoundTrip()
    {
        QFETCH(QStringList, paths);
        const std::optional<QStringList> back =
            InstanceMessage::decode(InstanceMessage::encode(paths));
        QVERIFY(back);
        QCOMPARE(*back, paths);
    }

    void messageRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray whole = InstanceMessage::encode({"/a.html", "/b.html"});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << whole.left(whole.size() - 2);
        QTest::newRow("no marker") << whole.mid(3);
        QTest::newRow("bad escape") << QByteArray("RATIONIX-OPEN 1\nF /a\\q\nEND\n");
        QTest::newRow("escape at end") << QByteArray("RATIONIX-OPEN 1\nF /a\\\nEND\n");
        QTest::newRow("empty path") << QByteArray("RATIONIX-OPEN 1\nF \nEND\n");
        QTest::newRow("unknown line") << QByteArray("RATIONIX-OPEN 1\nX /a\nEND\n");
        QTest::newRow("too long") << QByteArray(
            "RATIONIX-OPEN 1\nF /" + QByteArray(InstanceMessage::MaxSize, 'a') + "\nEND\n");
    }
    void messageRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!InstanceMessage::decode(bytes));
    }

    void russianQtTexts()
    {
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(folder + QStringLiteral("/qtbase_ru.qm")))
            QSKIP("Qt's Russian translations are not installed (qt6-translations-l10n)");
        QVERIFY(!QtTranslations::installRussian(QCoreApplication::instance(), dir.path()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QVERIFY(QtTranslations::installRussian(QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    }
};

QTEST_GUILESS_MAIN(TestDesktop)
#include "tst_desktop.moc"
