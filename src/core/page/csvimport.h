#pragma once

#include "core/catalogue/foodtable.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class OwnProducts;

// Rows of a ration from a CSV file that a user or a spreadsheet wrote: a
// product's name in the first column, its mass in grams in the second, any
// other column ignored. The separator is the file's own (tab, ';' or ','); a
// first line that names the columns is skipped, and so is all that follows a
// line «ВСЕГО:», which in a file this program wrote holds the totals, dish
// and norm. Names are those of the food table or the user's own products,
// case and е/ё aside (the table's product first when both have one); masses
// are read as typed in the mass dialog, with a decimal point or comma.
class CsvImport
{
    Q_DECLARE_TR_FUNCTIONS(CsvImport)

public:
    struct Row {
        QString name; // as the food list has it
        QString mass; // as the ration keeps it
        QStringList per100g;
        // An own product's waste, as it keeps it (empty: none or a product
        // of the table).
        QString waste;
    };
    struct Result {
        QList<Row> rows;
        // One text per line that was not taken: its number, the name and why.
        QStringList problems;
    };

    static Result read(QStringView text, const FoodTable &table, const OwnProducts &own);
};
