#include "core/platform/plainfile.h"

#include "core/platform/systemerror.h"
#include "core/platform/trcontext.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlainFile {

TR_CONTEXT(PlainFile)

namespace {

constexpr qint64 Kilobyte = 1024;
constexpr qint64 Megabyte = Kilobyte * 1024;

Read refused(const QString &reason)
{
    Read read;
    read.status = Read::Refused;
    read.reason = reason;
    return read;
}

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

QString sizeText(qint64 bytes)
{
    if (bytes >= Megabyte && bytes % Megabyte == 0)
        return tr("%1 МБ").arg(bytes / Megabyte);
    if (bytes >= Kilobyte && bytes % Kilobyte == 0)
        return tr("%1 КБ").arg(bytes / Kilobyte);
    return tr("%1 байт").arg(bytes);
}

namespace {

// Opens the path without waiting and checks what is there; a file that may
// be read is left open in *file.
Read opened(const QString &path, qint64 maxSize, Descriptor *file, struct stat *st)
{
    file->fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file->fd < 0)
        return errno == ENOENT ? Read() : refused(SystemError::reason(errno));
    if (::fstat(file->fd, st) != 0)
        return refused(SystemError::reason(errno));
    if (S_ISDIR(st->st_mode))
        return refused(SystemError::reason(EISDIR));
    if (!S_ISREG(st->st_mode))
        return refused(tr("это не обычный файл"));
    if (st->st_size > maxSize)
        return refused(tr("файл больше %1").arg(sizeText(maxSize)));
    Read ok;
    ok.status = Read::Ok;
    return ok;
}

} // namespace

Read check(const QString &path, qint64 maxSize)
{
    Descriptor file{-1};
    struct stat st {
    };
    return opened(path, maxSize, &file, &st);
}

Read read(const QString &path, qint64 maxSize)
{
    Descriptor file{-1};
    struct stat st {
    };
    if (Read checked = opened(path, maxSize, &file, &st); checked.status != Read::Ok)
        return checked;
    ::fcntl(file.fd, F_SETFL, ::fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);

    // The file may grow while it is read: one byte past the limit tells.
    Read result;
    result.status = Read::Ok;
    result.bytes.resize(qsizetype(st.st_size) + 1);
    qsizetype done = 0;
    while (done < result.bytes.size()) {
        const ssize_t n =
            ::read(file.fd, result.bytes.data() + done, size_t(result.bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return refused(SystemError::reason(errno));
        if (n == 0)
            break;
        done += n;
        if (done == result.bytes.size() && done <= maxSize)
            result.bytes.resize(qMin(maxSize + 1, done * 2));
    }
    if (done > maxSize)
        return refused(tr("файл больше %1").arg(sizeText(maxSize)));
    result.bytes.truncate(done);
    return result;
}

} // namespace PlainFile
