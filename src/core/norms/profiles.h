#pragma once

#include "core/norms/person.h"
#include "core/platform/tsvlines.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// A person a user composes rations for: a name and the groups of the norms.
struct Profile {
    QString name;
    Person person;

    friend bool operator==(const Profile &a, const Profile &b)
    {
        return a.name == b.name && a.person == b.person;
    }
    friend bool operator!=(const Profile &a, const Profile &b) { return !(a == b); }
};

// The user's profiles, kept in profiles.tsv: a header line, then name, sex,
// age and activity codes per line (see Person's codes). Names are unique
// by the rule of same names (case, е and ё aside).
class Profiles
{
    Q_DECLARE_TR_FUNCTIONS(Profiles)

public:
    static constexpr qint64 MaxFileSize = qint64(1024) * 1024;
    static constexpr int MaxLineLength = 4 * 1024;
    static constexpr int MaxNameLength = 100;

    using Problem = TsvLines::Problem;

    // Every good line loads; every bad one is listed in problems.
    static Profiles fromTsv(const QByteArray &data, QList<Problem> *problems = nullptr);
    QByteArray toTsv() const;

    // One profile's fields as a file or a ration page keeps them (name,
    // sex, age, activity), and back; a refusal names the field that is wrong.
    static QStringList fieldsOf(const Profile &profile);
    struct Refusal {
        QString field;
        QString reason;
        QString message() const;
    };
    static std::optional<Profile> fromFields(const QStringList &fields, Refusal *refusal);

    const QList<Profile> &profiles() const { return m_profiles; }
    bool isEmpty() const { return m_profiles.isEmpty(); }
    const Profile *find(const QString &name) const;

    // Why a profile cannot be kept under this name; oldName is the profile
    // being changed (its own name is not taken).
    std::optional<Refusal> check(const QString &name, const QString &oldName = QString()) const;
    // Adds the profile, or replaces the one called oldName.
    void put(const Profile &profile, const QString &oldName = QString());
    bool remove(const QString &name);

private:
    qsizetype indexOf(const QString &name) const;

    QList<Profile> m_profiles;
};
