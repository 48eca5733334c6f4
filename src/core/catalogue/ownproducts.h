#pragma once

#include "core/catalogue/foodtable.h"
#include "core/platform/tsvlines.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QList>

#include <optional>

// The user's own products: a list kept in products.tsv, in the built-in
// table's format (a header line, then group, product, water, protein, fat,
// carbohydrates and kcal per line), every product in the group
// «Мои продукты». A product that loses a share to cold processing has its
// waste in per cent as one more field (and the header names it); a file
// without any, as older programs wrote, is read as products without waste. Values are kept with a
// decimal point, whether typed or read with a point or a comma. Names are unique: two names that
// differ only in case or in е and ё are the same name.
class OwnProducts
{
    Q_DECLARE_TR_FUNCTIONS(OwnProducts)

public:
    static constexpr qint64 MaxFileSize = qint64(10) * 1024 * 1024;
    static constexpr int MaxLineLength = 64 * 1024;
    static constexpr int MaxNameLength = 200;
    // More kcal per 100 g than any food has (pure fat gives about 940).
    static constexpr int MaxEnergy = 1000;
    // How far (as a share) a typed energy may stray from the one worked out
    // from the nutrients before the user is asked to confirm it.
    static constexpr double EnergyTolerance = 0.15;

    // «Мои продукты»: the group's name, which the windows of the own
    // products take as their title too, each in its own context.
    static constexpr const char *GroupTitle = "Мои продукты";
    static QString groupName();

    // A line of the file that could not be read, and why (line 0: the file).
    using Problem = TsvLines::Problem;

    // Reads a products file: the first line is skipped when it names the
    // columns (no value of it is a number); every good line loads, every bad one (wrong
    // field count, a value that is no number, invalid UTF-8, a line too long,
    // a name taken twice) is listed in problems. A file over MaxFileSize
    // loads nothing and is one problem.
    // With taken given, lines whose name is taken already are listed there
    // instead (an import skips them).
    static OwnProducts fromTsv(const QByteArray &data, QList<Problem> *problems = nullptr,
                               QStringList *taken = nullptr);
    QByteArray toTsv() const;

    const QList<FoodTable::Product> &products() const { return m_products; }
    bool isEmpty() const { return m_products.isEmpty(); }
    // The product of that name (by the rule of same names), or null.
    const FoodTable::Product *find(const QString &name) const;

    // Adds the product, or replaces the one called oldName.
    void put(const FoodTable::Product &product, const QString &oldName = QString());
    bool remove(const QString &name);

    // Why a product typed by the user cannot be kept, naming the field;
    // oldName is the product being edited (its own name is not taken).
    struct Refusal {
        bool taken = false; // the name belongs to another product
        QString field;
        QString reason;
        QString message() const;
    };
    std::optional<Refusal> check(const QString &name, const QStringList &values,
                                 const QString &oldName = QString()) const;

    // The energy that the nutrients give, with the energy value's factors.
    static double energyOf(const QStringList &values);
    // Whether the typed energy is more than EnergyTolerance off energyOf.
    static bool energyStrays(const QStringList &values);

    // Two names are the same when they differ only in case or in е and ё.
    static bool sameName(const QString &a, const QString &b);

private:
    void reindex();

    QList<FoodTable::Product> m_products;
    // Position of each product by its name as compared (sameName).
    QHash<QString, qsizetype> m_byName;
};
