#include "core/norms/profiles.h"

#include "core/catalogue/namematch.h"

namespace {

enum { NameField, SexField, AgeField, ActivityField, FieldCount };

QString folded(const QString &name) { return NameMatch::partForm(name.trimmed()); }

// A first line is the header when its sex field is no sex code.
bool isHeader(const QStringList &fields) { return !Person::sexOf(fields.value(SexField)); }

} // namespace

QString Profiles::Refusal::message() const { return tr("%1: %2.").arg(field, reason); }

QStringList Profiles::fieldsOf(const Profile &profile)
{
    const Person &person = profile.person;
    return {profile.name, Person::sexCode(person.sex), Person::ageCode(person.age),
            person.activityCounts() ? Person::activityCode(person.activity) : QString()};
}

std::optional<Profile> Profiles::fromFields(const QStringList &fields, Refusal *refusal)
{
    Profile profile;
    profile.name = fields.value(NameField);
    const auto sex = Person::sexOf(fields.value(SexField));
    const auto age = Person::ageOf(fields.value(AgeField));
    if (!sex) {
        *refusal = {tr("Пол"), tr("нет такого пола «%1»").arg(fields.value(SexField))};
        return std::nullopt;
    }
    if (!age) {
        *refusal = {tr("Возраст"), tr("нет такой группы «%1»").arg(fields.value(AgeField))};
        return std::nullopt;
    }
    profile.person.sex = *sex;
    profile.person.age = *age;
    const QString activityCode = fields.value(ActivityField);
    const auto activity = Person::activityOf(activityCode);
    if (activity) {
        profile.person.activity = *activity;
    } else if (profile.person.activityCounts() || !activityCode.isEmpty()) {
        *refusal = {tr("Физическая активность"), tr("нет такой группы «%1»").arg(activityCode)};
        return std::nullopt;
    }
    return profile;
}

Profiles Profiles::fromTsv(const QByteArray &data, QList<Problem> *problems)
{
    Profiles kept;
    QList<Problem> found;
    if (data.size() > MaxFileSize) {
        found.append({0, tr("файл больше 1 МБ")});
    } else {
        for (const TsvLines::Line &line : TsvLines::read(data, MaxLineLength, isHeader, &found)) {
            if (line.fields.size() != FieldCount) {
                found.append(
                    {line.number,
                     tr("%1 полей вместо %2").arg(line.fields.size()).arg(int(FieldCount))});
                continue;
            }
            Refusal refusal;
            const std::optional<Profile> profile = fromFields(line.fields, &refusal);
            std::optional<Refusal> taken;
            if (profile)
                taken = kept.check(profile->name);
            if (!profile || taken) {
                found.append({line.number, (taken ? *taken : refusal).message()});
                continue;
            }
            kept.m_profiles.append(*profile);
        }
    }
    if (problems)
        *problems = found;
    return kept;
}

QByteArray Profiles::toTsv() const
{
    QString text = QStringLiteral("name\tsex\tage\tactivity\n");
    for (const Profile &profile : m_profiles)
        text += fieldsOf(profile).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text.toUtf8();
}

qsizetype Profiles::indexOf(const QString &name) const
{
    const QString wanted = folded(name);
    for (qsizetype i = 0; i < m_profiles.size(); ++i) {
        if (folded(m_profiles[i].name) == wanted)
            return i;
    }
    return -1;
}

const Profile *Profiles::find(const QString &name) const
{
    const qsizetype i = indexOf(name);
    return i < 0 ? nullptr : &m_profiles[i];
}

std::optional<Profiles::Refusal> Profiles::check(const QString &name, const QString &oldName) const
{
    const QString field = tr("Имя");
    if (name.trimmed().isEmpty())
        return Refusal{field, tr("имя не может быть пустым")};
    if (name.size() > MaxNameLength)
        return Refusal{field, tr("имя длиннее %1 знаков").arg(MaxNameLength)};
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return Refusal{field, tr("имя не может содержать табуляцию или перенос строки")};
    }
    const qsizetype same = indexOf(name);
    if (same >= 0 && !(!oldName.isEmpty() && same == indexOf(oldName)))
        return Refusal{field, tr("профиль «%1» уже есть").arg(m_profiles[same].name)};
    return std::nullopt;
}

void Profiles::put(const Profile &profile, const QString &oldName)
{
    Profile trimmed = profile;
    trimmed.name = profile.name.trimmed();
    const qsizetype i = oldName.isEmpty() ? -1 : indexOf(oldName);
    if (i < 0)
        m_profiles.append(trimmed);
    else
        m_profiles[i] = trimmed;
}

bool Profiles::remove(const QString &name)
{
    const qsizetype i = indexOf(name);
    if (i < 0)
        return false;
    m_profiles.removeAt(i);
    return true;
}
