#include "gui/ration/rationtableview.h"

#include "core/catalogue/waste.h"
#include "core/ration/rationmodel.h"
#include "gui/ration/celldelegate.h"
#include "gui/ration/masstextvalidator.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <array>

namespace {

// The room a cell leaves around its text, besides the extra the table adds.
int cellMargin(const QAbstractItemView *view)
{
    return 2 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
}

} // namespace

RationTableView::RationTableView(RationModel *model, QWidget *parent)
    : QTableView(parent), m_model(model)
{
    setModel(m_model);
    // The mass takes only what can be a mass; any waste may be typed, so
    // that a refusal can say what is wrong with it.
    auto *mass = new CellDelegate(
        QStringLiteral("MassCellEdit"), tr("Масса продукта, г"), this,
        [](QLineEdit *field) { field->setValidator(new MassTextValidator(field)); });
    setItemDelegateForColumn(RationModel::Mass, mass);
    connect(mass, &CellDelegate::entered, this, &RationTableView::massEntered);
    auto *waste = new CellDelegate(QStringLiteral("WasteCellEdit"), Waste::fieldName(), this);
    setItemDelegateForColumn(RationModel::WasteColumn, waste);
    connect(waste, &CellDelegate::entered, this, &RationTableView::wasteEntered);
    setEditTriggers(QAbstractItemView::DoubleClicked);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    QHeaderView *header = horizontalHeader();
    header->setMinimumSectionSize(48);
    header->setStretchLastSection(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);

    connect(m_model, &RationModel::modelReset, this, &RationTableView::fitColumns);
    connect(m_model, &RationModel::columnsInserted, this, &RationTableView::fitColumns);
    connect(m_model, &RationModel::columnsRemoved, this, &RationTableView::fitName);
    connect(m_model, &RationModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { fitRows(first, last); });
    connect(
        m_model, &RationModel::dataChanged, this,
        [this](const QModelIndex &from, const QModelIndex &to) { fitRows(from.row(), to.row()); });
}

int RationTableView::cellWidth(const QString &text) const
{
    const int margin = cellMargin(this) + 12;
    return fontMetrics().horizontalAdvance(text) + margin;
}

void RationTableView::fitColumns()
{
    // Value columns as wide as their titles and numbers need, so that no
    // number is cut, their total under them included; the name takes the
    // rest. Only the longest text of a column is measured.
    const QFontMetrics titles = horizontalHeader()->fontMetrics();
    const int margin = cellMargin(this) + 20;
    const QStringList totals = m_model->totals();
    std::array<QStringView, RationModel::ColumnCount> longest{};
    for (int c = RationModel::Mass; c < RationModel::ColumnCount; ++c)
        longest[c] = totals.at(c - RationModel::Mass);
    // Looked at where they stand, row by row: a long ration has many.
    for (const RationRow &row : m_model->rows()) {
        for (int c = RationModel::Mass; c < RationModel::ColumnCount; ++c) {
            const QStringView text = row.cellView(c);
            if (text.size() > longest[c].size())
                longest[c] = text;
        }
    }
    for (int c = RationModel::Mass; c < RationModel::ColumnCount; ++c) {
        const QString title = m_model->headerData(c, Qt::Horizontal).toString();
        setColumnWidth(c,
                       std::max({48, titles.horizontalAdvance(title) + margin,
                                 cellWidth(longest[c].toString())}));
    }
    // The waste's columns, while shown, as wide as their titles and texts.
    for (int c = RationModel::ColumnCount; c < m_model->columnCount(); ++c) {
        const QString title = m_model->headerData(c, Qt::Horizontal).toString();
        int width = std::max(48, titles.horizontalAdvance(title) + margin);
        for (int r = 0; r < m_model->size(); ++r)
            width = std::max(width, cellWidth(m_model->index(r, c).data().toString()));
        setColumnWidth(c, width);
    }
    fitName();
}

void RationTableView::fitTotals(const QStringList &totals)
{
    // A total stands in its column: the column is as wide as it needs.
    for (int i = 0; i < totals.size(); ++i) {
        const int column = RationModel::Mass + i;
        setColumnWidth(column, std::max(columnWidth(column), cellWidth(totals[i])));
    }
    fitName();
}

int RationTableView::nameTitleWidth() const
{
    return horizontalHeader()->fontMetrics().horizontalAdvance(
               m_model->headerData(RationModel::Name, Qt::Horizontal).toString())
        + cellMargin(this) + 20;
}

void RationTableView::fitName()
{
    const QHeaderView *header = horizontalHeader();
    int values = 0;
    for (int c = RationModel::Mass; c < m_model->columnCount(); ++c)
        values += header->sectionSize(c);
    setColumnWidth(RationModel::Name, std::max(nameTitleWidth(), viewport()->width() - values));
}

void RationTableView::fitRows(int first, int last)
{
    // A new or changed row only ever widens a column.
    for (int r = first; r <= last; ++r) {
        for (int c = RationModel::Mass; c < m_model->columnCount(); ++c) {
            const int wanted =
                cellWidth(c < RationModel::ColumnCount ? m_model->text(r, c)
                                                       : m_model->index(r, c).data().toString());
            if (wanted > columnWidth(c))
                setColumnWidth(c, wanted);
        }
    }
    fitName();
}

int RationTableView::wantedWidth() const
{
    const QHeaderView *header = horizontalHeader();
    int width = 2 * frameWidth() + verticalHeader()->sizeHint().width()
        + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 20 * fontMetrics().averageCharWidth();
    for (int c = RationModel::Mass; c < m_model->columnCount(); ++c)
        width += header->sectionSize(c);
    return width;
}

void RationTableView::keyPressEvent(QKeyEvent *event)
{
    if (!tableKey(event))
        QTableView::keyPressEvent(event);
}

bool RationTableView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize)
        fitName();
    return QTableView::viewportEvent(event);
}

bool RationTableView::tableKey(const QKeyEvent *event)
{
    const int key = event->key();
    if (startMassEdit(event))
        return true;
    if (key == Qt::Key_Delete) {
        Q_EMIT removeAsked();
        return true;
    }
    // A Return that a cell's editor passes on is not the table's.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && hasFocus()) {
        const QModelIndex current = currentIndex();
        if (editsInPlace(current))
            edit(current);
        return true;
    }
    return false;
}

bool RationTableView::startMassEdit(const QKeyEvent *event)
{
    // A digit typed on a mass cell starts a new mass, as in a spreadsheet:
    // the editor opens with the old mass selected, and the digit replaces it.
    const QString text = event->text();
    const bool number = text.size() == 1
        && (text[0].isDigit() || text[0] == u'.' || text[0] == u',')
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const QModelIndex current = currentIndex();
    if (!number || !hasFocus() || !editsInPlace(current))
        return false;
    edit(current);
    QWidget *editor = indexWidget(current);
    if (!editor)
        return false;
    QKeyEvent typed(QEvent::KeyPress, event->key(), event->modifiers(), text);
    QCoreApplication::sendEvent(editor, &typed);
    return true;
}

bool RationTableView::editsInPlace(const QModelIndex &index) const
{
    return index.isValid() && (m_model->flags(index) & Qt::ItemIsEditable);
}
