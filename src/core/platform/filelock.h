#pragma once

#include <QCoreApplication>
#include <QString>

// An advisory lock that programs of ours take on a lock file before they
// read, change and replace a shared file, so that two of them changing it
// at the same time do not lose one change. The lock goes when the object
// does, or when the process ends, however it ends.
class FileLock
{
    Q_DECLARE_TR_FUNCTIONS(FileLock)

public:
    // The lock file beside the file it guards: "products.tsv.lock".
    explicit FileLock(const QString &guarded);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Takes the lock, waiting up to waitMs for another program to let it
    // go; false with a reason (in Russian) when it cannot be had.
    bool lock(int waitMs, QString *error);

    QString path() const { return m_path; }

private:
    QString m_guarded;
    QString m_path;
    int m_fd = -1;
};
