#include "core/norms/person.h"

#include <array>

namespace {

const std::array<const char *, Person::SexCount> SexCodes{"male", "female"};
const std::array<const char *, Person::AgeCount> AgeCodes{"18-29", "30-44", "45-64", "65-74",
                                                          "75+"};
const std::array<const char *, Person::ActivityCount> ActivityCodes{"1", "2", "3", "4"};
const std::array<const char *, Person::ActivityCount> Numerals{"I", "II", "III", "IV"};
constexpr std::array<double, Person::ActivityCount> Coefficients{1.4, 1.6, 1.9, 2.2};
constexpr double OlderCoefficient = 1.7;

template <typename Enum, std::size_t N>
std::optional<Enum> parsed(const std::array<const char *, N> &codes, const QString &code)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (code == QLatin1String(codes[i]))
            return Enum(i);
    }
    return std::nullopt;
}

} // namespace

double Person::activityCoefficient() const
{
    return activityCounts() ? Coefficients[std::size_t(activity)] : OlderCoefficient;
}

QString Person::sexText(Sex sex) { return sex == Sex::Male ? tr("Мужской") : tr("Женский"); }

QString Person::ageText(Age age)
{
    switch (age) {
    case Age::From18To29: return tr("18–29 лет");
    case Age::From30To44: return tr("30–44 лет");
    case Age::From45To64: return tr("45–64 лет");
    case Age::From65To74: return tr("65–74 лет");
    case Age::From75: break;
    }
    return tr("75 лет и старше");
}

QString Person::activityText(Activity activity)
{
    switch (activity) {
    case Activity::I: return tr("I — очень низкая (КФА 1,4)");
    case Activity::II: return tr("II — низкая (КФА 1,6)");
    case Activity::III: return tr("III — средняя (КФА 1,9)");
    case Activity::IV: break;
    }
    return tr("IV — высокая (КФА 2,2)");
}

QString Person::activityDescription(Activity activity)
{
    switch (activity) {
    case Activity::I: return tr("преимущественно умственный труд, сидячая работа");
    case Activity::II: return tr("лёгкий физический труд: водители, продавцы, медсёстры");
    case Activity::III: return tr("труд средней тяжести: слесари, врачи-хирурги, повара");
    case Activity::IV: break;
    }
    return tr("тяжёлый физический труд: строители, грузчики, работники сельского хозяйства");
}

QString Person::summary() const
{
    QString text =
        (sex == Sex::Male ? tr("мужчина") : tr("женщина")) + QStringLiteral(", ") + ageText(age);
    if (activityCounts())
        text += tr(", группа активности %1").arg(QLatin1String(Numerals[std::size_t(activity)]));
    return text;
}

QString Person::sexCode(Sex sex) { return QLatin1String(SexCodes[std::size_t(sex)]); }
QString Person::ageCode(Age age) { return QLatin1String(AgeCodes[std::size_t(age)]); }
QString Person::activityCode(Activity activity)
{
    return QLatin1String(ActivityCodes[std::size_t(activity)]);
}

std::optional<Person::Sex> Person::sexOf(const QString &code)
{
    return parsed<Sex>(SexCodes, code);
}
std::optional<Person::Age> Person::ageOf(const QString &code)
{
    return parsed<Age>(AgeCodes, code);
}
std::optional<Person::Activity> Person::activityOf(const QString &code)
{
    return parsed<Activity>(ActivityCodes, code);
}
