#include "app/instancelink.h"

#include "app/instancemessage.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The address of a socket at that path; false when the path is too long.
bool addressOf(const QByteArray &path, sockaddr_un *address)
{
    *address = sockaddr_un{};
    address->sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof(address->sun_path))
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

int newSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0); }

// Waits until the socket is ready for that, or the deadline passes.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd entry{fd, events, 0};
    int ready;
    do {
        ready = ::poll(&entry, 1, int(qMax<qint64>(0, deadline.remainingTime())));
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// A connected socket to the program listening at that path, or -1; with
// `busy`, whether one listens there but takes no one just now.
int connectTo(const QByteArray &path, const QDeadlineTimer &deadline, bool *busy = nullptr)
{
    sockaddr_un address;
    if (!addressOf(path, &address))
        return -1;
    const int fd = newSocket();
    if (fd < 0)
        return -1;
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0)
            return fd;
        const int error = errno;
        if (busy)
            *busy = error == EAGAIN;
        // A listener whose queue is full is alive and may take us shortly.
        if (error != EINTR && (error != EAGAIN || deadline.hasExpired())) {
            ::close(fd);
            return -1;
        }
        if (error == EAGAIN)
            ::usleep(5000);
    }
}

bool sendAll(int fd, const QByteArray &bytes, const QDeadlineTimer &deadline)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n =
            ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if ((n < 0 && errno != EAGAIN && errno != EINTR) || !waitFor(fd, POLLOUT, deadline))
            return false;
    }
    return true;
}

// A socket bound at that path that only this user can reach: it is bound
// and made private in a folder of its own, then moved into place, so that
// no one else can connect in between.
int privateListener(const QByteArray &path)
{
    sockaddr_un address;
    if (!addressOf(path, &address))
        return -1;
    QByteArray folder = path + ".XXXXXX";
    if (!::mkdtemp(folder.data()))
        return -1;
    const QByteArray inside = folder + "/s";
    int fd = newSocket();
    sockaddr_un bound;
    if (fd >= 0
        && !(addressOf(inside, &bound)
             && ::bind(fd, reinterpret_cast<const sockaddr *>(&bound), sizeof(bound)) == 0
             && ::chmod(inside.constData(), S_IRUSR | S_IWUSR) == 0 && ::listen(fd, 16) == 0
             && ::rename(inside.constData(), path.constData()) == 0)) {
        ::close(fd);
        fd = -1;
    }
    ::unlink(inside.constData());
    ::rmdir(folder.constData());
    return fd;
}

// A later start talking to this one: its socket, watched for what it sends,
// and what it sent so far. The socket is closed with it.
class Connection : public QSocketNotifier
{
public:
    Connection(int fd, QObject *parent) : QSocketNotifier(qintptr(fd), Read, parent), m_fd(fd) { }
    ~Connection() override { ::close(m_fd); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    int fd() const { return m_fd; }
    QByteArray received;

private:
    const int m_fd;
};

} // namespace

QString InstanceLink::defaultName() { return QStringLiteral("rationix-%1").arg(::getuid()); }

InstanceLink::InstanceLink(const QString &name, QObject *parent)
    : QObject(parent), m_path(QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + name))
{ }

InstanceLink::~InstanceLink()
{
    if (m_listener >= 0) {
        delete m_notifier;
        ::close(m_listener);
        ::unlink(m_path.constData());
    }
}

bool InstanceLink::sendToRunning(const QStringList &paths, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    const int fd = connectTo(m_path, deadline);
    if (fd < 0)
        return false;
    QByteArray answer;
    if (sendAll(fd, InstanceMessage::encode(paths), deadline)) {
        // The running program answers once it has the whole message.
        char bytes[8];
        while (answer.size() < 3 && waitFor(fd, POLLIN, deadline)) {
            const ssize_t n = ::recv(fd, bytes, sizeof(bytes), 0);
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
                break;
            if (n > 0)
                answer.append(bytes, n);
        }
    }
    ::close(fd);
    return answer.startsWith("OK");
}

bool InstanceLink::listen()
{
    if (m_listener >= 0)
        return true;
    // A program that is alive, even one that did not answer in time, keeps
    // its socket: listening in its place would silently cut it off. One
    // that nobody listens on was left by a program that is gone.
    bool busy = false;
    const int probe = connectTo(m_path, QDeadlineTimer(0), &busy);
    if (probe >= 0 || busy) {
        if (probe >= 0)
            ::close(probe);
        return false;
    }
    ::unlink(m_path.constData());
    m_listener = privateListener(m_path);
    if (m_listener < 0)
        return false;
    m_notifier = new QSocketNotifier(qintptr(m_listener), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InstanceLink::acceptConnections);
    return true;
}

void InstanceLink::acceptConnections()
{
    int connection;
    while ((connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK))
           >= 0)
        serve(connection);
}

void InstanceLink::serve(int fd)
{
    auto *connection = new Connection(fd, this);
    // A client that never finishes its message is dropped.
    QTimer::singleShot(10000, connection, &QObject::deleteLater);
    connect(connection, &QSocketNotifier::activated, this, [this, connection] {
        char bytes[4096];
        ssize_t n;
        while ((n = ::recv(connection->fd(), bytes, sizeof(bytes), 0)) > 0)
            connection->received.append(bytes, n);
        const bool ended = n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR);
        const bool tooLong = connection->received.size() > InstanceMessage::MaxSize;
        const std::optional<QStringList> paths =
            tooLong ? std::nullopt : InstanceMessage::decode(connection->received);
        if (paths)
            ::send(connection->fd(), "OK\n", 3, MSG_NOSIGNAL);
        if (paths || ended || tooLong) {
            connection->setEnabled(false);
            connection->deleteLater();
        }
        if (paths)
            Q_EMIT filesReceived(*paths);
    });
}
