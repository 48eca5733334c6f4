#include "core/platform/keptfile.h"

#include "core/platform/filelock.h"
#include "core/platform/plainfile.h"
#include "core/platform/safewrite.h"
#include "core/platform/systemerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace {

// Makes the folder and those above it; false with the folder named and the
// system's reason when one of them cannot be made.
bool makeFolder(const QString &folder, QString *error)
{
    if (QDir().mkpath(folder))
        return true;
    // mkpath does not say why: ask the first folder on the way that is missing.
    QString first = folder;
    for (QString up = QFileInfo(first).path(); up != first && !QFileInfo::exists(up);
         up = QFileInfo(first).path())
        first = up;
    int code = ::mkdir(QFile::encodeName(first).constData(), 0777) == 0 ? EIO : errno;
    if (code == EEXIST) // something that is no folder stands in its place
        code = ENOTDIR;
    if (error)
        *error = KeptFile::tr("не удалось создать папку «%1»: %2")
                     .arg(QDir::toNativeSeparators(folder), SystemError::reason(code));
    return false;
}

} // namespace

KeptFile::KeptFile(const QString &path, qint64 maxSize) : m_path(path), m_maxSize(maxSize) { }

bool KeptFile::read(QByteArray *bytes, QString *unreadable) const
{
    PlainFile::Read file = PlainFile::read(m_path, m_maxSize);
    if (file.status == PlainFile::Read::Refused) {
        *unreadable = file.reason;
        bytes->clear();
        return false;
    }
    *bytes = std::move(file.bytes);
    return true;
}

bool KeptFile::update(const Change &change, QString *error) const
{
    if (!makeFolder(QFileInfo(m_path).absolutePath(), error))
        return false;
    // Held across read, change and rename: another program's change waits
    // for ours and then reads it, rather than writing over it.
    FileLock lock(m_path);
    if (!lock.lock(LockWaitMs, error))
        return false;
    QByteArray bytes;
    QString unreadable;
    if (!read(&bytes, &unreadable)) {
        // Writing now would put the few new records in place of all those
        // the file holds.
        if (error)
            *error = tr("не удалось прочитать файл «%1»: %2")
                         .arg(QDir::toNativeSeparators(m_path), unreadable);
        return false;
    }
    QByteArray written;
    bool damaged = false;
    if (!change(bytes, &written, &damaged, error))
        return false;
    if (damaged && QFile::exists(m_path)) {
        const QString backup = m_path + QStringLiteral(".bak");
        QFile::remove(backup);
        if (!QFile::copy(m_path, backup)) {
            if (error)
                *error = tr("не удалось сохранить копию повреждённого файла «%1»").arg(backup);
            return false;
        }
    }
    return SafeWrite::writeFile(m_path, written, error);
}
