#include "core/ration/rationmodel.h"

#include "core/catalogue/waste.h"
#include "core/nutrition/numbertext.h"
#include "core/nutrition/nutrients.h"

#include <QCoreApplication>

#include <algorithm>

RationModel::RationModel(QObject *parent) : QAbstractTableModel(parent) { }

int RationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(std::max<qsizetype>(1, m_rows.size()));
}

int RationModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_showsWaste ? GrossColumn + 1 : ColumnCount;
}

void RationModel::setShowsWaste(bool shown)
{
    if (shown == m_showsWaste)
        return;
    if (shown)
        beginInsertColumns({}, WasteColumn, GrossColumn);
    else
        beginRemoveColumns({}, WasteColumn, GrossColumn);
    m_showsWaste = shown;
    if (shown)
        endInsertColumns();
    else
        endRemoveColumns();
    Q_EMIT showsWasteChanged(shown);
}

QString RationModel::grossText(const RationRow &row)
{
    return Waste::grossText(double(NumberText::parse(row.cellView(Mass))), row.wastePercent());
}

QVariant RationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (index.column() < ColumnCount)
            return text(index.row(), index.column());
        if (isBlank() || index.row() >= size())
            return QString();
        const RationRow &row = m_rows[index.row()];
        if (index.column() == GrossColumn)
            return grossText(row);
        // A row without waste loses none of its product.
        return row.wasteView().isEmpty() ? QStringLiteral("0") : row.waste();
    }
    if (role == Qt::TextAlignmentRole && index.column() != Name)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant RationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section == WasteColumn && m_showsWaste)
        return Waste::fieldName();
    if (section == GrossColumn && m_showsWaste)
        return Waste::grossFieldName();
    if (section < 0 || section >= ColumnCount)
        return {};
    const char *title = "Наименование";
    if (section == Mass)
        title = "Масса";
    else if (section >= FirstNutrient)
        title = Nutrients::all()[std::size_t(section - FirstNutrient)].rationTableTitle;
    return QCoreApplication::translate("TCentralWidget", title);
}

Qt::ItemFlags RationModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && (index.column() == Mass || index.column() == WasteColumn) && !isBlank())
        f |= Qt::ItemIsEditable;
    return f;
}

void RationModel::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    Q_EMIT nameChanged(m_name);
}

void RationModel::setDish(const QString &yield, int portions)
{
    if (yield == m_yield && portions == m_portions)
        return;
    m_yield = yield;
    m_portions = portions;
    Q_EMIT dishChanged();
}

void RationModel::setNorm(const std::optional<Profile> &profile, int share)
{
    if (profile == m_profile && share == m_share)
        return;
    m_profile = profile;
    m_share = share;
    Q_EMIT normChanged();
}

void RationModel::setCard(const CardData &card)
{
    if (card == m_card)
        return;
    m_card = card;
    Q_EMIT cardChanged();
}

QString RationModel::text(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows[row].cell(column);
}

RationRow RationModel::row(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows[row];
}

void RationModel::addToSums(const RationRow &row) { Ration::addRow(m_sums, row); }

void RationModel::recomputeSums()
{
    m_sums.fill(0.0);
    for (const RationRow &row : std::as_const(m_rows))
        addToSums(row);
    Q_EMIT totalsChanged();
}

void RationModel::putRow(int at, const RationRow &row)
{
    if (m_rows.isEmpty()) {
        m_rows.append(row);
        Q_EMIT dataChanged(index(0, 0), index(0, columnCount() - 1));
        return;
    }
    beginInsertRows({}, at, at);
    m_rows.insert(at, row);
    endInsertRows();
}

void RationModel::takeRow(int at)
{
    if (m_rows.size() == 1) {
        m_rows.clear();
        Q_EMIT dataChanged(index(0, 0), index(0, columnCount() - 1));
        return;
    }
    beginRemoveRows({}, at, at);
    m_rows.removeAt(at);
    endRemoveRows();
}

