#include "gui/ration/rationcommands.h"

#include "core/platform/trcontext.h"
#include "core/ration/rationmodel.h"

#include <algorithm>
#include <utility>

TR_CONTEXT(TCentralWidget)

int RationCommand::s_quiet = 0;

void RationCommand::redo()
{
    if (s_quiet == 0)
        apply();
}

void RationCommand::undo()
{
    if (s_quiet == 0)
        revert();
}

AddRowCommand::AddRowCommand(RationModel *model, const RationRow &row) : m_model(model), m_row(row)
{
    setText(tr("добавление «%1»").arg(row.cell(RationModel::Name)));
}

void AddRowCommand::apply() { m_at = m_model->appendRow(m_row); }

void AddRowCommand::revert() { m_model->removeRowsAt({m_at}); }

AddRowsCommand::AddRowsCommand(RationModel *model, const QList<RationRow> &rows)
    : m_model(model), m_rows(rows)
{
    if (rows.size() == 1)
        setText(tr("добавление «%1»").arg(rows.first().cell(RationModel::Name)));
    else
        setText(tr("добавление строк (%1)").arg(rows.size()));
}

void AddRowsCommand::apply()
{
    // Put in at once, so that the totals are worked out once.
    m_at.clear();
    for (qsizetype k = 0; k < m_rows.size(); ++k)
        m_at.append(m_model->size() + int(k));
    m_model->insertRowsAt(m_at, m_rows);
}

void AddRowsCommand::revert() { m_model->removeRowsAt(m_at); }

RemoveRowsCommand::RemoveRowsCommand(RationModel *model, const QList<int> &rows)
    : m_model(model), m_positions(rows)
{
    std::sort(m_positions.begin(), m_positions.end());
    m_positions.erase(std::unique(m_positions.begin(), m_positions.end()), m_positions.end());
    if (m_positions.size() == 1)
        setText(tr("удаление «%1»").arg(model->text(m_positions.first(), RationModel::Name)));
    else
        setText(tr("удаление строк (%1)").arg(m_positions.size()));
}

void RemoveRowsCommand::apply() { m_rows = m_model->removeRowsAt(m_positions); }

void RemoveRowsCommand::revert() { m_model->insertRowsAt(m_positions, m_rows); }

ChangeRowCommand::ChangeRowCommand(RationModel *model, int row, const RationRow &texts)
    : m_model(model), m_row(row), m_before(model->row(row)), m_after(texts)
{
    setText(tr("изменение массы «%1»").arg(m_before.cell(RationModel::Name)));
}

void ChangeRowCommand::apply() { m_model->replaceRow(m_row, m_after); }

void ChangeRowCommand::revert() { m_model->replaceRow(m_row, m_before); }

namespace {

RationRow withWaste(RationRow row, const QString &waste)
{
    row.setWaste(waste);
    return row;
}

} // namespace

WasteCommand::WasteCommand(RationModel *model, int row, const QString &waste)
    : ChangeRowCommand(model, row, withWaste(model->row(row), waste))
{
    setText(tr("изменение отходов «%1»").arg(model->text(row, RationModel::Name)));
}

RenameCommand::RenameCommand(RationModel *model, const QString &before, const QString &after)
    : m_model(model), m_before(before), m_after(after)
{
    setText(tr("переименование рациона"));
}

void RenameCommand::apply() { m_model->setName(m_after); }

void RenameCommand::revert() { m_model->setName(m_before); }

bool RenameCommand::mergeWith(const QUndoCommand *other)
{
    if (other->id() != id())
        return false;
    m_after = static_cast<const RenameCommand *>(other)->m_after;
    // Typed back to the name it had: no step at all.
    setObsolete(m_after == m_before);
    return true;
}

DishCommand::DishCommand(RationModel *model, const QString &yield, int portions)
    : m_model(model), m_yieldBefore(model->yield()), m_portionsBefore(model->portions()),
      m_yield(yield), m_portions(portions)
{
    setText(portions != m_portionsBefore ? tr("изменение числа порций")
                                         : tr("изменение выхода блюда"));
}

