#pragma once

#include "core/norms/profiles.h"
#include "core/platform/keptfile.h"

#include <QObject>

// Where the user's profiles are kept (profiles.tsv in the program's data
// folder) and the one way to change them: each change reads the file again
// under a lock, applies itself by name and writes the result back at once,
// as KeptFile does for every file of the user's own records.
class ProfileStore : public QObject
{
    Q_OBJECT

public:
    explicit ProfileStore(const QString &path, QObject *parent = nullptr);

    static QString defaultPath();

    QString path() const { return m_path; }
    const Profiles &profiles() const { return m_profiles; }

    // Reads the file (a missing file is no profiles and no problem); a file
    // that cannot be read at all loads nothing and is one problem, line 0.
    QList<Profiles::Problem> load();

    // Adds a profile, or replaces the one called oldName; false with a
    // reason when it is refused or the file cannot be written.
    bool put(const Profile &profile, const QString &oldName, QString *error);
    bool remove(const QString &name, QString *error);

Q_SIGNALS:
    void changed();

private:
    template <typename Change> bool update(Change change, QString *error);
    KeptFile file() const { return KeptFile(m_path, Profiles::MaxFileSize); }

    QString m_path;
    Profiles m_profiles;
};
