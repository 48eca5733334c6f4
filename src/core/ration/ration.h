#pragma once

#include "core/norms/profiles.h"
#include "core/nutrition/nutrients.h"
#include "core/ration/carddata.h"
#include "core/ration/rationrow.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A ration as plain texts, the way the editor shows it: its name, its rows
// (the name, the mass, then each nutrient) and its totals (the mass, then
// each nutrient).
// As a cooked dish it also has the weight after cooking (its yield, as the
// user typed it; empty: the products' mass) and the number of portions.
// It may be measured against a person's daily need (a profile and a share),
// and described by a kitchen's technological card.
struct Ration {
    static constexpr int ColumnCount = RationRow::CellCount;
    static constexpr int TotalCount = Nutrients::WithMassCount;
    // The column of a nutrient in a row: after the name and the mass.
    static constexpr int columnOf(Nutrients::Id id) { return 1 + Nutrients::afterMass(id); }

    QString name;
    QList<RationRow> rows;
    QStringList totals;
    QString yield;
    int portions = 1;

    // Whom the ration is for, and which part of that person's day it is,
    // in per cent (100: a whole day; a meal's share). No profile: the
    // ration is measured against no one.
    std::optional<Profile> profile;
    int share = 100;

    // The dish's technological card: its number, date, batch and technology.
    CardData card;

    // The sums behind the totals (mass to energy), as exact as they were
    // added up, before they are written as texts.
    using Sums = std::array<double, TotalCount>;
    // The rows' sums when whoever filled the rows added them up on the way
    // (the page reader does): a window then takes them rather than reading
    // every cell again. Whoever changes the rows afterwards drops them.
    std::optional<Sums> sums;

    // Whether there is anything of the dish to keep: a yield or portions.
    bool hasDish() const { return !yield.isEmpty() || portions != 1; }

    // Totals that equal the sum of the rows' cells as shown: each cell read
    // by the number rule, summed, written with six significant digits.
    static QStringList totalsOf(const QList<RationRow> &rows);
    // Adds a row's cells (mass to energy), each read by the number rule;
    // rows added in order give the sums totalsOf writes.
    static void addRow(Sums &sums, const RationRow &row);
    // The sums as totals show them: six significant digits.
    static QStringList totalsOf(const Sums &sums);
};
