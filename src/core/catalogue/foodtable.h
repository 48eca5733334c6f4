#pragma once

#include "core/nutrition/nutrients.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The built-in food composition table: food groups holding products, each
// product with its nutrients per 100 g (in Nutrients' order and units), all
// kept as the texts that the food list shows. The data lives in foods.tsv,
// compiled into the program.
class FoodTable
{
public:
    // A product's values are indexed by Nutrients::Id.
    static constexpr int ValueCount = Nutrients::Count;

    struct Product {
        QString name;
        std::array<QString, ValueCount> values;
        // The share lost to cold processing, in per cent, as Waste::read
        // keeps it; empty for none. Only the user's own products have one.
        QString waste = {};

        QStringList valueList() const { return {values.cbegin(), values.cend()}; }
    };
    struct Group {
        QString name;
        QList<Product> products;
    };

    // The program's table, read once per process from the embedded file.
    static const FoodTable &builtIn();

    // Reads a table from tab-separated text: a header line, then one line
    // per product: group, product, then each nutrient. Groups keep the order
    // in which they first appear, products the order of their lines. Lines
    // with fewer fields are reported in errors (with their line numbers) and
    // skipped.
    static FoodTable fromTsv(const QString &text, QStringList *errors = nullptr);

    const QList<Group> &groups() const { return m_groups; }
    int productCount() const;
    // The first product of this name, or null.
    const Product *find(const QString &name) const;

private:
    QList<Group> m_groups;
};
