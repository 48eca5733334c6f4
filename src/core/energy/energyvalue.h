#pragma once

#include <QStringList>

// The energy value of a product split by nutrient: the kilocalories per
// 100 g that its protein, fat and carbohydrates contribute, and the report
// page that keeps the result.
namespace EnergyValue {

// Four texts in the order the results are shown: protein, fat,
// carbohydrates, total.
struct Shares {
    QString protein;
    QString fat;
    QString carbohydrates;
    QString total;
};

// The shares as number texts, from the grams of each nutrient per 100 g as
// the food list shows them (a text that is no number counts 0), by the
// nutrients' energy formula. The total is the sum of the unrounded shares.
Shares shares(const QString &protein, const QString &fat, const QString &carbohydrates);

// The shares as the dialog shows them ("Энергетическая ценность по белку:
// 25.2 ККал", ...).
Shares resultLines(const Shares &numbers);

// A product's row of the food list as the report shows it.
struct Product {
    QString name;
    QString protein;
    QString fat;
    QString carbohydrates;
    QString calories;
};

// The report page, 64 lines: the head block with the product's name as
// title, the result lines (each followed by "."), and a table with the
// product's row. Every text is escaped.
QStringList reportLines(const Product &product, const Shares &results);

} // namespace EnergyValue
