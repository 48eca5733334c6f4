#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

// A small file of the user's own records (products, profiles) in the
// program's data folder, changed the one safe way: the folder is made when
// missing, a lock that other programs of ours wait for is held across read,
// change and write, the file is read again under it so that another
// program's change is kept, a file that cannot be read is never written
// over, a damaged one is copied to "<name>.bak" before it is first written
// over, and the new text replaces the old at once (SafeWrite).
class KeptFile
{
    Q_DECLARE_TR_FUNCTIONS(KeptFile)

public:
    // How long a change waits for another program's change to end.
    static constexpr int LockWaitMs = 3000;

    KeptFile(const QString &path, qint64 maxSize);

    QString path() const { return m_path; }

    // The file's bytes: empty for a missing file; false with the reason
    // when something stands there that cannot be read.
    bool read(QByteArray *bytes, QString *unreadable) const;

    // What a change does with the bytes read under the lock: sets the new
    // bytes and says whether what was read was damaged (then a backup is
    // kept first); false (with *error set) to write nothing.
    using Change = std::function<bool(const QByteArray &read, QByteArray *written, bool *damaged,
                                      QString *error)>;
    bool update(const Change &change, QString *error) const;

    // The same for a file of records, a class with fromTsv(bytes, problems)
    // and toTsv(): records holds the records read under the lock, which change
    // edits (false: write nothing); lines that could not be read make the
    // file damaged.
    template <typename Records, typename EditRecords>
    bool updateRecords(Records *records, EditRecords change, QString *error) const
    {
        return update(
            [&](const QByteArray &bytes, QByteArray *text, bool *damaged, QString *) {
                QList<typename Records::Problem> problems;
                *records = Records::fromTsv(bytes, &problems);
                *damaged = !problems.isEmpty();
                if (!change(*records))
                    return false;
                *text = records->toTsv();
                return true;
            },
            error);
    }
    // The records of the file as it is now; a file that cannot be read at
    // all gives none and is one problem, line 0.
    template <typename Records>
    Records readRecords(QList<typename Records::Problem> *problems) const
    {
        QByteArray bytes;
        QString unreadable;
        if (!read(&bytes, &unreadable)) {
            *problems = {{0, unreadable}};
            return Records();
        }
        return Records::fromTsv(bytes, problems);
    }

private:
    QString m_path;
    qint64 m_maxSize;
};
