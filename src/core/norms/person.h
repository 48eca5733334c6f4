#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

// Who a daily need is worked out for, in the groups of the Russian norms of
// physiological needs (МР 2.3.1.0253-21) for adults: sex, an age group and,
// below 65 years, a group of physical activity.
struct Person {
    enum class Sex { Male, Female };
    enum class Age { From18To29, From30To44, From45To64, From65To74, From75 };
    // Groups I to IV: very low (mainly mental work), low (light work),
    // medium and high (heavy work) physical activity.
    enum class Activity { I, II, III, IV };

    static constexpr int SexCount = 2;
    static constexpr int AgeCount = 5;
    static constexpr int ActivityCount = 4;

    Sex sex = Sex::Male;
    Age age = Age::From18To29;
    Activity activity = Activity::I;

    // From 65 years the norms give one value whatever the activity.
    bool activityCounts() const { return age < Age::From65To74; }
    // The coefficient of physical activity the need stands for: 1.4, 1.6,
    // 1.9 or 2.2, and 1.7 from 65 years.
    double activityCoefficient() const;

    friend bool operator==(const Person &a, const Person &b)
    {
        return a.sex == b.sex && a.age == b.age
            && (!a.activityCounts() || a.activity == b.activity);
    }
    friend bool operator!=(const Person &a, const Person &b) { return !(a == b); }

    // What a person reads: «Мужской», «30–44 лет», «II — низкая (КФА 1,6)»,
    // and a short plain description of each group of activity.
    static QString sexText(Sex sex);
    static QString ageText(Age age);
    static QString activityText(Activity activity);
    static QString activityDescription(Activity activity);
    // «мужчина, 30–44 лет, группа активности II»
    QString summary() const;

    // The codes files keep: "male"/"female", "18-29" ... "75+", "1" ... "4"
    // (empty from 65 years). Parsing takes only those codes.
    static QString sexCode(Sex sex);
    static QString ageCode(Age age);
    static QString activityCode(Activity activity);
    static std::optional<Sex> sexOf(const QString &code);
    static std::optional<Age> ageOf(const QString &code);
    static std::optional<Activity> activityOf(const QString &code);

    Q_DECLARE_TR_FUNCTIONS(Person)
};
