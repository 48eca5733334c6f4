#pragma once

#include "core/nutrition/nutrients.h"

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <initializer_list>

class QDebug;

// One row of a ration as the editor shows it: the product's name, its mass,
// then each nutrient, as texts. The cells stand one after another in one
// text, so that a row costs one allocation however many cells it has: a
// long ration is read, held and undone a row at a time, not a cell at a
// time. A row may also lose a share of its product to cold processing (its
// waste, in per cent); its text follows the last cell in the same string,
// so that a row without one costs nothing more.
class RationRow
{
public:
    static constexpr int CellCount = 1 + Nutrients::WithMassCount;
    // Where each cell ends in the joined text; a cell starts where the one
    // before it ends.
    using Ends = std::array<int, CellCount>;

    // A row whose cells are all empty.
    RationRow() = default;
    // A row is its cells: the missing ones are empty, and any past the
    // last column are not kept.
    RationRow(const QStringList &cells); // NOLINT(google-explicit-constructor)
    RationRow(std::initializer_list<QString> cells);
    // The cells written one after another in joined, cell c ending at
    // ends[c] (ascending, the last at joined's end); no waste.
    RationRow(QString joined, const Ends &ends);

    // A cell's text; empty for a cell out of range.
    QString cell(int c) const { return cellView(c).toString(); }
    QStringView cellView(int c) const
    {
        if (c < 0 || c >= CellCount)
            return {};
        const int start = c == 0 ? 0 : m_ends[c - 1];
        return QStringView(m_text).sliced(start, m_ends[c] - start);
    }
    void setCell(int c, const QString &text);
    QStringList cells() const;
    // Whether every cell is empty and there is no waste.
    bool isEmpty() const { return m_text.isEmpty(); }

    // The waste as Waste::read keeps it ('.' as the decimal point); empty
    // for none.
    QStringView wasteView() const { return QStringView(m_text).sliced(m_ends.back()); }
    QString waste() const { return wasteView().toString(); }
    void setWaste(const QString &waste);
    // The waste as a number: 0 for none.
    double wastePercent() const;

    friend bool operator==(const RationRow &a, const RationRow &b)
    {
        return a.m_ends == b.m_ends && a.m_text == b.m_text;
    }
    friend bool operator!=(const RationRow &a, const RationRow &b) { return !(a == b); }

private:
    QString m_text;
    Ends m_ends{};
};

// A row as its cells, for messages such as a failed comparison's.
QDebug operator<<(QDebug debug, const RationRow &row);

// A list moves its rows as bytes, as it does strings.
Q_DECLARE_TYPEINFO(RationRow, Q_RELOCATABLE_TYPE);
Q_DECLARE_METATYPE(RationRow)
