#include "core/platform/plainfile.h"
#include "fifo.h"
#include "filebytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestPlainFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        QTest::newRow("file") << "file" << int(PlainFile::Read::Ok) << "";
        QTest::newRow("at the limit") << "limit" << int(PlainFile::Read::Ok) << "";
        QTest::newRow("missing") << "missing" << int(PlainFile::Read::Missing) << "";
        QTest::newRow("FIFO") << "fifo" << int(PlainFile::Read::Refused) << "это не обычный файл";
        QTest::newRow("device") << "device" << int(PlainFile::Read::Refused)
                                << "это не обычный файл";
        QTest::newRow("folder") << "folder" << int(PlainFile::Read::Refused) << "это папка";
        QTest::newRow("one byte over")
            << "large" << int(PlainFile::Read::Refused) << "файл больше 64 КБ";
        QTest::newRow("missing folder on the way")
            << "file/below" << int(PlainFile::Read::Refused) << "часть пути не является папкой";
    }
    void read()
    {
        QFETCH(QString, kind);
        QFETCH(int, status);
        QFETCH(QString, reason);
        constexpr qint64 limit = 64 * 1024;
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("file"), "bytes"));
        QVERIFY(writeBytes(dir.filePath("limit"), QByteArray(limit, 'x')));
        QVERIFY(writeBytes(dir.filePath("large"), QByteArray(limit + 1, 'x')));
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        const Fifo fifo(dir.filePath("fifo"));
        QVERIFY(fifo.isMade());
        const QString path = kind == "device" ? "/dev/zero" : dir.filePath(kind);

        PlainFile::Read read;
        QVERIFY(returnsAtOnce([&] { read = PlainFile::read(path, limit); }));
        QCOMPARE(int(read.status), status);
        QCOMPARE(read.reason, reason);
        if (status == PlainFile::Read::Ok)
            QCOMPARE(read.bytes, contents(path));
        else
            QVERIFY(read.bytes.isEmpty());
        // A check says the same without reading.
        PlainFile::Read checked;
        QVERIFY(returnsAtOnce([&] { checked = PlainFile::check(path, limit); }));
        QCOMPARE(int(checked.status), status);
        QCOMPARE(checked.reason, reason);
        QVERIFY(checked.bytes.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlainFile)
#include "tst_plainfile.moc"