void DishCommand::apply() { m_model->setDish(m_yield, m_portions); }

void DishCommand::revert() { m_model->setDish(m_yieldBefore, m_portionsBefore); }

bool DishCommand::mergeWith(const QUndoCommand *other)
{
    if (other->id() != id())
        return false;
    const auto *next = static_cast<const DishCommand *>(other);
    if (m_yield != m_yieldBefore || next->m_yield != next->m_yieldBefore)
        return false;
    m_portions = next->m_portions;
    setObsolete(m_portions == m_portionsBefore);
    return true;
}

NormCommand::NormCommand(RationModel *model, const std::optional<Profile> &profile, int share)
    : m_model(model), m_profileBefore(model->profile()), m_shareBefore(model->share()),
      m_profile(profile), m_share(share)
{
    setText(profile != m_profileBefore ? tr("выбор профиля") : tr("изменение доли дневной нормы"));
}

void NormCommand::apply() { m_model->setNorm(m_profile, m_share); }

void NormCommand::revert() { m_model->setNorm(m_profileBefore, m_shareBefore); }

CardCommand::CardCommand(RationModel *model, const CardData &card)
    : m_model(model), m_before(model->card()), m_after(card)
{
    setText(tr("изменение технологической карты"));
}

void CardCommand::apply() { m_model->setCard(m_after); }

void CardCommand::revert() { m_model->setCard(m_before); }

ScaleCommand::ScaleCommand(RationModel *model, const QList<RationRow> &rows, const QString &yield,
                           int portions, const QUndoCommand *shown)
    : m_model(model), m_yieldBefore(model->yield()), m_portionsBefore(model->portions()),
      m_after(pack(rows)), m_yield(yield), m_portions(portions)
{
    setText(tr("масштабирование рациона"));
    // What the ration shows is what the scaling before left: scaled again
    // and again, a long ration keeps one set of texts per step, not two.
    const auto *before = dynamic_cast<const ScaleCommand *>(shown);
    if (before && before->m_after.ends.size() == model->rows().size() * CellsPerRow)
        m_before = before->m_after;
    else
        m_before = pack(model->rows());
}

ScaleCommand::Cells ScaleCommand::pack(const QList<RationRow> &rows)
{
    Cells cells;
    cells.ends.reserve(rows.size() * CellsPerRow);
    for (const RationRow &row : rows) {
        for (int c = 1; c <= CellsPerRow; ++c) {
            cells.texts += row.cellView(c);
            cells.ends.append(cells.texts.size());
        }
    }
    cells.texts.squeeze();
    return cells;
}

QList<RationRow> ScaleCommand::unpack(const Cells &cells) const
{
    const QList<RationRow> &shown = m_model->rows();
    QList<RationRow> rows;
    rows.reserve(shown.size());
    qsizetype k = 0;
    qsizetype start = 0;
    for (const RationRow &row : shown) {
        // The name, then the row's packed texts as they stand.
        const QStringView name = row.cellView(0);
        RationRow::Ends ends{};
        ends[0] = int(name.size());
        const qsizetype first = start;
        for (int c = 1; c <= CellsPerRow; ++c) {
            start = cells.ends.value(k++, start);
            ends[c] = int(name.size() + start - first);
        }
        QString joined;
        joined.reserve(ends.back());
        joined.append(name).append(QStringView(cells.texts).sliced(first, start - first));
        RationRow unpacked(std::move(joined), ends);
        // A scaling leaves every waste as it was: the one shown is the
        // row's on either side of the step.
        if (!row.wasteView().isEmpty())
            unpacked.setWaste(row.waste());
        rows.append(std::move(unpacked));
    }
    return rows;
}

void ScaleCommand::apply()
{
    m_model->setRows(unpack(m_after));
    m_model->setDish(m_yield, m_portions);
}

void ScaleCommand::revert()
{
    m_model->setRows(unpack(m_before));
    m_model->setDish(m_yieldBefore, m_portionsBefore);
}
