#pragma once

// A FIFO made at a path for a test of code that must not wait on one. Were
// the code to open it and wait for the other end, a helper thread opens and
// closes both ends every RescueMs, so that the wait ends (a reader sees an
// empty file, a writer a broken pipe) and the test fails rather than hangs.

#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class Fifo
{
public:
    static constexpr int RescueMs = 1500;

    explicit Fifo(const QString &path) : m_path(QFile::encodeName(path))
    {
        m_made = ::mkfifo(m_path.constData(), 0600) == 0;
        m_rescuer = std::thread([this] {
            std::unique_lock<std::mutex> lock(m_mutex);
            while (!m_cv.wait_for(lock, std::chrono::milliseconds(RescueMs),
                                  [this] { return m_done; })) {
                const int reader = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK);
                const int writer = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
                for (const int fd : {writer, reader}) {
                    if (fd >= 0)
                        ::close(fd);
                }
            }
        });
    }
    ~Fifo()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_cv.notify_all();
        m_rescuer.join();
        ::unlink(m_path.constData());
    }
    Fifo(const Fifo &) = delete;
    Fifo &operator=(const Fifo &) = delete;

    bool isMade() const { return m_made; }

private:
    QByteArray m_path;
    bool m_made = false;
    bool m_done = false;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::thread m_rescuer;
};

// Whether a call returned well before a rescue of a FIFO it waited on.
template <typename Call> bool returnsAtOnce(Call call)
{
    QElapsedTimer timer;
    timer.start();
    call();
    return timer.elapsed() < Fifo::RescueMs / 2;
}
