#include "ration/rationcommands.h"

#include "ration/rationmodel.h"
#include "trcontext.h"

#include <algorithm>

TR_CONTEXT(TCentralWidget)

AddRowCommand::AddRowCommand(RationModel *model, const QStringList &row)
    : m_model(model), m_row(row)
{
    setText(tr("добавление «%1»").arg(row.value(RationModel::Name)));
}

void AddRowCommand::redo() { m_at = m_model->appendRow(m_row); }

void AddRowCommand::undo() { m_model->removeRowsAt({m_at}); }

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

void RemoveRowsCommand::redo() { m_rows = m_model->removeRowsAt(m_positions); }

void RemoveRowsCommand::undo() { m_model->insertRowsAt(m_positions, m_rows); }

ChangeRowCommand::ChangeRowCommand(RationModel *model, int row, const QStringList &texts)
    : m_model(model), m_row(row), m_before(model->row(row)), m_after(texts)
{
    setText(tr("изменение массы «%1»").arg(m_before.value(RationModel::Name)));
}

void ChangeRowCommand::redo() { m_model->replaceRow(m_row, m_after); }

void ChangeRowCommand::undo() { m_model->replaceRow(m_row, m_before); }

RenameCommand::RenameCommand(RationModel *model, const QString &before, const QString &after)
    : m_model(model), m_before(before), m_after(after)
{
    setText(tr("переименование рациона"));
}

void RenameCommand::redo() { m_model->setName(m_after); }

void RenameCommand::undo() { m_model->setName(m_before); }

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

void DishCommand::redo() { m_model->setDish(m_yield, m_portions); }

void DishCommand::undo() { m_model->setDish(m_yieldBefore, m_portionsBefore); }

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

ScaleCommand::ScaleCommand(RationModel *model, const QList<QStringList> &rows, const QString &yield,
                           int portions)
    : m_model(model), m_before(model->rows()), m_yieldBefore(model->yield()),
      m_portionsBefore(model->portions()), m_after(rows), m_yield(yield), m_portions(portions)
{
    setText(tr("масштабирование рациона"));
}

void ScaleCommand::redo()
{
    m_model->setRows(m_after);
    m_model->setDish(m_yield, m_portions);
}

void ScaleCommand::undo()
{
    m_model->setRows(m_before);
    m_model->setDish(m_yieldBefore, m_portionsBefore);
}
