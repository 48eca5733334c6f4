#include "core/ration/rationrow.h"

#include <QDebug>

#include <utility>

RationRow::RationRow(const QStringList &cells)
{
    qsizetype size = 0;
    for (int c = 0; c < CellCount && c < cells.size(); ++c)
        size += cells[c].size();
    m_text.reserve(size);
    for (int c = 0; c < CellCount; ++c) {
        if (c < cells.size())
            m_text += cells[c];
        m_ends[c] = int(m_text.size());
    }
}

RationRow::RationRow(std::initializer_list<QString> cells) : RationRow(QStringList(cells)) { }

RationRow::RationRow(QString joined, const Ends &ends) : m_text(std::move(joined)), m_ends(ends)
{
    Q_ASSERT(ends.back() == m_text.size());
}

void RationRow::setWaste(const QString &waste)
{
    m_text.truncate(m_ends.back());
    m_text += waste;
}

double RationRow::wastePercent() const
{
    // Kept with a point, as the C locale reads it; none reads 0.
    return wasteView().isEmpty() ? 0.0 : wasteView().toDouble();
}

void RationRow::setCell(int c, const QString &text)
{
    if (c < 0 || c >= CellCount)
        return;
    const int start = c == 0 ? 0 : m_ends[c - 1];
    const int grows = int(text.size()) - (m_ends[c] - start);
    m_text.replace(start, m_ends[c] - start, text);
    for (int k = c; k < CellCount; ++k)
        m_ends[k] += grows;
}

QStringList RationRow::cells() const
{
    QStringList list;
    list.reserve(CellCount);
    for (int c = 0; c < CellCount; ++c)
        list.append(cellView(c).toString());
    return list;
}

QDebug operator<<(QDebug debug, const RationRow &row)
{
    debug << row.cells();
    if (!row.wasteView().isEmpty())
        debug << "waste" << row.waste();
    return debug;
}
