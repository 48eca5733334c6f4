#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

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
    static QStringList totalsOf(const QList<QStringList> &rows);
    // Adds a row's cells (mass to energy), each read by the number rule;
    // rows added in order give the sums totalsOf writes.
    static void addRow(Sums &sums, const QStringList &row);
    // The sums as totals show them: six significant digits.
    static QStringList totalsOf(const Sums &sums);
};
