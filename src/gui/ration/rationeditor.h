#pragma once

#include "core/norms/profiles.h"
#include "core/ration/carddata.h"
#include "core/ration/rationscale.h"
#include "gui/ration/undobudget.h"

#include <QObject>
#include <QStringList>

class QUndoStack;
class RationModel;
struct Ration;

// The work behind the ration window: the ration (a RationModel) and its
// undo history. Every change the user makes goes through here as one
// undoable step; the widgets only ask for it and show the result. What is
// refused comes back with the reason, for the window to say.
class RationEditor : public QObject
{
    Q_OBJECT

public:
    explicit RationEditor(QObject *parent = nullptr);

    RationModel *model() const { return m_model; }
    QUndoStack *undoStack() const { return m_undoStack; }

    // The six totals as shown under the table: "0.00" each, a text no sum
    // ever gives, until the ration's totals are first worked out.
    QStringList totals() const;

    // Puts a ration's rows after the ones there (filling the blank row) and
    // takes its name; nothing of it can be undone: the history starts afresh.
    void load(const Ration &ration);
    // Takes the dish of a loaded ration as the window shows it, without a
    // step of its own.
    void takeLoadedDish(const QString &yield, int portions);
    // The same for the profile and share of the day it is measured against.
    void takeLoadedNorm(const std::optional<Profile> &profile, int share);
    // The same for the technological card.
    void takeLoadedCard(const CardData &card);

    // A product added with its mass and its values per 100 g, losing the
    // waste given (as Waste::read keeps it; empty: none).
    void addProduct(const QString &name, const QString &mass, const QStringList &per100g,
                    const QString &waste = QString());
    // The waste a product added now starts with, while the waste is shown:
    // the own product's (ownWaste) when it has one, else the norm for the
    // product on the card's date, or today when the card has none; none
    // while the waste is not shown.
    QString wasteFor(const QString &product, const QString &ownWaste = QString()) const;
    // Adds rows at the end as one step (none: no step), each with the waste
    // wasteFor gives it (a row's own waste standing for an own product's).
    void addRows(QList<RationRow> rows);
    // Removes the rows (any order, repeats allowed); returns whether a row
    // went. Removing the blank row works the totals out.
    bool removeRows(const QList<int> &rows);
    void rename(const QString &name);
    void changeDish(const QString &yield, int portions);
    // Measures the ration against another profile or share of the day.
    void changeNorm(const std::optional<Profile> &profile, int share);
    // New data of the dish's technological card; refused (false) with the
    // reasons, each naming its field, in why.
    bool changeCard(const CardData &card, QString *why = nullptr);
    // Each row's cold-processing waste, in per cent, as the technological
    // card takes it.
    QList<double> wastes() const;
    // A row's new waste as the user typed it; refused (false) for a row that
    // is not there or a text that is no waste, with the reason in why.
    bool changeWaste(int row, const QString &typed, QString *why = nullptr);
    // A row's new mass as the user typed it; refused (false) for a row that
    // is not there or a text that is no mass, with the reason in why.
    bool changeMass(int row, const QString &typed, QString *why = nullptr);
    // Scales every mass as asked, as one step; refused (false) with the
    // reason in why.
    bool scale(RationScale::Mode mode, const QString &typed, QString *why = nullptr);

Q_SIGNALS:
    void totalsChanged();

private:
    // A row with a new mass, its values rescaled from the product's values
    // when it is a product of the table, else from the row's own.
    static RationRow rowWithMass(const RationRow &row, const QString &mass);
    void showSums();

    RationModel *m_model;
    QUndoStack *m_undoStack;
    // Every step goes on the stack through it, so that the stack stays small.
    UndoBudget m_history;
    bool m_summed = false;
};
