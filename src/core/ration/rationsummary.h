#pragma once

#include "core/norms/profiles.h"
#include "core/ration/rationnorm.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Several rations side by side (a day's meals, or variants of a dish): each
// with its totals as its window shows them and its energy structure, and
// «Итого», the sum of those checked, added to the last digit of the totals
// shown. Against a profile's whole day, the sum gets the rows «Норма» and
// «% нормы» of a ration window.
class RationSummary
{
    Q_DECLARE_TR_FUNCTIONS(RationSummary)

public:
    struct Entry {
        QString caption;
        QStringList totals; // the mass, then each nutrient
        bool checked = true;
    };
    // The columns: the caption, the totals, then each energy source's share
    // of the energy, in per cent («Белки, %»).
    static constexpr int FirstShareColumn = 1 + Ration::TotalCount;
    static constexpr int ColumnCount = FirstShareColumn + Nutrients::EnergySourceCount;

    enum class Kind { Entry, Sum, Norm, Percent };
    struct Row {
        Kind kind;
        QStringList cells; // ColumnCount texts
    };
    // The content as plain texts, for a page, the clipboard or a file.
    struct Table {
        QStringList titles;
        QList<QStringList> rows;
    };

    QList<Entry> entries;
    // Whom the day is for; none: no norm rows.
    std::optional<Profile> profile;

    // The totals of the checked entries added up.
    QStringList sum() const;
    // The sum as a ration of a whole day, measured against the profile.
    std::optional<RationNorm> norm() const;

    static QStringList titles();
    // Every entry, checked or not, in order, then «Итого», then with a
    // profile «Норма» and «% нормы».
    QList<Row> rows() const;
    // What the summary says: the rows without the entries left out of the sum.
    Table table() const;
};
