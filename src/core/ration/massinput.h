#pragma once

#include <QString>

// What the user types as a mass in grams, in the mass dialog or in a mass
// cell: a number greater than zero, written with a decimal point or a
// decimal comma ("1,5" is one and a half), without digit grouping, and no
// more than MaxMass: a larger mass scales the values of a product beyond
// what a ration's numbers hold.
namespace MassInput {

// A tonne, in grams.
constexpr double MaxMass = 1e6;

struct Reading {
    bool ok = false;
    // The mass to store: the text as typed with the comma made a point.
    QString mass;
    // Why the text was refused (empty when ok).
    QString why;
};

Reading read(const QString &typed);

// True for a text that may become a mass by typing more: the editors let
// the user type it (and refuse it only when it is entered).
bool mayType(const QString &typed);

} // namespace MassInput
