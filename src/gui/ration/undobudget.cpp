#include "gui/ration/undobudget.h"

#include "gui/ration/rationcommands.h"

#include <QSignalBlocker>
#include <QUndoStack>

#include <algorithm>

UndoBudget::UndoBudget(QUndoStack *stack, qsizetype rows) : m_stack(stack), m_rows(rows) { }

void UndoBudget::push(QUndoCommand *step)
{
    m_stack->push(step);
    qsizetype rows = storedRows();
    int steps = 0;
    while (rows > m_rows && steps + 1 < m_stack->index())
        rows -= rowsOf(steps++);
    if (steps > 0)
        dropOldest(steps);
}

qsizetype UndoBudget::storedRows() const
{
    qsizetype rows = 0;
    for (int i = 0; i < m_stack->count(); ++i)
        rows += rowsOf(i);
    return rows;
}

qsizetype UndoBudget::rowsOf(int step) const
{
    const auto *command = dynamic_cast<const RationCommand *>(m_stack->command(step));
    return std::max<qsizetype>(1, command ? command->storedRows() : 0);
}

void UndoBudget::dropOldest(int steps)
{
    // QUndoStack removes steps only from the top, or an obsolete step when
    // the stack is undone past it. So the oldest steps are made obsolete and
    // the stack walks down past them and back, its steps quiet meanwhile;
    // the ration is untouched, and the stack says nothing, for it ends where
    // it was: the same step to undo, to redo, and the same saved state.
    const int index = m_stack->index();
    const int clean = m_stack->cleanIndex();
    const QSignalBlocker blocker(m_stack);
    const RationCommand::Quiet quiet;
    for (int i = 0; i < steps; ++i)
        // The stack hands out its steps read-only, but they are ours.
        const_cast<QUndoCommand *>(m_stack->command(i))->setObsolete(true);
    m_stack->setIndex(0);
    if (clean >= steps) {
        m_stack->setIndex(clean - steps);
        m_stack->setClean();
    } else {
        // The saved state was among the steps dropped: no step leads back.
        m_stack->resetClean();
    }
    m_stack->setIndex(index - steps);
}
