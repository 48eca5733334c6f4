#include "core/platform/filelock.h"

#include "core/platform/systemerror.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int PollMs = 50;
} // namespace

FileLock::FileLock(const QString &guarded)
    : m_guarded(guarded), m_path(guarded + QStringLiteral(".lock"))
{ }

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the last descriptor lets the lock go
}

bool FileLock::lock(int waitMs, QString *error)
{
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = tr("не удалось занять файл блокировки «%1»: %2")
                         .arg(QDir::toNativeSeparators(m_path), reason);
        return false;
    };
    if (m_fd < 0) {
        // Opened without waiting and only as a regular file: whatever else
        // stands there must not block us.
        m_fd = ::open(QFile::encodeName(m_path).constData(),
                      O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
        if (m_fd < 0)
            return fail(SystemError::reason(errno));
        struct stat st {
        };
        if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(m_fd);
            m_fd = -1;
            return fail(tr("это не обычный файл"));
        }
    }
    const QDeadlineTimer deadline(waitMs);
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return fail(SystemError::reason(errno));
        if (deadline.hasExpired()) {
            if (error)
                *error = tr("файл «%1» сейчас изменяет другая программа Rationix; попробуйте "
                            "ещё раз через несколько секунд")
                             .arg(QDir::toNativeSeparators(m_guarded));
            return false;
        }
        QThread::msleep(PollMs);
    }
    return true;
}
