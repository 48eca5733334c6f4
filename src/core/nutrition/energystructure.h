#pragma once

#include "core/nutrition/nutrients.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// How the energy of a ration splits between the nutrients that give it
// (Nutrients::energySources(): protein, fat, carbohydrates), in per cent,
// with the factors of the energy value, and how each share compares with
// its WHO population goal (protein 10–15 %, fat 15–30 %, carbohydrates
// 55–75 % of energy).
struct EnergyStructure {
    // A share is named by its place among Nutrients::energySources().
    using Nutrient = int;
    static constexpr int NutrientCount = Nutrients::EnergySourceCount;
    static const Nutrients::Nutrient &source(Nutrient nutrient);
    enum class Range { Below, Within, Above };

    std::array<double, NutrientCount> percent = {};

    // The structure of these grams of each energy source, in their order
    // (less than none counts as none); none when they give no energy at all
    // (an empty ration), so nothing is divided by zero.
    static std::optional<EnergyStructure> of(const std::array<double, NutrientCount> &grams);
    // The same for a ration's totals as texts (the mass, then each
    // nutrient).
    static std::optional<EnergyStructure> ofTotals(const QStringList &totals);

    // The goal's bounds in per cent, and where a share stands against them.
    static double goalLow(Nutrient nutrient);
    static double goalHigh(Nutrient nutrient);
    Range range(Nutrient nutrient) const;
    // "10–15 %", and every goal in a line: "белки 10–15 %, жиры 15–30 %, ...".
    static QString goalText(Nutrient nutrient);
    static QString goalsText();

    // How the shares read for a person: "Белки", "12.3 %", "Белки 12.3 %",
    // and for a share off its goal "выше нормы 10–15 %" (empty within it).
    static QString name(Nutrient nutrient);
    static QString percentText(double value);
    QString shareText(Nutrient nutrient) const;
    QString rangeText(Nutrient nutrient) const;
    // All three shares in one line, a share off its goal written by
    // markedShare with the share as %1 and its mark as %2.
    QString summary(const QString &markedShare = QStringLiteral("%1 (%2)")) const;

    Q_DECLARE_TR_FUNCTIONS(EnergyStructure)
};
