#include "core/platform/safewrite.h"

#include "core/platform/systemerror.h"
#include "core/platform/trcontext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace SafeWrite {

TR_CONTEXT(SafeWrite)

namespace {

constexpr qint64 ChunkSize = qint64(64) * 1024;

// The path with every symbolic link followed; a link to a file that does
// not exist yet gives the path the link names.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

// True if this process may give a file this group.
bool isMyGroup(gid_t group)
{
    if (group == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    QList<gid_t> groups(count);
    const int listed = ::getgroups(count, groups.data());
    return listed > 0 && groups.first(listed).contains(group);
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Why a temporary file could not be made in the folder.
QString folderProblem(const QString &folder, int error)
{
    if (error == EACCES || error == EPERM)
        return tr("нет прав на запись в папку «%1»").arg(QDir::toNativeSeparators(folder));
    return SystemError::reason(error);
}

void setError(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
}

// Gives the new file the extended attributes of the one it replaces, and
// with them its access control list. An attribute the file system or our
// rights refuse is left behind: the contents matter more.
void copyAttributes(const QByteArray &from, int fd)
{
    ssize_t size = ::listxattr(from.constData(), nullptr, 0);
    if (size <= 0)
        return;
    QByteArray names(size, '\0');
    size = ::listxattr(from.constData(), names.data(), size_t(names.size()));
    if (size <= 0)
        return;
    names.truncate(size);
    QByteArray value;
    for (const QByteArray &name : names.split('\0')) {
        if (name.isEmpty())
            continue;
        ssize_t length = ::getxattr(from.constData(), name.constData(), nullptr, 0);
        if (length < 0)
            continue;
        value.resize(length);
        length = ::getxattr(from.constData(), name.constData(), value.data(), size_t(length));
        if (length >= 0)
            ::fsetxattr(fd, name.constData(), value.constData(), size_t(length), 0);
    }
}

// Temporary files of ours that a save killed half way left in the folder:
// ".name.html.XXXXXX", a plain file of ours, untouched for an hour (a save
// under way touches its file all the time).
void removeStaleTemporaries(const QString &folder)
{
    constexpr time_t StaleAfter = time_t(60) * 60;
    const QDir dir(folder, QStringLiteral(".*.html.??????"), QDir::NoSort,
                   QDir::Files | QDir::Hidden | QDir::System);
    const time_t now = ::time(nullptr);
    const QStringList names = dir.entryList();
    for (const QString &name : names) {
        const QStringView unique = QStringView(name).right(6);
        const bool fromMkstemp = std::all_of(unique.begin(), unique.end(), [](QChar c) {
            return c.unicode() < 0x80 && c.isLetterOrNumber();
        });
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat st {
        };
        if (fromMkstemp && ::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode)
            && st.st_uid == ::geteuid() && now - st.st_mtime > StaleAfter)
            ::unlink(path.constData());
    }
}

// Gives the new file the owner, group, extended attributes and mode of the
// one at oldName that it replaces, as far as the system lets us; a new file
// gets the usual mode. The attributes come before the mode: a read-only
// mode would refuse them.
void copyOwnership(int fd, const struct stat *old, const QByteArray &oldName)
{
    if (!old) {
        ::fchmod(fd, newFileMode());
        return;
    }
    if (::fchown(fd, old->st_uid, old->st_gid) != 0)
        ::fchown(fd, uid_t(-1), old->st_gid);
    copyAttributes(oldName, fd);
    ::fchmod(fd, old->st_mode & 07777);
}

} // namespace

bool writeAll(QIODevice &device, const QByteArray &data)
{
    for (qint64 done = 0; done < data.size();) {
        const qint64 chunk = qMin(ChunkSize, data.size() - done);
        const qint64 written = device.write(data.constData() + done, chunk);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

Target inspect(const QString &path)
{
    Target target;
    target.path = resolved(path);
    struct stat st {
    };
    if (::stat(QFile::encodeName(target.path).constData(), &st) != 0)
        return target;
    target.exists = true;
    target.regular = S_ISREG(st.st_mode);
    target.links = qint64(st.st_nlink);
    target.ownerKept = ::geteuid() == 0 || (st.st_uid == ::geteuid() && isMyGroup(st.st_gid));
    return target;
}

bool writeFile(const QString &path, const QByteArray &data, QString *error, const Writer &writer)
{
    const QString target = resolved(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {
    };
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        setError(error, tr("это не обычный файл"));
        return false;
    }

    const QFileInfo info(target);
    const QString folder = info.absolutePath();
    removeStaleTemporaries(folder);
    QByteArray tempName =
        QFile::encodeName(folder + QLatin1String("/.") + info.fileName()) + ".XXXXXX";
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) {
        setError(error, folderProblem(folder, errno));
        return false;
    }
    bool closed = false;
    const auto fail = [&](const QString &reason) {
        if (!closed)
            ::close(fd);
        ::unlink(tempName.constData());
        setError(error, reason);
        return false;
    };

    {
        QFile file;
        if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                       QFileDevice::DontCloseHandle))
            return fail(SystemError::reason(EIO));
        errno = 0;
        const bool complete = writer ? writer(file, data) : writeAll(file, data);
        const int writeError = errno;
        if (!complete) {
            if (file.error() != QFileDevice::NoError && writeError != 0)
                return fail(SystemError::reason(writeError));
            return fail(tr("записаны не все данные (возможно, диск переполнен)"));
        }
    }

    copyOwnership(fd, exists ? &old : nullptr, targetName);
    // The data must be on the disk before the new file takes the old one's
    // place: a failing disk or network share reports it here, or at close.
    if (::fdatasync(fd) != 0)
        return fail(SystemError::reason(errno));
    closed = true;
    if (::close(fd) != 0)
        return fail(SystemError::reason(errno));
    if (::rename(tempName.constData(), targetName.constData()) != 0)
        return fail(SystemError::reason(errno));

    // The new name itself reaches the disk with the folder: best effort.
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

QString proposedFileName(const QString &documentName)
{
    QString name = documentName.isEmpty() ? tr("Без_имени") : documentName;
    return name.replace(QLatin1Char('/'), QLatin1Char('_'));
}

QString withHtmlSuffix(const QString &fileName)
{
    return withSuffix(fileName, QStringLiteral(".html"));
}

QString withSuffix(const QString &fileName, const QString &suffix)
{
    return fileName.endsWith(suffix) ? fileName : fileName + suffix;
}

} // namespace SafeWrite
