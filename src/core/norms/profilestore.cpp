#include "core/norms/profilestore.h"

#include <QDir>
#include <QStandardPaths>

ProfileStore::ProfileStore(const QString &path, QObject *parent) : QObject(parent), m_path(path) { }

QString ProfileStore::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("profiles.tsv"));
}

QList<Profiles::Problem> ProfileStore::load()
{
    QList<Profiles::Problem> problems;
    m_profiles = file().readRecords<Profiles>(&problems);
    Q_EMIT changed();
    return problems;
}

template <typename Change> bool ProfileStore::update(Change change, QString *error)
{
    Profiles fresh;
    if (!file().updateRecords(&fresh, change, error))
        return false;
    m_profiles = fresh;
    Q_EMIT changed();
    return true;
}

bool ProfileStore::put(const Profile &profile, const QString &oldName, QString *error)
{
    return update(
        [&](Profiles &fresh) {
            if (const auto refusal = fresh.check(profile.name, oldName)) {
                if (error)
                    *error = refusal->message();
                return false;
            }
            fresh.put(profile, oldName);
            return true;
        },
        error);
}

bool ProfileStore::remove(const QString &name, QString *error)
{
    return update([&](Profiles &fresh) { return fresh.remove(name) || true; }, error);
}
