#include "core/page/rationtable.h"

#include "core/catalogue/waste.h"
#include "core/nutrition/figuretext.h"
#include "core/page/rationpage.h"
#include "core/ration/dish.h"
#include "core/ration/rationmodel.h"
#include "core/ration/rationnorm.h"

#include <algorithm>

namespace RationTable {

namespace {

// Every cell of a ration's row is read here.
QString cellOf(const RationRow &row, int column) { return row.cell(column); }

// Whether any row loses a share to cold processing: its table then has the
// waste and the gross mass of every row.
bool hasWaste(const QList<RationRow> &rows)
{
    return std::any_of(rows.cbegin(), rows.cend(),
                       [](const RationRow &row) { return !row.wasteView().isEmpty(); });
}

QStringList titlesOf(const Ration &ration)
{
    QStringList titles = RationPage::columnTitles();
    if (hasWaste(ration.rows))
        titles << Waste::fieldName() << Waste::grossFieldName();
    return titles;
}

void appendRow(FigureTable &table, const RationRow &row, bool waste)
{
    FigureTable::Row cells{FigureTable::text(cellOf(row, 0))};
    bool blank = cells.first().text.isEmpty();
    for (int c = 1; c < Ration::ColumnCount; ++c) {
        cells.append(FigureTable::figure(cellOf(row, c)));
        blank = blank && cells.last().text.isEmpty();
    }
    if (blank)
        return;
    if (waste) {
        cells.append(
            FigureTable::figure(row.wasteView().isEmpty() ? QStringLiteral("0") : row.waste()));
        cells.append(FigureTable::figure(RationModel::grossText(row)));
    }
    table.rows.append(cells);
}

// A row of a caption and a figure under each total.
FigureTable::Row captionRow(const QString &caption, const QStringList &figures)
{
    FigureTable::Row cells{FigureTable::text(caption)};
    for (const QString &figure : figures)
        cells.append(FigureTable::figure(figure));
    return cells;
}

void appendDish(FigureTable &table, const Ration &ration, const RationPage::RowCaptions &captions)
{
    if (!ration.hasDish())
        return;
    const Dish dish(ration.totals, ration.yield, ration.portions);
    table.rows.append({FigureTable::text(captions.yield),
                       FigureTable::figure(FigureText::grams(dish.yield())),
                       FigureTable::text(captions.portions),
                       FigureTable::figure(QString::number(ration.portions))});
    table.rows.append(captionRow(captions.per100g, dish.shownPer100g()));
    table.rows.append(captionRow(captions.perPortion, dish.shownPerPortion()));
}

void appendNorm(FigureTable &table, const Ration &ration, const RationPage::RowCaptions &captions)
{
    const std::optional<RationNorm> norm = RationNorm::of(ration);
    if (!norm)
        return;
    table.rows.append({FigureTable::text(captions.profile), FigureTable::text(ration.profile->name),
                       FigureTable::text(captions.share),
                       FigureTable::figure(QString::number(ration.share))});
    QStringList norms{QString()};
    QStringList percents{QString()};
    for (const Nutrients::Nutrient &nutrient : Nutrients::all()) {
        const RationNorm::Value &value = norm->value(nutrient.id);
        norms.append(value.norm ? QString::number(*value.norm) : QString());
        percents.append(RationNorm::percentText(value));
    }
    table.rows.append(captionRow(captions.norm, norms));
    table.rows.append(captionRow(norm->percentTitle(), percents));
}

void appendCard(FigureTable &table, const CardData &card)
{
    if (card.isEmpty())
        return;
    table.rows.append({FigureTable::text(CardData::numberField()), FigureTable::text(card.number)});
    table.rows.append(
        {FigureTable::text(CardData::dateField()),
         FigureTable::text(card.date.isValid() ? card.date.toString(QStringLiteral("dd.MM.yyyy"))
                                               : QString())});
    table.rows.append({FigureTable::text(CardData::batchField()),
                       FigureTable::figure(QString::number(card.batch))});
    table.rows.append(
        {FigureTable::text(CardData::technologyField()), FigureTable::text(card.technology)});
}

} // namespace

FigureTable of(const Ration &ration)
{
    FigureTable table;
    table.titles = titlesOf(ration);
    const bool waste = hasWaste(ration.rows);
    for (const RationRow &row : ration.rows)
        appendRow(table, row, waste);
    const RationPage::RowCaptions captions = RationPage::rowCaptions();
    table.rows.append(captionRow(captions.totals, ration.totals));
    appendDish(table, ration, captions);
    appendNorm(table, ration, captions);
    appendCard(table, ration.card);
    return table;
}

FigureTable rowsOf(const Ration &ration, const QList<int> &positions)
{
    FigureTable table;
    table.titles = titlesOf(ration);
    const bool waste = hasWaste(ration.rows);
    for (const int position : positions) {
        if (position >= 0 && position < ration.rows.size())
            appendRow(table, ration.rows.at(position), waste);
    }
    return table;
}

FigureTable ofTexts(const QStringList &titles, const QList<QStringList> &rows)
{
    FigureTable table;
    table.titles = titles;
    for (const QStringList &row : rows)
        table.rows.append(captionRow(row.value(0), row.mid(1)));
    return table;
}

} // namespace RationTable
