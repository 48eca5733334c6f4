#pragma once

#include "core/ration/rationrow.h"

#include <QList>
#include <QString>
#include <QStringList>

// Scaling a ration: every mass multiplied by one factor, given as such or
// worked out from what the ration is to have: a total mass or energy, a
// number of portions of the same size, or a weight of the cooked dish. The
// plan says what each mass, the dish's yield and its portions become, or
// why the ration cannot be scaled so; the values of the rows follow their
// new masses the way a mass edit rescales them.
//
// A new mass is rounded to the step a kitchen scale weighs it with (see
// roundedMass) before anything is worked out from it, so that the rows and
// their totals agree with the masses shown.
namespace RationScale {

enum class Mode { Factor, TotalMass, TotalEnergy, Portions, Yield };

struct Plan {
    bool ok = false;
    // The new mass of each row, in row order, as a mass cell takes it.
    QStringList masses;
    // The new yield; empty when the dish has none.
    QString yield;
    // The new number of portions.
    int portions = 1;
    // Why the ration cannot be scaled (empty when ok).
    QString why;
};

// rows: the ration's rows (Ration::ColumnCount texts each); yield: the dish's yield as
// accepted ("" when none); typed: the factor or target as the user typed
// it, with a decimal point or comma; portions: the dish's portions now.
Plan plan(const QList<RationRow> &rows, const QString &yield, Mode mode, const QString &typed,
          int portions = 1);

// A scaled mass in grams to a tenth of a gram below 100 g, to the gram from
// 100 g.
double roundedMass(double grams);

// The planned yield, or, when the rows as scaled (and rounded) hold more
// dry matter than it, the least yield that holds them.
QString fittedYield(const QList<RationRow> &scaledRows, const QString &yield);

// Why a ration without products is not scaled.
QString nothingToScale();

} // namespace RationScale
