// Two starts of the program talking over the user's local socket: the later
// one hands its files to the first and is told they arrived.

#include "core/platform/instancemessage.h"
#include "gui/app/instancelink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Sends from another thread, as a second program would, while this thread
// runs the first program's event loop.
class Sender : public QThread
{
public:
    Sender(const QString &name, const QStringList &paths) : m_name(name), m_paths(paths) { }
    bool sent = false;

protected:
    void run() override { sent = InstanceLink(m_name).sendToRunning(m_paths, 5000); }

private:
    QString m_name;
    QStringList m_paths;
};

} // namespace

class TestInstanceLink : public QObject
{
    Q_OBJECT

    QString name() const
    {
        return QStringLiteral("rationix-test-%1").arg(QCoreApplication::applicationPid());
    }

    QString socketPath() const { return InstanceLink::socketFolder() + QLatin1Char('/') + name(); }

    // The address of the link's socket; none when its path is too long for
    // one.
    std::optional<sockaddr_un> socketAddress() const
    {
        const QByteArray path = QFile::encodeName(socketPath());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(path.size()) >= sizeof(address.sun_path))
            return std::nullopt;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        return address;
    }

    // A socket bound at the link's place by someone else, after whatever was
    // there is removed; -1 when that cannot be done.
    int boundSocket() const
    {
        QFile::remove(socketPath());
        const std::optional<sockaddr_un> address = socketAddress();
        if (!address)
            return -1;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd >= 0
            && ::bind(fd, reinterpret_cast<const sockaddr *>(&*address), sizeof(*address)) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    bool sendFromThread(const QStringList &paths)
    {
        Sender sender(name(), paths);
        sender.start();
        while (!sender.wait(10))
            QCoreApplication::processEvents();
        return sender.sent;
    }

private Q_SLOTS:
    void nobodyRunning()
    {
        QFile::remove(socketPath());
        QVERIFY(!InstanceLink(name()).sendToRunning({QStringLiteral("/a.html")}, 500));
    }

    void filesReachTheRunningProgram_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("none: only show") << QStringList{};
        QTest::newRow("two") << QStringList{"/home/u/Завтрак.html", "/tmp/b c.html"};
        QStringList many;
        for (int i = 0; i < 500; ++i)
            many.append(QStringLiteral("/путь/к/рациону номер %1.html").arg(i));
        QTest::newRow("many") << many;
    }
    void filesReachTheRunningProgram()
    {
        QFETCH(QStringList, paths);
        InstanceLink first(name());
        QVERIFY(first.listen());
        QSignalSpy received(&first, &InstanceLink::filesReceived);
        QVERIFY(sendFromThread(paths));
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received[0][0].toStringList(), paths);
    }

    // A socket left by a program that crashed does not stop the next one.
    void leftOverSocketTakenOver()
    {
        // A socket bound and never removed, as a crash leaves it.
        const int fd = boundSocket();
        QVERIFY(fd >= 0);
        ::close(fd);
        QVERIFY(QFile::exists(socketPath()));
        QVERIFY(!InstanceLink(name()).sendToRunning({}, 500));

        InstanceLink link(name());
        QVERIFY(link.listen());
        QSignalSpy received(&link, &InstanceLink::filesReceived);
        QVERIFY(sendFromThread({QStringLiteral("/x.html")}));
        QTRY_COMPARE(received.size(), 1);
    }

    // Something else at the socket's place is left there, and the program
    // then runs on its own.
    void othersFilesKept_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("plain file") << "file";
        QTest::newRow("fifo") << "fifo";
    }
    void othersFilesKept()
    {
        QFETCH(QString, kind);
        const QByteArray path = QFile::encodeName(socketPath());
        QFile::remove(socketPath());
        if (kind == "file")
            QVERIFY(QFile(socketPath()).open(QIODevice::WriteOnly));
        else
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        const auto remove = qScopeGuard([this] { QFile::remove(socketPath()); });
        QVERIFY(!InstanceLink(name()).listen());
        struct stat info;
        QCOMPARE(::lstat(path.constData(), &info), 0);
        QCOMPARE(S_ISREG(info.st_mode), kind == "file");
    }

    // The session's folder when it is the user's alone, else the temporary
    // folder.
    void socketFolder_data()
    {
        QTest::addColumn<QString>("runtime"); // made with mode 0700 unless "open"
        QTest::addColumn<bool>("used");
        QTest::newRow("private") << "private" << true;
        QTest::newRow("open to others") << "open" << false;
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("unset") << "" << false;
    }
    void socketFolder()
    {
        QFETCH(QString, runtime);
        QFETCH(bool, used);
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([&] {
            if (wasSet)
                qputenv("XDG_RUNTIME_DIR", saved);
            else
                qunsetenv("XDG_RUNTIME_DIR");
        });
        QTemporaryDir dir;
        const QString folder = dir.filePath(runtime);
        if (runtime == "private" || runtime == "open") {
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(QFile::setPermissions(folder,
                                          runtime == "open" ? QFile::Permissions(0x7755)
                                                            : QFile::Permissions(0x7700)));
        }
        if (runtime.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
        QCOMPARE(InstanceLink::socketFolder(), used ? folder : QDir::tempPath());
        InstanceLink link(name());
        QVERIFY(link.listen());
        QVERIFY(QFileInfo::exists(socketPath()));
    }

    // Only the user can reach the socket, whatever the files they make
    // usually allow.
    void socketIsTheUsersOnly()
    {
        const mode_t before = ::umask(022);
        const auto restore = qScopeGuard([before] { ::umask(before); });
        InstanceLink link(name());
        QVERIFY(link.listen());
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(socketPath()).constData(), &info), 0);
        QVERIFY(S_ISSOCK(info.st_mode));
        QCOMPARE(info.st_mode & (S_IRWXG | S_IRWXO), mode_t(0));
    }

    // A link removes its socket as it ends, but not one that a later start
    // put in its place since.
    void socketRemovedWhileItsOwn_data()
    {
        QTest::addColumn<bool>("replaced");
        QTest::newRow("its own") << false;
        QTest::newRow("put there since") << true;
    }
    void socketRemovedWhileItsOwn()
    {
        QFETCH(bool, replaced);
        int other = -1;
        {
            InstanceLink link(name());
            QVERIFY(link.listen());
            if (replaced)
                other = boundSocket();
        }
        QCOMPARE(QFile::exists(socketPath()), replaced);
        if (other >= 0)
            ::close(other);
        QFile::remove(socketPath());
    }

    // A program too busy to take a connection is still alive: a new start
    // leaves its socket alone.
    void busyProgramKeepsItsSocket()
    {
        const int fd = boundSocket();
        QVERIFY(fd >= 0);
        QList<int> waiting;
        const auto cleanUp = qScopeGuard([&] {
            for (const int client : waiting)
                ::close(client);
            ::close(fd);
            QFile::remove(socketPath());
        });
        QCOMPARE(::listen(fd, 0), 0);
        // Clients that are never accepted, until the queue is full.
        const std::optional<sockaddr_un> address = socketAddress();
        QVERIFY(address);
        int refused = 0;
        for (int i = 0; i < 64 && refused == 0; ++i) {
            const int client = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            QVERIFY(client >= 0);
            waiting.append(client);
            if (::connect(client, reinterpret_cast<const sockaddr *>(&*address), sizeof(*address))
                != 0)
                refused = errno;
        }
        QCOMPARE(refused, EAGAIN);
        QVERIFY(!InstanceLink(name()).listen());
        QVERIFY(QFile::exists(socketPath()));
    }

    // A socket another user put in the link's place first is neither sent
    // the files nor taken over: the program runs on its own.
    void anotherUsersSocketIgnored()
    {
        if (::getuid() != 0)
            QSKIP("Only root can listen as another user here.");
        // Another user can reach only the shared temporary folder, the place
        // of the link when the session has no private folder.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([&] {
            if (!runtime.isNull())
                qputenv("XDG_RUNTIME_DIR", runtime);
        });
        QFile::remove(socketPath());
        const QByteArray path = QFile::encodeName(socketPath());
        const std::optional<sockaddr_un> address = socketAddress();
        QVERIFY(address);
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const pid_t other = ::fork();
        if (other == 0) {
            // As nobody: listen, say so, and take whatever comes, as a
            // program lying in wait would.
            ::close(ready[0]);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const bool listening = ::setuid(65534) == 0
                && ::bind(fd, reinterpret_cast<const sockaddr *>(&*address), sizeof(*address)) == 0
                && ::chmod(path.constData(), 0777) == 0 && ::listen(fd, 8) == 0;
            const char answer = listening ? 'y' : 'n';
            if (::write(ready[1], &answer, 1) == 1) {
                for (int client; (client = ::accept(fd, nullptr, nullptr)) >= 0; ::close(client)) {
                    char bytes[4096];
                    if (::read(client, bytes, sizeof(bytes)) > 0 && ::write(client, "OK\n", 3) < 0)
                        break;
                }
            }
            ::_exit(0);
        }
        // The other program never ends by itself. It is killed outright: it
        // has the test's crash handler, which would report a termination
        // request as a crash. Its end of the pipe is its own, so one that
        // ended without a word is read as nothing rather than waited for.
        ::close(ready[1]);
        const auto cleanUp = qScopeGuard([&] {
            if (other > 0) {
                ::kill(other, SIGKILL);
                ::waitpid(other, nullptr, 0);
            }
            ::close(ready[0]);
            QFile::remove(socketPath());
        });
        QVERIFY(other > 0);
        char answer = 0;
        QCOMPARE(::read(ready[0], &answer, 1), ssize_t(1));
        QCOMPARE(answer, 'y');
        QVERIFY(!InstanceLink(name()).sendToRunning({QStringLiteral("/secret.html")}, 500));
        QVERIFY(!InstanceLink(name()).listen());
        QVERIFY(QFile::exists(socketPath()));
    }

    // A second link on a name in use leaves the first one serving.
    void secondListenerRefused()
    {
        InstanceLink first(name());
        QVERIFY(first.listen());
        InstanceLink second(name());
        QVERIFY(!second.listen());
        QSignalSpy received(&first, &InstanceLink::filesReceived);
        QVERIFY(sendFromThread({QStringLiteral("/c.html")}));
        QTRY_COMPARE(received.size(), 1);
    }

    // A client that sends rubbish or stops half way is not taken for a
    // request, and the link still serves the next one.
    void brokenClients_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("rubbish") << QByteArray("GET / HTTP/1.0\r\n\r\n");
        QTest::newRow("cut short") << InstanceMessage::encode({"/a.html"}).left(20);
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("longer than any message") << QByteArray(InstanceMessage::MaxSize + 1, '/');
    }
    void brokenClients()
    {
        QFETCH(QByteArray, bytes);
        InstanceLink link(name());
        QVERIFY(link.listen());
        QSignalSpy received(&link, &InstanceLink::filesReceived);
        {
            QLocalSocket socket;
            socket.connectToServer(socketPath());
            QVERIFY(socket.waitForConnected(2000));
            socket.write(bytes);
            socket.flush();
            QTest::qWait(50);
            socket.disconnectFromServer();
        }
        QTest::qWait(50);
        QCOMPARE(received.size(), 0);
        QVERIFY(sendFromThread({QStringLiteral("/b.html")}));
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received[0][0].toStringList(), QStringList{"/b.html"});
    }
};

QTEST_GUILESS_MAIN(TestInstanceLink)
#include "tst_instancelink.moc"
