#pragma once

#include <QString>

#include <array>
#include <optional>

class QDate;

// The waste of cold processing (peel, trimmings) of common vegetables, in per
// cent of the gross mass, as the catering norms give it: the collection of
// recipes for public catering, «Сборник рецептур блюд и кулинарных изделий
// для предприятий общественного питания». Old potatoes and carrots lose more
// to peeling as the winter goes on, so their norm depends on the day of the
// year. A product joins by one more line of the table; a season may run over
// the new year (from 1 November to the end of February is one line).
namespace WasteNorms {

struct Norm {
    // The product's name as the food table spells it.
    const char *product;
    double percent;
    // The season, both days included: month and day of its first and last day
    // (29 February ends February in any year).
    int fromMonth;
    int fromDay;
    int toMonth;
    int toDay;
};

inline constexpr std::array<Norm, 8> Table{{
    {"Картофель", 25, 9, 1, 10, 31},
    {"Картофель", 30, 11, 1, 12, 31},
    {"Картофель", 35, 1, 1, 2, 29},
    {"Картофель", 40, 3, 1, 8, 31},
    {"Морковь красная", 20, 9, 1, 12, 31},
    {"Морковь красная", 25, 1, 1, 8, 31},
    {"Капуста белокочанная", 20, 1, 1, 12, 31},
    {"Лук репчатый", 16, 1, 1, 12, 31},
}};

// The norm for a product on a day; none for a product without one (the
// name as the food table spells it) or a date that is no day.
std::optional<double> percentFor(const QString &product, const QDate &date);

} // namespace WasteNorms
