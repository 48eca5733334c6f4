#include "core/platform/filestamp.h"
#include "core/platform/safewrite.h"
#include "core/platform/systemerror.h"
#include "filebytes.h"
#include "limiteddevice.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

struct stat statOf(const QString &path)
{
    struct stat st {
    };
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
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
        QVERIFY(writeBytes(dir.filePath("plain"), {}));
        QString error;
        QVERIFY(!SafeWrite::writeFile(dir.filePath(relative), "data", &error));
        QVERIFY(!error.isEmpty());
    }

    // A write that falls short, or whose data does not reach the disk,
    // leaves the old file byte for byte as it was and no temporary file.
    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<int>("accepted"); // bytes the disk takes; -1: all, then sync fails
        QTest::addColumn<QString>("reason");
        QTest::newRow("nothing taken") << 0 << "записаны не все данные (возможно, диск переполнен)";
        QTest::newRow("cut off") << 5 << "записаны не все данные (возможно, диск переполнен)";
        QTest::newRow("sync fails") << -1 << SystemError::reason(EBADF);
    }
    void failedWriteKeepsOldFile()
    {
        QFETCH(int, accepted);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.html");
        QVERIFY(SafeWrite::writeFile(path, "old contents\n"));
        const auto writer = [accepted](QFileDevice &file, const QByteArray &data) {
            if (accepted >= 0) {
                LimitedDevice disk(accepted, &file);
                return SafeWrite::writeAll(disk, data);
            }
            // Everything is written, then the descriptor goes away under
            // the file, so that syncing it fails.
            const bool written = SafeWrite::writeAll(file, data);
            ::close(file.handle());
            return written;
        };
        QString error;
        QVERIFY(!SafeWrite::writeFile(path, QByteArray(1000, 'n'), &error, writer));
        QCOMPARE(error, reason);
        QCOMPARE(contents(path), QByteArray("old contents\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"x.html"});
        QVERIFY(SafeWrite::writeFile(path, "new"));
        QCOMPARE(contents(path), QByteArray("new"));
    }

    void reasons_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no space") << ENOSPC << "недостаточно места на диске";
        QTest::newRow("quota") << EDQUOT << "недостаточно места на диске";
        QTest::newRow("no permission") << EACCES << "нет прав доступа";
        QTest::newRow("read-only") << EROFS << "файловая система доступна только для чтения";
        QTest::newRow("folder missing") << ENOENT << "папка не существует";
        QTest::newRow("too large") << EFBIG << "файл слишком велик";
        QTest::newRow("i/o") << EIO << "ошибка ввода-вывода";
        QTest::newRow("other") << EXDEV
                               << QStringLiteral("ошибка системы (%1)")
                                      .arg(QString::fromLocal8Bit(std::strerror(EXDEV)));
    }
    void reasons()
    {
        QFETCH(int, error);
        QFETCH(QString, reason);
        QCOMPARE(SystemError::reason(error), reason);
    }

    // Only a plain file is replaced; a FIFO or device stays what it is
    // (and writing neither blocks nor opens it).
    void refusesOtherThanPlainFiles_data()
    {
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("fifo") << false;
        QTest::newRow("link to fifo") << true;
    }
    void refusesOtherThanPlainFiles()
    {
        QFETCH(bool, throughLink);
        QTemporaryDir dir;
        const QString fifo = dir.filePath("pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QString path = fifo;
        if (throughLink) {
            path = dir.filePath("link.html");
            QVERIFY(QFile::link(fifo, path));
        }
        QVERIFY(!SafeWrite::inspect(path).regular);
        QVERIFY(SafeWrite::inspect(path).exists);
        QString error;
        QVERIFY(!SafeWrite::writeFile(path, "data", &error));
        QCOMPARE(error, QStringLiteral("это не обычный файл"));
        struct stat st {
        };
        QCOMPARE(::stat(QFile::encodeName(fifo).constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
    }

    // Through a symbolic link the file it points to is replaced; the link
    // stays a link.
    void linkTargetIsReplaced()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("real"));
        const QString real = dir.filePath("real/обед.html");
        const QString link = dir.filePath("обед.html");
        QVERIFY(SafeWrite::writeFile(real, "old"));
        QVERIFY(QFile::link(real, link));
        QVERIFY(SafeWrite::writeFile(link, "new"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contents(real), QByteArray("new"));
        QCOMPARE(SafeWrite::inspect(link).path, QFileInfo(real).canonicalFilePath());
    }

    void modeIsKept_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("0640") << 0640;
        QTest::newRow("0600") << 0600;
        QTest::newRow("read-only 0444") << 0444;
        QTest::newRow("0664") << 0664;
    }
    void modeIsKept()
    {
        QFETCH(int, mode);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.html");
        QVERIFY(SafeWrite::writeFile(path, "old"));
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
        QVERIFY(SafeWrite::writeFile(path, "new"));
        QCOMPARE(contents(path), QByteArray("new"));
        QCOMPARE(int(statOf(path).st_mode & 07777), mode);
    }

    // Extended attributes (and with them access control lists) stay with
    // the file, whatever its mode.
    void extendedAttributesAreKept_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("0644") << 0644;
        QTest::newRow("read-only 0444") << 0444;
    }
    void extendedAttributesAreKept()
    {
        QFETCH(int, mode);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.html");
        const QByteArray name = QFile::encodeName(path);
        QVERIFY(SafeWrite::writeFile(path, "old"));
        const QByteArray value = QStringLiteral("значение").toUtf8();
        if (::setxattr(name.constData(), "user.test", value.constData(), size_t(value.size()), 0)
            != 0)
            QSKIP(qPrintable("the file system refuses user extended attributes: "
                             + QString::fromLocal8Bit(std::strerror(errno))));
        QCOMPARE(::chmod(name.constData(), mode_t(mode)), 0);
        QVERIFY(SafeWrite::writeFile(path, "new"));
        QCOMPARE(contents(path), QByteArray("new"));
        QByteArray back(64, '\0');
        const ssize_t length = ::getxattr(name.constData(), "user.test", back.data(), 64);
        QCOMPARE(back.left(qMax(length, ssize_t(0))), value);
        QCOMPARE(int(statOf(path).st_mode & 07777), mode);
    }

    // Temporary files that a save killed half way left beside its file go
    // with the next save in that folder when they are ours and old.
    void staleTemporariesRemoved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ageMinutes");
        QTest::addColumn<bool>("removed");
        QTest::newRow("ours, old") << ".обед.html.Ab12cZ" << 120 << true;
        QTest::newRow("ours, recent") << ".обед.html.Ab12cZ" << 10 << false;
        QTest::newRow("five letters") << ".обед.html.Ab12c" << 120 << false;
        QTest::newRow("no dot first") << "обед.html.Ab12cZ" << 120 << false;
        QTest::newRow("not a page") << ".bashrc.backup" << 120 << false;
        QTest::newRow("punctuation") << ".обед.html.Ab-2cZ" << 120 << false;
        QTest::newRow("folder") << ".обед.html.Ab12cZ/" << 120 << false;
        QTest::newRow("link") << ".обед.html.Ab12cZ@" << 120 << false;
    }
    void staleTemporariesRemoved()
    {
        QFETCH(QString, name);
        QFETCH(int, ageMinutes);
        QTemporaryDir dir;
        QString path = dir.filePath(name);
        if (path.endsWith('/')) {
            path.chop(1);
            QVERIFY(QDir().mkdir(path));
        } else if (path.endsWith('@')) {
            path.chop(1);
            QVERIFY(writeBytes(dir.filePath("target"), "kept"));
            QVERIFY(QFile::link(dir.filePath("target"), path));
        } else {
            QVERIFY(writeBytes(path, "<!--Rationix_doc-->\n<htm"));
        }
        const timespec times[2] = {{::time(nullptr) - ageMinutes * 60, 0},
                                   {::time(nullptr) - ageMinutes * 60, 0}};
        QCOMPARE(
            ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW),
            0);
        QVERIFY(SafeWrite::writeFile(dir.filePath("другой.html"), "new"));
        QTEST(!QFileInfo(path).exists() && !QFileInfo(path).isSymLink(), "removed");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).filter(".другой").size(),
                 0);
    }

    void newFileTakesUsualMode()
    {
        QTemporaryDir dir;
        const mode_t saved = ::umask(022);
        const bool written = SafeWrite::writeFile(dir.filePath("x.html"), "new");
        ::umask(saved);
        QVERIFY(written);
        QCOMPARE(int(statOf(dir.filePath("x.html")).st_mode & 07777), 0644);
    }

    void ownerIsKept()
    {
        if (::geteuid() != 0)
            QSKIP("only root may give a file to another user");
        QTemporaryDir dir;
        const QString path = dir.filePath("x.html");
        QVERIFY(SafeWrite::writeFile(path, "old"));
        QCOMPARE(::chown(QFile::encodeName(path).constData(), 12345, 23456), 0);
        QVERIFY(SafeWrite::inspect(path).ownerKept);
        QVERIFY(SafeWrite::writeFile(path, "new"));
        QCOMPARE(int(statOf(path).st_uid), 12345);
        QCOMPARE(int(statOf(path).st_gid), 23456);
    }

    // Seen as an ordinary user: the file's owner and group survive a
    // replacement only if they are the user's own.
    void ownerKeptOnlyForOwnFiles_data()
    {
        QTest::addColumn<int>("uid");
        QTest::addColumn<int>("gid");
        QTest::addColumn<bool>("kept");
        QTest::newRow("own file, own group") << 65534 << 65534 << true;
        QTest::newRow("own file, other group") << 65534 << 12345 << false;
        QTest::newRow("other user's file") << 12345 << 65534 << false;
    }
    void ownerKeptOnlyForOwnFiles()
    {
        QFETCH(int, uid);
        QFETCH(int, gid);
        QFETCH(bool, kept);
        if (::geteuid() != 0)
            QSKIP("only root may act as another user");
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                          | QFile::ReadOther | QFile::ExeOther));
        const QString path = dir.filePath("x.html");
        QVERIFY(SafeWrite::writeFile(path, "old"));
        QCOMPARE(::chown(QFile::encodeName(path).constData(), uid_t(uid), gid_t(gid)), 0);
        QList<gid_t> savedGroups(::getgroups(0, nullptr));
        savedGroups.resize(::getgroups(int(savedGroups.size()), savedGroups.data()));
        QCOMPARE(::setgroups(0, nullptr), 0);
        QCOMPARE(::setegid(65534), 0);
        QCOMPARE(::seteuid(65534), 0);
        const bool ownerKept = SafeWrite::inspect(path).ownerKept;
        QCOMPARE(::seteuid(0), 0);
        QCOMPARE(::setegid(0), 0);
        QCOMPARE(::setgroups(size_t(savedGroups.size()), savedGroups.data()), 0);
        QCOMPARE(ownerKept, kept);
    }

    void hardLinksAreCounted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("x.html");
        QVERIFY(SafeWrite::writeFile(path, "old"));
        QCOMPARE(SafeWrite::inspect(path).links, 1);
        QCOMPARE(::link(QFile::encodeName(path).constData(),
                        QFile::encodeName(dir.filePath("y.html")).constData()),
                 0);
        QCOMPARE(SafeWrite::inspect(path).links, 2);
        QVERIFY(!SafeWrite::inspect(dir.filePath("none.html")).exists);
    }

    // A writable file in a folder that is not: the folder is named.
    void folderIsTheProblem()
    {
        if (::geteuid() == 0)
            QSKIP("root writes in any folder");
        QTemporaryDir dir;
        const QString path = dir.filePath("x.html");
        QVERIFY(SafeWrite::writeFile(path, "old"));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        QString error;
        const bool written = SafeWrite::writeFile(path, "new", &error);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
        QCOMPARE(error, QStringLiteral("нет прав на запись в папку «%1»").arg(dir.path()));
        QCOMPARE(contents(path), QByteArray("old"));
    }

    void stampSeesChanges_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("changed");
        QTest::newRow("untouched") << "" << false;
        QTest::newRow("rewritten") << "rewrite" << true;
        QTest::newRow("replaced, same size") << "replace" << true;
        QTest::newRow("removed") << "remove" << true;
        QTest::newRow("other file changed") << "other" << false;
    }
    void stampSeesChanges()
    {
        QFETCH(QString, change);
        QFETCH(bool, changed);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.html");
        QVERIFY(SafeWrite::writeFile(path, "old"));
        QVERIFY(SafeWrite::writeFile(dir.filePath("y.html"), "other"));
        DocumentFile document;
        QVERIFY(!document.changedOnDisk(path));
        document.take(path);
        if (change == "rewrite") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append));
            file.write("er");
        } else if (change == "replace") {
            QVERIFY(SafeWrite::writeFile(path, "new"));
        } else if (change == "remove") {
            QVERIFY(QFile::remove(path));
        } else if (change == "other") {
            QVERIFY(SafeWrite::writeFile(dir.filePath("y.html"), "changed"));
        }
        QCOMPARE(document.changedOnDisk(path), changed);
        QVERIFY(!document.changedOnDisk(dir.filePath("y.html")));
        document.take(path);
        QVERIFY(!document.changedOnDisk(path));
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
        LimitedDevice device(capacity);
        const QByteArray data(150000, 'd');
        QCOMPARE(SafeWrite::writeAll(device, data), complete);
        QCOMPARE(device.data.size(), qMin(capacity, qint64(data.size())));
    }
};

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
