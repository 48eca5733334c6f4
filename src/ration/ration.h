#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A ration as plain texts, the way the editor shows it: its name, its rows
// (seven texts each: name, mass, water, protein, fat, carbohydrates, energy)
// and its six totals (mass, water, protein, fat, carbohydrates, energy).
struct Ration {
    static constexpr int ColumnCount = 7;
    static constexpr int TotalCount = 6;

    QString name;
    QList<QStringList> rows;
    QStringList totals;

    // Totals that equal the sum of the rows' cells as shown: each cell read
    // by the number rule, summed, written with six significant digits.
    static QStringList totalsOf(const QList<QStringList> &rows);
};
