#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The built-in food composition table: food groups holding products, each
// product with water, protein, fat and carbohydrates in grams per 100 g and
// its energy in kcal per 100 g, all kept as the texts that the food list
// shows. The data lives in foods.tsv, compiled into the program.
class FoodTable
{
public:
    enum Column { Water, Protein, Fat, Carbohydrates, Energy, ValueCount };

    struct Product {
        QString name;
        std::array<QString, ValueCount> values;

        QStringList valueList() const { return {values.cbegin(), values.cend()}; }
    };
    struct Group {
        QString name;
        QList<Product> products;
    };

    // The program's table, read once per process from the embedded file.
    static const FoodTable &builtIn();

    // Reads a table from tab-separated text: a header line, then one line
    // per product: group, product, water, protein, fat, carbohydrates, kcal.
    // Groups keep the order in which they first appear, products the order
    // of their lines. Lines with fewer than seven fields are reported in
    // errors (with their line numbers) and skipped.
    static FoodTable fromTsv(const QString &text, QStringList *errors = nullptr);

    const QList<Group> &groups() const { return m_groups; }
    int productCount() const;
    // The first product of this name, or null.
    const Product *find(const QString &name) const;

private:
    QList<Group> m_groups;
};
