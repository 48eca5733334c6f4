#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// How the energy of a ration splits between its protein, fat and
// carbohydrates, in per cent, with the factors of the energy value, and how
// each share compares with the WHO population goals (protein 10–15 %, fat
// 15–30 %, carbohydrates 55–75 % of energy).
struct EnergyStructure {
    enum Nutrient { Protein, Fat, Carbohydrates, NutrientCount };
    enum class Range { Below, Within, Above };

    double percent[NutrientCount] = {};

    // The structure of these grams of nutrients; none when they give no
    // energy at all (an empty ration), so nothing is divided by zero.
    static std::optional<EnergyStructure> of(double protein, double fat, double carbohydrates);
    // The same for a ration's six totals as texts (mass, water, protein,
    // fat, carbohydrates, energy).
    static std::optional<EnergyStructure> ofTotals(const QStringList &sixTotals);

    // The goal's bounds in per cent, and where a share stands against them.
    static double goalLow(Nutrient nutrient);
    static double goalHigh(Nutrient nutrient);
    Range range(Nutrient nutrient) const;

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
