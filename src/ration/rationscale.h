#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Scaling a ration: every mass multiplied by one factor, given as such or
// worked out from the total mass or energy the ration is to have. The
// plan says what each mass and the dish's yield become, or why the ration
// cannot be scaled so; the values of the rows follow their new masses the
// way a mass edit rescales them.
namespace RationScale {

enum class Mode { Factor, TotalMass, TotalEnergy };

struct Plan {
    bool ok = false;
    // The new mass of each row, in row order, as a mass cell takes it.
    QStringList masses;
    // The new yield; empty when the dish has none.
    QString yield;
    // Why the ration cannot be scaled (empty when ok).
    QString why;
};

// rows: the ration's rows (seven texts each); yield: the dish's yield as
// accepted ("" when none); typed: the factor or target as the user typed
// it, with a decimal point or comma.
Plan plan(const QList<QStringList> &rows, const QString &yield, Mode mode, const QString &typed);

// Why a ration without products is not scaled.
QString nothingToScale();

} // namespace RationScale
