#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A ration as plain texts, the way the editor shows it: its name, its rows
// (seven texts each: name, mass, water, protein, fat, carbohydrates, energy)
// and its six totals (mass, water, protein, fat, carbohydrates, energy).
// As a cooked dish it also has the weight after cooking (its yield, as the
// user typed it; empty: the products' mass) and the number of portions.
struct Ration {
    static constexpr int ColumnCount = 7;
    static constexpr int TotalCount = 6;

    QString name;
    QList<QStringList> rows;
    QStringList totals;
    QString yield;
    int portions = 1;

    // Whether there is anything of the dish to keep: a yield or portions.
    bool hasDish() const { return !yield.isEmpty() || portions != 1; }

    // Totals that equal the sum of the rows' cells as shown: each cell read
    // by the number rule, summed, written with six significant digits.
    static QStringList totalsOf(const QList<QStringList> &rows);
};
