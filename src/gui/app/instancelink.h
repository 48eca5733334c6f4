#pragma once

#include "core/platform/filestamp.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

class QSocketNotifier;

// One running program per user session: the first start listens on a local
// socket of a name that is the user's own, and a later start hands its files
// to it there and ends. A socket left behind by a program that crashed is
// taken over. The socket lives in the session's own folder
// ($XDG_RUNTIME_DIR), or else in the temporary folder, reachable by the
// user only.
class InstanceLink : public QObject
{
    Q_OBJECT

public:
    explicit InstanceLink(const QString &name = defaultName(), QObject *parent = nullptr);
    ~InstanceLink() override;

    // Sends the files to a running program; true when one took them, in
    // which case this start should end.
    bool sendToRunning(const QStringList &paths, int timeoutMs = 3000) const;
    // Starts listening for later starts; false when that is impossible (the
    // program then simply runs on its own).
    bool listen();

    static QString defaultName();
    // Where the socket lives: $XDG_RUNTIME_DIR when it is a folder of this
    // user's only, else the temporary folder.
    static QString socketFolder();

Q_SIGNALS:
    // A later start asked to open these files (none: only to be shown).
    void filesReceived(const QStringList &paths);

private:
    void acceptConnections();
    void serve(int fd);

    QByteArray m_path;
    // The listening socket, closed with it.
    QSocketNotifier *m_listener = nullptr;
    // The socket file this link put in place.
    FileStamp m_socket;
};
