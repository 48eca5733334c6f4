#include "app/instancelink.h"

#include "app/instancemessage.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <climits>
#include <cstring>
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

// Whether the other end of the connection runs as this user: the socket's
// name is known to every user, and anyone may have put one there first.
bool sameUser(int fd)
{
    ucred peer{};
    socklen_t size = sizeof(peer);
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

// Waits until the socket is ready for that, or the deadline passes.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd entry{fd, events, 0};
    int ready;
    do {
        const int timeout = deadline.isForever()
            ? -1
            : int(qBound(qint64(0), deadline.remainingTime(), qint64(INT_MAX)));
        ready = ::poll(&entry, 1, timeout);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// A connected socket to a program of this user listening at that path, or
// -1 with the reason in `error`: ENOENT (no socket), ECONNREFUSED (nobody
// listens), EAGAIN (one listens but takes no one just now), EACCES (another
// user's) or another error.
int connectTo(const QByteArray &path, const QDeadlineTimer &deadline, int *error)
{
    sockaddr_un address;
    *error = ENAMETOOLONG;
    if (!addressOf(path, &address))
        return -1;
    const int fd = newSocket();
    *error = errno;
    if (fd < 0)
        return -1;
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0) {
            if (sameUser(fd))
                return fd;
            *error = EACCES;
            break;
        }
        *error = errno;
        // A listener whose queue is full is alive and may take us shortly.
        if (*error != EINTR && (*error != EAGAIN || deadline.hasExpired()))
            break;
        if (*error == EAGAIN)
            ::usleep(5000);
    }
    ::close(fd);
    return -1;
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

// A socket listening at that path that only this user can reach, or -1. It
// is bound, made private and set listening in a folder of its own, then
// linked into place, so that no one else can connect in between; linking
// fails when another start put its socket there first. `socket` gets the
// socket file's stamp.
int privateListener(const QByteArray &path, FileStamp *socket)
{
    QByteArray folder = path.left(path.lastIndexOf('/') + 1) + "rXXXXXX";
    if (!::mkdtemp(folder.data()))
        return -1;
    const QByteArray inside = folder + "/s";
    int fd = newSocket();
    sockaddr_un bound;
    if (fd >= 0
        && !(addressOf(inside, &bound)
             && ::bind(fd, reinterpret_cast<const sockaddr *>(&bound), sizeof(bound)) == 0
             && ::chmod(inside.constData(), S_IRUSR | S_IWUSR) == 0 && ::listen(fd, 16) == 0
             && ::link(inside.constData(), path.constData()) == 0)) {
        ::close(fd);
        fd = -1;
    }
    *socket = FileStamp::of(QFile::decodeName(inside));
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
    ~Connection() override
    {
        setEnabled(false);
        ::close(m_fd);
    }
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
    if (m_listener < 0)
        return;
    delete m_notifier;
    // Only the socket this link put there: a later start may have taken
    // the name over since.
    const FileStamp now = FileStamp::of(QFile::decodeName(m_path));
    if (now.exists && now.device == m_socket.device && now.inode == m_socket.inode)
        ::unlink(m_path.constData());
    ::close(m_listener);
}

bool InstanceLink::sendToRunning(const QStringList &paths, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    int error;
    const int fd = connectTo(m_path, deadline, &error);
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
    // A program that is alive, even one too busy to answer, keeps its
    // socket: listening in its place would silently cut it off; so does a
    // socket of another user. One that nobody listens on was left by a
    // program that is gone.
    int error;
    const int probe = connectTo(m_path, QDeadlineTimer(0), &error);
    if (probe >= 0) {
        ::close(probe);
        return false;
    }
    if (error == ECONNREFUSED)
        ::unlink(m_path.constData());
    else if (error != ENOENT)
        return false;
    m_listener = privateListener(m_path, &m_socket);
    if (m_listener < 0)
        return false;
    m_notifier = new QSocketNotifier(qintptr(m_listener), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InstanceLink::acceptConnections);
    return true;
}

void InstanceLink::acceptConnections()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0) {
            if (sameUser(fd))
                serve(fd);
            else
                ::close(fd);
        } else if (errno != EINTR && errno != ECONNABORTED) {
            // Out of descriptors or memory: the waiting connection would
            // wake the link at once again, so it listens again a moment
            // later.
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                m_notifier->setEnabled(false);
                QTimer::singleShot(200, m_notifier, [this] { m_notifier->setEnabled(true); });
            }
            return;
        }
    }
}

void InstanceLink::serve(int fd)
{
    auto *connection = new Connection(fd, this);
    // A client that never finishes its message is dropped.
    QTimer::singleShot(10000, connection, &QObject::deleteLater);
    connect(connection, &QSocketNotifier::activated, this, [this, connection] {
        char bytes[4096];
        ssize_t n = -1;
        while (connection->received.size() <= InstanceMessage::MaxSize
               && (n = ::recv(connection->fd(), bytes, sizeof(bytes), 0)) > 0)
            connection->received.append(bytes, n);
        const bool tooLong = connection->received.size() > InstanceMessage::MaxSize;
        const bool ended = !tooLong && (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR));
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
