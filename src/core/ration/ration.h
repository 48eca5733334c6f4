#pragma once

#include "core/norms/profiles.h"

#include <QList>
#include <QString>
#include <QStringList>

// A ration as plain texts, the way the editor shows it: its name, its rows
// (seven texts each: name, mass, water, protein, fat, carbohydrates, energy)
// and its six totals (mass, water, protein, fat, carbohydrates, energy).
// As a cooked dish it also has the weight after cooking (its yield, as the
// user typed it; empty: the products' mass) and the number of portions.
// It may be measured against a person's daily need (a profile and a share).
struct Ration {
    static constexpr int ColumnCount = 7;
    static constexpr int TotalCount = 6;

    QString name;
    QList<QStringList> rows;
    QStringList totals;
    QString yield;
    int portions = 1;

    // Whom the ration is for, and which part of that person's day it is,
    // in per cent (100: a whole day; a meal's share). No profile: the
    // ration is measured against no one.
    std::optional<Profile> profile;
    int share = 100;

    // Whether there is anything of the dish to keep: a yield or portions.
    bool hasDish() const { return !yield.isEmpty() || portions != 1; }

    // Totals that equal the sum of the rows' cells as shown: each cell read
    // by the number rule, summed, written with six significant digits.
    static QStringList totalsOf(const QList<QStringList> &rows);
};
