#include "core/platform/filestamp.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

FileStamp FileStamp::of(const QString &path)
{
    struct stat st {
    };
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return FileStamp();
    return of(st);
}

FileStamp FileStamp::of(const struct stat &st)
{
    FileStamp stamp;
    stamp.exists = true;
    stamp.size = qint64(st.st_size);
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + qint64(st.st_mtim.tv_nsec);
    stamp.inode = quint64(st.st_ino);
    stamp.device = quint64(st.st_dev);
    return stamp;
}

namespace {
QString absolute(const QString &path) { return QFileInfo(path).absoluteFilePath(); }
} // namespace

void DocumentFile::take(const QString &filePath) { take(filePath, FileStamp::of(filePath)); }

void DocumentFile::take(const QString &filePath, const FileStamp &read)
{
    path = absolute(filePath);
    stamp = read;
}

bool DocumentFile::changedOnDisk(const QString &filePath) const
{
    return !path.isEmpty() && absolute(filePath) == path && FileStamp::of(path) != stamp;
}
