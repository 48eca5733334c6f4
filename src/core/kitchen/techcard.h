#pragma once

#include "core/nutrition/nutrients.h"
#include "core/ration/carddata.h"
#include "core/ration/ration.h"

#include <QList>
#include <QString>

// A kitchen's technological card for a dish: the card's own data (its number
// and date, the batch it is cooked in, the technology; see CardData), and the
// figures it shows for a ration. The ration is the whole dish as the user
// composed it: its masses are net masses (what goes into the pot), its
// portions share it.
// Each row may lose a share to cold processing (its waste), which the card
// adds back as the gross mass a cook weighs out.
class TechCard : public CardData
{
public:
    TechCard() = default;
    explicit TechCard(const CardData &data) : CardData(data) { }

    // Masses in grams, unrounded: for one portion and for the batch.
    struct Masses {
        double grossPortion = 0.0;
        double netPortion = 0.0;
        double grossBatch = 0.0;
        double netBatch = 0.0;
    };
    struct Ingredient {
        QString name;
        double waste = 0.0;
        Masses masses;
    };
    struct Figures {
        QList<Ingredient> ingredients;
        Masses total;
        int portions = 1;
        int batch = 1;
        // The finished dish's weight: whole, a portion, the batch.
        double yield = 0.0;
        double portionYield = 0.0;
        double batchYield = 0.0;
        // The mass, then each nutrient (Nutrients' order), of 100 g and of a
        // portion of the finished dish; empty while the yield cannot hold
        // the products (see Dish).
        QList<double> per100g;
        QList<double> perPortion;
    };
    // The card's figures for a ration whose rows lose the given wastes, in
    // per cent, row by row (a row without one loses nothing). Every figure
    // is worked out from the masses as entered, so whoever shows it rounds
    // it once: a batch is not a rounded portion multiplied.
    Figures figuresFor(const Ration &ration, const QList<double> &wastes) const;

    // The nutrients a card states: those that give energy, and the energy.
    static QList<Nutrients::Id> nutrients();
};
