#pragma once

#include <QString>

// The share of a product lost to cold processing (peel, trimmings), in per
// cent of what is bought: the gross mass (брутто) is bought and weighed, the
// net mass (нетто) goes into the pot. A ration's masses are net masses.
namespace Waste {

// A waste of 100 % or more leaves nothing of the product.
constexpr double Limit = 100.0;

// The field's caption, which every refusal names.
QString fieldName();
// The caption of the gross mass it gives, in grams.
QString grossFieldName();

struct Reading {
    bool ok = false;
    double percent = 0.0;
    // The waste to store: the text as typed with the comma made a point.
    QString text;
    // Why the text was refused (empty when ok).
    QString why;
};

// What the user typed as a waste: a number from 0 to under 100, with a
// decimal point or a decimal comma; an empty field is no waste.
Reading read(const QString &typed);

// Whether a waste can be taken: 0 <= percent < 100.
bool accepts(double percent);

// The gross mass that gives the net mass after the waste: net × 100 / (100 − w).
// NaN for a waste that cannot be taken.
double gross(double net, double percent);
// The same as a cook reads it, grams to one decimal ("158.5"; "—" for none).
QString grossText(double net, double percent);

} // namespace Waste
