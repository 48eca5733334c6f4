#pragma once

#include <QList>
#include <QStringList>
#include <QUndoCommand>

class RationModel;

// The undoable steps of the ration editor. Each names itself so that the
// Edit menu can say what it undoes.

class AddRowCommand : public QUndoCommand
{
public:
    AddRowCommand(RationModel *model, const QStringList &row);
    void redo() override;
    void undo() override;

private:
    RationModel *m_model;
    QStringList m_row;
    int m_at = -1;
};

class RemoveRowsCommand : public QUndoCommand
{
public:
    RemoveRowsCommand(RationModel *model, const QList<int> &rows);
    void redo() override;
    void undo() override;

private:
    RationModel *m_model;
    QList<int> m_positions;
    QList<QStringList> m_rows;
};

class ChangeRowCommand : public QUndoCommand
{
public:
    ChangeRowCommand(RationModel *model, int row, const QStringList &texts);
    void redo() override;
    void undo() override;

private:
    RationModel *m_model;
    int m_row;
    QStringList m_before;
    QStringList m_after;
};

// Typing in the name field: consecutive edits merge into one step.
class RenameCommand : public QUndoCommand
{
public:
    RenameCommand(RationModel *model, const QString &before, const QString &after);
    void redo() override;
    void undo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    RationModel *m_model;
    QString m_before;
    QString m_after;
};

// A new yield or number of portions of the dish. Changes of the portions
// in a row (typing "25" passes through 2) merge into one step.
class DishCommand : public QUndoCommand
{
public:
    DishCommand(RationModel *model, const QString &yield, int portions);
    void redo() override;
    void undo() override;
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    RationModel *m_model;
    QString m_yieldBefore;
    int m_portionsBefore;
    QString m_yield;
    int m_portions;
};

// Every row at once with a new mass and values, and the yield and the
// number of portions with them.
class ScaleCommand : public QUndoCommand
{
public:
    ScaleCommand(RationModel *model, const QList<QStringList> &rows, const QString &yield,
                 int portions);
    void redo() override;
    void undo() override;

private:
    RationModel *m_model;
    QList<QStringList> m_before;
    QString m_yieldBefore;
    int m_portionsBefore;
    QList<QStringList> m_after;
    QString m_yield;
    int m_portions;
};
