#include "gui/ration/rationeditor.h"

#include "core/catalogue/foodtable.h"
#include "core/catalogue/waste.h"
#include "core/kitchen/wastenorms.h"
#include "core/ration/dish.h"
#include "core/ration/massinput.h"
#include "core/ration/ration.h"
#include "core/ration/rationmodel.h"
#include "gui/ration/rationcommands.h"

#include <QDate>
#include <QUndoStack>

RationEditor::RationEditor(QObject *parent)
    : QObject(parent), m_model(new RationModel(this)), m_undoStack(new QUndoStack(this)),
      m_history(m_undoStack)
{
    m_model->setObjectName(QStringLiteral("RationModel"));
    m_undoStack->setObjectName(QStringLiteral("UndoStack"));
    connect(m_model, &RationModel::totalsChanged, this, &RationEditor::showSums);
}

void RationEditor::showSums()
{
    m_summed = true;
    Q_EMIT totalsChanged();
}

QStringList RationEditor::totals() const
{
    return m_summed ? m_model->totals() : QStringList(Ration::TotalCount, QStringLiteral("0.00"));
}

void RationEditor::load(const Ration &ration)
{
    {
        const QSignalBlocker blocker(m_model);
        m_model->setName(ration.name);
    }
    m_model->addRows(ration);
    m_undoStack->clear();
}

void RationEditor::takeLoadedDish(const QString &yield, int portions)
{
    // The window shows it already.
    const QSignalBlocker blocker(m_model);
    m_model->setDish(yield, portions);
}

void RationEditor::takeLoadedNorm(const std::optional<Profile> &profile, int share)
{
    const QSignalBlocker blocker(m_model);
    m_model->setNorm(profile, share);
}

void RationEditor::takeLoadedCard(const CardData &card)
{
    const QSignalBlocker blocker(m_model);
    m_model->setCard(card);
}

void RationEditor::addProduct(const QString &name, const QString &mass, const QStringList &per100g,
                              const QString &waste)
{
    RationRow row = RationModel::productRow(name, mass, per100g);
    row.setWaste(waste);
    m_history.push(new AddRowCommand(m_model, row));
}

QString RationEditor::wasteFor(const QString &product, const QString &ownWaste) const
{
    if (!m_model->showsWaste())
        return {};
    const Waste::Reading own = Waste::read(ownWaste);
    if (own.ok && own.percent > 0.0)
        return own.text;
    const QDate date = m_model->card().date;
    const std::optional<double> norm =
        WasteNorms::percentFor(product, date.isValid() ? date : QDate::currentDate());
    return norm && *norm > 0.0 ? QString::number(*norm) : QString();
}

void RationEditor::addRows(QList<RationRow> rows)
{
    // Each takes its waste as a product added alone does.
    for (RationRow &row : rows)
        row.setWaste(wasteFor(row.cell(RationModel::Name), row.waste()));
    if (!rows.isEmpty())
        m_history.push(new AddRowsCommand(m_model, rows));
}

bool RationEditor::removeRows(const QList<int> &rows)
{
    if (rows.isEmpty())
        return false;
    if (m_model->isBlank()) {
        // Nothing to lose; the totals are shown worked out, as after any
        // removal.
        showSums();
        return false;
    }
    m_history.push(new RemoveRowsCommand(m_model, rows));
    return true;
}

void RationEditor::rename(const QString &name)
{
    m_history.push(new RenameCommand(m_model, m_model->name(), name));
}

void RationEditor::changeDish(const QString &yield, int portions)
{
    m_history.push(new DishCommand(m_model, yield, portions));
}

void RationEditor::changeNorm(const std::optional<Profile> &profile, int share)
{
    if (profile != m_model->profile() || share != m_model->share())
        m_history.push(new NormCommand(m_model, profile, share));
}

bool RationEditor::changeCard(const CardData &card, QString *why)
{
    const QStringList problems = card.problems();
    if (!problems.isEmpty()) {
        if (why)
            *why = problems.join(QLatin1Char('\n'));
        return false;
    }
    if (card != m_model->card())
        m_history.push(new CardCommand(m_model, card));
    return true;
}

QList<double> RationEditor::wastes() const
{
    QList<double> wastes;
    wastes.reserve(m_model->size());
    for (const RationRow &row : m_model->rows())
        wastes.append(row.wastePercent());
    return wastes;
}

bool RationEditor::changeWaste(int row, const QString &typed, QString *why)
{
    if (row < 0 || row >= m_model->size())
        return false;
    const Waste::Reading reading = Waste::read(typed);
    if (!reading.ok) {
        if (why)
            *why = reading.why;
        return false;
    }
    // No waste is kept as none, so that the row is written as before.
    const QString waste = reading.percent > 0.0 ? reading.text : QString();
    if (waste != m_model->row(row).wasteView())
        m_history.push(new WasteCommand(m_model, row, waste));
    return true;
}

bool RationEditor::changeMass(int row, const QString &typed, QString *why)
{
    if (row < 0 || row >= m_model->size())
        return false;
    const MassInput::Reading reading = MassInput::read(typed);
    if (!reading.ok) {
        if (why)
            *why = reading.why;
        return false;
    }
    const RationRow old = m_model->row(row);
    if (reading.mass != old.cellView(RationModel::Mass))
        m_history.push(new ChangeRowCommand(m_model, row, rowWithMass(old, reading.mass)));
    return true;
}

RationRow RationEditor::rowWithMass(const RationRow &row, const QString &mass)
{
    QStringList per100g;
    if (const FoodTable::Product *known = FoodTable::builtIn().find(row.cell(RationModel::Name)))
        per100g = known->valueList();
    return RationModel::withMass(row, mass, per100g);
}

bool RationEditor::scale(RationScale::Mode mode, const QString &typed, QString *why)
{
    const QList<RationRow> rows = m_model->rows();
    const QString yield = m_model->yield();
    const RationScale::Plan plan = RationScale::plan(rows, yield, mode, typed, m_model->portions());
    if (!plan.ok) {
        if (why)
            *why = plan.why;
        return false;
    }
    QList<RationRow> scaled;
    scaled.reserve(rows.size());
    for (qsizetype r = 0; r < rows.size(); ++r)
        scaled.append(rowWithMass(rows[r], plan.masses.value(r)));
    // A yield that held the products holds them scaled, rounded masses and all.
    const QString newYield = Dish(m_model->totals(), yield, 1).yieldFits()
        ? RationScale::fittedYield(scaled, plan.yield)
        : plan.yield;
    if (scaled != rows || newYield != yield || plan.portions != m_model->portions())
        m_history.push(new ScaleCommand(m_model, scaled, newYield, plan.portions,
                                        m_undoStack->command(m_undoStack->index() - 1)));
    return true;
}
