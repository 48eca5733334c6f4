#include "gui/app/instancelink.h"

#include "core/platform/instancemessage.h"

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
        // -1 when the deadline is forever, as poll() takes it.
        ready = ::poll(&entry, 1, int(qMin(deadline.remainingTime(), qint64(INT_MAX))));
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// A connected socket to a program of this user listening at that path, or
// the reason there is none as a negative error: -ENOENT (no socket),
// -ECONNREFUSED (nobody listens), -EAGAIN (one listens but takes no one just
// now), -EACCES (another user's) or another error.
int connectTo(const QByteArray &path, const QDeadlineTimer &deadline)
{
    sockaddr_un address;
    if (!addressOf(path, &address))
        return -ENAMETOOLONG;
    const int fd = newSocket();
    if (fd < 0)
        return -errno;
    int error;
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0) {
            if (sameUser(fd))
                return fd;
            error = EACCES;
            break;
        }
        error = errno;
        // A listener whose queue is full is alive and may take us shortly.
        if (error != EINTR && (error != EAGAIN || deadline.hasExpired()))
            break;
        if (error == EAGAIN)
            ::usleep(5000);
    }
    ::close(fd);
    return -error;
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
    if (fd >= 0)
        *socket = FileStamp::of(QFile::decodeName(inside));
    ::unlink(inside.constData());
    ::rmdir(folder.constData());
    return fd;
}

// A socket watched for reading, closed as the watch ends: the listener, and
// each later start talking to this one.
class OwnedSocket : public QSocketNotifier
{
public:
    OwnedSocket(int fd, QObject *parent) : QSocketNotifier(qintptr(fd), Read, parent) { }
    ~OwnedSocket() override
    {
        setEnabled(false);
        ::close(fd());
    }
    OwnedSocket(const OwnedSocket &) = delete;
    OwnedSocket &operator=(const OwnedSocket &) = delete;

    int fd() const { return int(socket()); }
};

} // namespace

QString InstanceLink::defaultName() { return QStringLiteral("rationix-%1").arg(::getuid()); }

QString InstanceLink::socketFolder()
{
    // The session's own folder, when it is what it should be: a folder of
    // this user that no one else may enter.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat st {
    };
    if (runtime.startsWith('/') && ::stat(runtime.constData(), &st) == 0 && S_ISDIR(st.st_mode)
        && st.st_uid == ::getuid() && (st.st_mode & (S_IRWXG | S_IRWXO)) == 0)
        return QFile::decodeName(runtime);
    return QDir::tempPath();
}

InstanceLink::InstanceLink(const QString &name, QObject *parent)
    : QObject(parent), m_path(QFile::encodeName(socketFolder() + QLatin1Char('/') + name))
{ }

InstanceLink::~InstanceLink()
{
    if (!m_listener)
        return;
    // Only the socket this link put there: a later start may have taken
    // the name over since.
    if (FileStamp::of(QFile::decodeName(m_path)).sameFile(m_socket))
        ::unlink(m_path.constData());
    delete m_listener;
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
    if (m_listener)
        return true;
    // A program that is alive, even one too busy to answer, keeps its
    // socket: listening in its place would silently cut it off; so does a
    // socket of another user. A socket of ours that nobody listens on was
    // left by a program that is gone; anything else refuses a connection
    // too, and is not ours to remove.
    const int probe = connectTo(m_path, QDeadlineTimer(0));
    if (probe >= 0) {
        ::close(probe);
        return false;
    }
    if (probe == -ECONNREFUSED) {
        struct stat st {
        };
        if (::lstat(m_path.constData(), &st) != 0 || !S_ISSOCK(st.st_mode)
            || st.st_uid != ::getuid())
            return false;
        ::unlink(m_path.constData());
    } else if (probe != -ENOENT) {
        return false;
    }
    const int fd = privateListener(m_path, &m_socket);
    if (fd < 0)
        return false;
    m_listener = new OwnedSocket(fd, this);
    connect(m_listener, &QSocketNotifier::activated, this, &InstanceLink::acceptConnections);
    return true;
}

void InstanceLink::acceptConnections()
{
    for (;;) {
        const int fd =
            ::accept4(int(m_listener->socket()), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
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
                m_listener->setEnabled(false);
                QTimer::singleShot(200, m_listener, [this] { m_listener->setEnabled(true); });
            }
            return;
        }
    }
}

void InstanceLink::serve(int fd)
{
    auto *connection = new OwnedSocket(fd, this);
    // A client that never finishes its message is dropped.
    QTimer::singleShot(10000, connection, &QObject::deleteLater);
    // What it sent so far.
    QByteArray received;
    connect(connection, &QSocketNotifier::activated, this, [this, connection, received]() mutable {
        char bytes[4096];
        ssize_t n = -1;
        while (received.size() <= InstanceMessage::MaxSize
               && (n = ::recv(connection->fd(), bytes, sizeof(bytes), 0)) > 0)
            received.append(bytes, n);
        const bool tooLong = received.size() > InstanceMessage::MaxSize;
        const bool ended = !tooLong && (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR));
        const std::optional<QStringList> paths =
            tooLong ? std::nullopt : InstanceMessage::decode(received);
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
