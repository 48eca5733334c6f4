#include "files/safewrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A device that takes a few bytes and then no more, reporting no error,
// as a full disk may.
class ShortDevice : public QIODevice
{
public:
    explicit ShortDevice(qint64 capacity) : m_capacity(capacity) { open(WriteOnly); }
    QByteArray data;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *bytes, qint64 size) override
    {
        const qint64 n = qMin(size, m_capacity - qint64(data.size()));
        data.append(bytes, n);
        return n;
    }

private:
    qint64 m_capacity;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestSafeWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void htmlSuffix_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("bare") << "/home/u/обед"
                              << "/home/u/обед.html";
        QTest::newRow("with suffix") << "/home/u/x.html"
                                     << "/home/u/x.html";
        QTest::newRow("other suffix") << "/home/u/x.htm"
                                      << "/home/u/x.htm.html";
        QTest::newRow("suffix inside") << "/home/u/x.html.bak"
                                       << "/home/u/x.html.bak.html";
    }
    void htmlSuffix()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(SafeWrite::withHtmlSuffix(chosen), written);
    }

    void proposedFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("plain") << "Обед"
                               << "Обед";
        QTest::newRow("empty") << ""
                               << "Без_имени";
        QTest::newRow("slash") << "1/2 порции"
                               << "1_2 порции";
    }
    void proposedFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, proposed);
        QCOMPARE(SafeWrite::proposedFileName(name), proposed);
    }

    void writesNewAndReplacesOld()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("обед.html");
        QVERIFY(SafeWrite::writeFile(path, "first"));
        QCOMPARE(contents(path), QByteArray("first"));
        const QByteArray big(300 * 1024, 'z'); // several chunks
        QVERIFY(SafeWrite::writeFile(path, big));
        QCOMPARE(contents(path), big);
    }

    void unwritablePlaces_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << "no/such/folder/x.html";
        QTest::newRow("folder is a file") << "plain/x.html";
    }
    void unwritablePlaces()
    {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QString error;
        QVERIFY(!SafeWrite::writeFile(dir.filePath(relative), "data", &error));
        QVERIFY(!error.isEmpty());
    }

    // A write that falls short leaves the old file byte for byte as it was.
    void shortWriteKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("x.html");
        QVERIFY(SafeWrite::writeFile(path, "old contents\n"));
        SafeWrite::limitNextWrite(5);
        QString error;
        QVERIFY(!SafeWrite::writeFile(path, QByteArray(1000, 'n'), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(contents(path), QByteArray("old contents\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"x.html"});
        // the limit applies to one write only
        QVERIFY(SafeWrite::writeFile(path, "new"));
        QCOMPARE(contents(path), QByteArray("new"));
    }

    void writeAllNoticesShortDevice_data()
    {
        QTest::addColumn<qint64>("capacity");
        QTest::addColumn<bool>("complete");
        QTest::newRow("takes nothing") << qint64(0) << false;
        QTest::newRow("takes part") << qint64(100) << false;
        QTest::newRow("takes all") << qint64(200000) << true;
    }
    void writeAllNoticesShortDevice()
    {
        QFETCH(qint64, capacity);
        QFETCH(bool, complete);
        ShortDevice device(capacity);
        const QByteArray data(150000, 'd');
        QCOMPARE(SafeWrite::writeAll(device, data), complete);
        QCOMPARE(device.data.size(), qMin(capacity, qint64(data.size())));
    }
};

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
