#pragma once

#include "core/norms/profiles.h"
#include "core/ration/carddata.h"
#include "core/ration/rationrow.h"

#include <QList>
#include <QStringList>
#include <QUndoCommand>

#include <optional>

class RationModel;

// The undoable steps of the ration editor. Each names itself so that the
// Edit menu can say what it undoes, and says how many rows of texts it keeps
// to do so, which is what bounds the history (UndoBudget).

class RationCommand : public QUndoCommand
{
public:
    void redo() final;
    void undo() final;
    // Rows of texts the step keeps, as the history's budget counts them.
    virtual qsizetype storedRows() const = 0;

    // While one lives, steps neither undo nor redo anything: the history
    // walks past its steps to drop the oldest ones without touching the
    // ration.
    class Quiet
    {
    public:
        Quiet() { ++s_quiet; }
        ~Quiet() { --s_quiet; }
        Quiet(const Quiet &) = delete;
        Quiet &operator=(const Quiet &) = delete;
    };

protected:
    virtual void apply() = 0;
    virtual void revert() = 0;

private:
    static int s_quiet;
};

class AddRowCommand : public RationCommand
{
public:
    AddRowCommand(RationModel *model, const RationRow &row);
    qsizetype storedRows() const override { return 1; }

protected:
    void apply() override;
    void revert() override;

private:
    RationModel *m_model;
    RationRow m_row;
    int m_at = -1;
};

// Rows added at the end at once (from a file), taken back at once.
class AddRowsCommand : public RationCommand
{
public:
    AddRowsCommand(RationModel *model, const QList<RationRow> &rows);
    qsizetype storedRows() const override { return m_rows.size(); }

protected:
    void apply() override;
    void revert() override;

private:
    RationModel *m_model;
    QList<RationRow> m_rows;
    QList<int> m_at;
};

class RemoveRowsCommand : public RationCommand
{
public:
    RemoveRowsCommand(RationModel *model, const QList<int> &rows);
    qsizetype storedRows() const override { return m_rows.size(); }

protected:
    void apply() override;
    void revert() override;

private:
    RationModel *m_model;
    QList<int> m_positions;
    QList<RationRow> m_rows;
};

class ChangeRowCommand : public RationCommand
{
public:
    ChangeRowCommand(RationModel *model, int row, const RationRow &texts);
    qsizetype storedRows() const override { return 2; }

protected:
    void apply() override;
    void revert() override;

private:
    RationModel *m_model;
    int m_row;
    RationRow m_before;
    RationRow m_after;
};

// A row's new waste; the rest of the row stays as it is.
class WasteCommand : public ChangeRowCommand
{
public:
    WasteCommand(RationModel *model, int row, const QString &waste);
};

// Typing in the name field: consecutive edits merge into one step.
class RenameCommand : public RationCommand
{
public:
    RenameCommand(RationModel *model, const QString &before, const QString &after);
    qsizetype storedRows() const override { return 0; }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override;

protected:
    void apply() override;
    void revert() override;

private:
    RationModel *m_model;
    QString m_before;
    QString m_after;
};

// A new yield or number of portions of the dish. Changes of the portions
// in a row (typing "25" passes through 2) merge into one step.
class DishCommand : public RationCommand
{
public:
    DishCommand(RationModel *model, const QString &yield, int portions);
    qsizetype storedRows() const override { return 0; }
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand *other) override;

protected:
    void apply() override;
    void revert() override;

private:
    RationModel *m_model;
    QString m_yieldBefore;
    int m_portionsBefore;
    QString m_yield;
    int m_portions;
};

// A new profile or share of the day that the ration is measured against.
class NormCommand : public RationCommand
{
public:
    NormCommand(RationModel *model, const std::optional<Profile> &profile, int share);
    qsizetype storedRows() const override { return 0; }

protected:
    void apply() override;
    void revert() override;

private:
    RationModel *m_model;
    std::optional<Profile> m_profileBefore;
    int m_shareBefore;
    std::optional<Profile> m_profile;
    int m_share;
};

// New data of the dish's technological card: number, date, batch, technology.
class CardCommand : public RationCommand
{
public:
    CardCommand(RationModel *model, const CardData &card);
    qsizetype storedRows() const override { return 0; }

protected:
    void apply() override;
    void revert() override;

private:
    RationModel *m_model;
    CardData m_before;
    CardData m_after;
};

// Every row at once with a new mass and values, and the yield and the
// number of portions with them.
// A scaling changes no name and no number of rows, so the step keeps only
// the other texts of every row, before and after, packed into one string
// each: a fraction of the memory of the rows themselves.
class ScaleCommand : public RationCommand
{
public:
    // rows: the ration's rows as they are to be, in the same order.
    // shown: the step whose result the ration shows, if any; when that is a
    // scaling too, the two share the texts between them.
    ScaleCommand(RationModel *model, const QList<RationRow> &rows, const QString &yield,
                 int portions, const QUndoCommand *shown = nullptr);
    qsizetype storedRows() const override { return 2 * m_before.ends.size() / CellsPerRow; }

protected:
    void apply() override;
    void revert() override;

private:
    static constexpr int CellsPerRow = RationRow::CellCount - 1;
    // Every text of a row but its name, one after another, and the end of
    // each in texts. Copies share their data.
    struct Cells {
        QString texts;
        QList<qsizetype> ends;
    };
    static Cells pack(const QList<RationRow> &rows);
    // The rows with the packed texts after the names the ration shows.
    QList<RationRow> unpack(const Cells &cells) const;

    RationModel *m_model;
    Cells m_before;
    QString m_yieldBefore;
    int m_portionsBefore;
    Cells m_after;
    QString m_yield;
    int m_portions;
};