int RationModel::appendRow(const RationRow &row)
{
    putRow(int(m_rows.size()), row);
    // Summing in row order gives the same totals as summing them all anew.
    addToSums(row);
    Q_EMIT totalsChanged();
    return int(m_rows.size()) - 1;
}

void RationModel::insertRowsAt(const QList<int> &positions, const QList<RationRow> &rows)
{
    for (qsizetype k = 0; k < positions.size() && k < rows.size(); ++k)
        putRow(std::clamp(positions[k], 0, int(m_rows.size())), rows[k]);
    recomputeSums();
}

QList<RationRow> RationModel::removeRowsAt(QList<int> positions)
{
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.removeIf([this](int at) { return at < 0 || at >= m_rows.size(); });
    QList<RationRow> removed;
    for (const int at : std::as_const(positions))
        removed.append(m_rows[at]);
    if (removed.isEmpty())
        return removed;
    // From the bottom up, so that the positions still hold.
    for (auto it = positions.crbegin(); it != positions.crend(); ++it)
        takeRow(*it);
    recomputeSums();
    return removed;
}

void RationModel::replaceRow(int row, const RationRow &texts)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row] = texts;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    recomputeSums();
}

void RationModel::setRows(const QList<RationRow> &rows)
{
    beginResetModel();
    // One row of empty texts is how a ration with no rows is written.
    const bool blank = rows.size() == 1 && rows[0].isEmpty();
    m_rows.clear();
    if (!blank)
        m_rows = rows;
    endResetModel();
    recomputeSums();
}

void RationModel::addRows(const Ration &ration)
{
    const QList<RationRow> &rows = ration.rows;
    beginResetModel();
    if (m_rows.size() + rows.size() == 1 && (m_rows.isEmpty() ? rows[0] : m_rows[0]).isEmpty()) {
        // One row of empty texts is how a ration with no rows is written.
        m_rows.clear();
        m_sums.fill(0.0);
    } else if (m_rows.isEmpty()) {
        m_rows = rows;
        if (ration.sums) {
            m_sums = *ration.sums;
        } else {
            m_sums.fill(0.0);
            for (const RationRow &row : rows)
                addToSums(row);
        }
    } else {
        // Summing on in row order gives the same sums as summing them all anew.
        m_rows.reserve(m_rows.size() + rows.size());
        for (const RationRow &row : rows) {
            m_rows.append(row);
            addToSums(row);
        }
    }
    endResetModel();
    Q_EMIT totalsChanged();
}

QStringList RationModel::totals() const
{
    QStringList texts;
    for (const double sum : m_sums)
        texts.append(NumberText::format(sum));
    return texts;
}

Ration RationModel::ration() const
{
    Ration r;
    r.name = m_name;
    r.rows = m_rows;
    if (r.rows.isEmpty())
        r.rows.append(RationRow());
    r.totals = totals();
    r.yield = m_yield;
    r.portions = m_portions;
    r.profile = m_profile;
    r.share = m_share;
    r.card = m_card;
    return r;
}

RationRow RationModel::productRow(const QString &product, const QString &mass,
                                  const QStringList &per100g)
{
    QStringList texts{product, mass};
    for (const Nutrients::Nutrient &nutrient : Nutrients::all())
        texts.append(NumberText::scale(mass, per100g.value(nutrient.id)));
    return texts;
}

RationRow RationModel::withMass(const RationRow &row, const QString &mass,
                                const QStringList &per100g)
{
    RationRow result;
    if (!per100g.isEmpty()) {
        result = productRow(row.cell(Name), mass, per100g);
    } else {
        QStringList texts{row.cell(Name), mass};
        const double oldMass = double(NumberText::parse(row.cellView(Mass)));
        const double newMass = double(NumberText::parse(mass));
        for (int c = FirstNutrient; c < ColumnCount; ++c) {
            const double value = double(NumberText::parse(row.cellView(c)));
            // With no old mass to go by, a value cannot be rescaled: it stays.
            texts.append(oldMass > 0.0 ? NumberText::format(value * newMass / oldMass)
                                       : row.cell(c));
        }
        result = texts;
    }
    // The share peeled off stays whatever the mass.
    result.setWaste(row.waste());
    return result;
}
