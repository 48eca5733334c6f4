#pragma once

#include <QtGlobal>

class QUndoCommand;
class QUndoStack;

// Keeps a ration's undo history within a budget of stored rows. Qt's own
// limit counts steps, and one scaling of a long ration keeps as much as
// thousands of small edits; so once the steps keep more rows than the
// budget, the oldest steps go, as few as bring the rest within it. The step
// just done, and any that can be redone, always stay.
class UndoBudget
{
public:
    // A scaling keeps each row before and after it at some 50 bytes a row:
    // the last six scalings of a 40,000-row ration, thousands of steps of a
    // ration of a hundred rows.
    static constexpr qsizetype DefaultRows = 500000;

    explicit UndoBudget(QUndoStack *stack, qsizetype rows = DefaultRows);

    // Does the step and keeps it on the stack, dropping the oldest steps
    // that no longer fit the budget.
    void push(QUndoCommand *step);
    // Rows the steps on the stack keep; a step that keeps none counts as
    // one.
    qsizetype storedRows() const;

private:
    qsizetype rowsOf(int step) const;
    void dropOldest(int steps);

    QUndoStack *m_stack;
    qsizetype m_rows;
};
