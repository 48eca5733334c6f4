#include "gui/ration/centralwidget.h"

#include "core/catalogue/foodmodel.h"
#include "core/catalogue/foodtable.h"
#include "core/catalogue/ownproducts.h"
#include "core/catalogue/productstore.h"
#include "core/ration/dish.h"
#include "core/ration/massinput.h"
#include "core/ration/rationmodel.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/columnstrip.h"
#include "gui/ration/dishpanel.h"
#include "gui/ration/foodlistproxy.h"
#include "gui/ration/foodlistsearch.h"
#include "gui/ration/massdelegate.h"
#include "gui/ration/massform.h"
#include "gui/ration/rationcommands.h"
#include "gui/ration/scaledialog.h"
#include "gui/tools/ownproductcommands.h"
#include "gui/widgets/focusframe.h"
#include "gui/widgets/hoverselect.h"
#include "gui/widgets/named.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QUndoStack>
#include <QtMath>

#include <algorithm>

TCentralWidget::TCentralWidget(QWidget *parent, const char *objectName, Qt::WindowFlags fl)
    : QWidget(parent, fl), m_model(new RationModel(this)), m_undoStack(new QUndoStack(this)),
      m_history(m_undoStack)
{
    if (objectName)
        setObjectName(QString::fromLatin1(objectName));
    m_model->setObjectName(QStringLiteral("RationModel"));
    m_undoStack->setObjectName(QStringLiteral("UndoStack"));

    MainLayout = named(new QVBoxLayout(this), "MainLayout");
    MainLayout->setContentsMargins(11, 11, 11, 11);
    MainLayout->setSpacing(5);
    WorkingLayout = named(new QHBoxLayout(), "WorkingLayout");
    WorkingLayout->setSpacing(5);
    MainLayout->addLayout(WorkingLayout, 1);
    WorkingSplitter = named(new QSplitter(Qt::Horizontal, this), "WorkingSplitter");
    WorkingSplitter->setChildrenCollapsible(false);
    WorkingLayout->addWidget(WorkingSplitter);

    auto *productsPane = named(new QWidget(WorkingSplitter), "ProductsPane");
    ProductsLayout = named(new QVBoxLayout(productsPane), "ProductsLayout");
    ProductsLayout->setContentsMargins(0, 0, 0, 0);
    ProductsLayout->setSpacing(5);
    ProductsLabel = named(new QLabel(productsPane), "ProductsLabel");
    ProductsLayout->addWidget(ProductsLabel);
    SearchEdit = named(new QLineEdit(productsPane), "SearchEdit");
    SearchEdit->setClearButtonEnabled(true);
    const QList<QToolButton *> clearButtons = SearchEdit->findChildren<QToolButton *>();
    for (QToolButton *button : clearButtons)
        button->setAccessibleName(tr("Очистить поиск"));
    ProductsLayout->addWidget(SearchEdit);
    FoodsList = named(new QTreeView(productsPane), "FoodsList");
    buildFoodList();
    ProductsLayout->addWidget(FoodsList);

    // The transfer buttons in a row under the list rather than in a column
    // of their own: the width goes to the list's values and the ration's.
    TransferLayout = named(new QVBoxLayout(), "TransferLayout");
    TransferLayout->setDirection(QBoxLayout::LeftToRight);
    TransferLayout->setSpacing(5);
    TransferLayout->addStretch(1);
    ProductsLayout->addLayout(TransferLayout);
    AddButton = named(new QPushButton(productsPane), "AddButton");
    AddButton->setFlat(true);
    FocusFrame::showOn(AddButton);
    AddButton->setEnabled(false);
    TransferLayout->addWidget(AddButton);
    RemoveButton = named(new QPushButton(productsPane), "RemoveButton");
    RemoveButton->setFlat(true);
    FocusFrame::showOn(RemoveButton);
    TransferLayout->addWidget(RemoveButton);

    // The ration: its name, its table, and under the table the totals and
    // the dish, standing in the table's columns.
    auto *rationPane = named(new QWidget(WorkingSplitter), "RationPane");
    RationLayout = named(new QVBoxLayout(rationPane), "RationLayout");
    RationLayout->setContentsMargins(0, 0, 0, 0);
    RationLayout->setSpacing(5);
    RationNameLayout = named(new QHBoxLayout(), "RationNameLayout");
    RationNameLayout->setSpacing(5);
    RationLayout->addLayout(RationNameLayout);
    RationLabel = named(new QLabel(rationPane), "RationLabel");
    RationNameLayout->addWidget(RationLabel);
    RationEdit = named(new QLineEdit(rationPane), "RationEdit");
    RationNameLayout->addWidget(RationEdit);
    buildRationTable();
    RationLayout->addWidget(FoodsTable, 1);
    // Width gained by the window goes to the ration.
    WorkingSplitter->setStretchFactor(0, 0);
    WorkingSplitter->setStretchFactor(1, 1);
    connect(WorkingSplitter, &QSplitter::splitterMoved, this, [this] {
        m_splitterMoved = true;
        fitFoodNames();
    });

    buildTotals();
    RationLayout->addWidget(m_totals);
    m_dishPanel = named(new DishPanel(rationPane), "DishPanel");
    RationLayout->addWidget(m_dishPanel);
    m_dishPanel->valuesStrip()->follow(FoodsTable);
    m_totals->follow(FoodsTable);
    LanguageChangeSlot();
    foldDish(true);
    m_model->setName(RationEdit->text());
    fitColumns();

    RationEdit->selectAll();
    RationEdit->setFocus();
    setTabOrder(RationEdit, SearchEdit);
    setTabOrder(SearchEdit, FoodsList);
    setTabOrder(FoodsList, AddButton);
    setTabOrder(AddButton, RemoveButton);
    setTabOrder(RemoveButton, FoodsTable);
    setTabOrder(FoodsTable, m_dishPanel);

    connect(FoodsList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TCentralWidget::ItemSelectedSlot);
    connect(FoodsList, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.parent().isValid())
            AddSlot();
    });
    FoodsList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FoodsList, &QWidget::customContextMenuRequested, this, &TCentralWidget::FoodsMenuSlot);
    m_search = new FoodListSearch(SearchEdit, FoodsList, m_foods, this);
    connect(m_search, &FoodListSearch::addAsked, this, &TCentralWidget::AddSlot);
    FoodsTable->installEventFilter(this);
    connect(SearchEdit, &QLineEdit::textChanged, this, &TCentralWidget::FilterSlot);
    auto *findShortcut = new QShortcut(QKeySequence(tr("Ctrl+F")), this);
    findShortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(findShortcut, &QShortcut::activated, this, &TCentralWidget::FocusSearchSlot);
    connect(AddButton, &QPushButton::clicked, this, &TCentralWidget::AddSlot);
    connect(RemoveButton, &QPushButton::clicked, this, &TCentralWidget::RemoveSlot);
    connect(RationEdit, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_history.push(new RenameCommand(m_model, m_model->name(), text));
    });
    connect(m_model, &RationModel::nameChanged, this, &TCentralWidget::NameChangedSlot);
    connect(m_model, &RationModel::totalsChanged, this, &TCentralWidget::updateTotals);
    connect(m_dishPanel, &DishPanel::dishChanged, this, &TCentralWidget::DishEditedSlot);
    connect(m_model, &RationModel::dishChanged, this, &TCentralWidget::showDish);
    connect(m_model, &RationModel::modelReset, this, &TCentralWidget::fitColumns);
    connect(m_model, &RationModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { fitRows(first, last); });
    connect(
        m_model, &RationModel::dataChanged, this,
        [this](const QModelIndex &from, const QModelIndex &to) { fitRows(from.row(), to.row()); });

    resize(550, 350);
}

// The undo stack, going down with the editor's children, reports that it
// is cleared: by then the editor and its window are going down too.
TCentralWidget::~TCentralWidget() { m_undoStack->disconnect(); }

void TCentralWidget::buildFoodList()
{
    m_foods = new FoodListProxy(this);
    m_foods->setObjectName(QStringLiteral("FoodListProxy"));
    FoodsList->setModel(m_foods);
    FoodsList->setRootIsDecorated(false);
    FoodsList->setUniformRowHeights(true);
    FoodsList->setSelectionMode(QAbstractItemView::SingleSelection);
    FoodsList->setSortingEnabled(true);
    FoodsList->sortByColumn(0, Qt::AscendingOrder);
    FoodsList->expandAll();
    // A group that comes later (the user's own products) opens like the rest.
    connect(m_foods, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &parent, int first, int last) {
                for (int row = first; !parent.isValid() && row <= last; ++row)
                    FoodsList->expand(m_foods->index(row, 0));
            });

    QFont groupFont = FoodsList->font();
    groupFont.setBold(true);
    const QList<int> widths = foodListWidths(groupFont);
    QHeaderView *header = FoodsList->header();
    header->setStretchLastSection(false);
    for (int c = 0; c < widths.size(); ++c)
        FoodsList->setColumnWidth(c, widths[c]);
    header->setMinimumSectionSize(40);
    m_foodListWidth = 0;
    for (const int w : std::as_const(widths))
        m_foodListWidth += w;
    m_foodNameWidth = widths.value(0);
}

namespace {

// The width of a line of text as the sum of its characters' advances, each
// character measured once: the hundreds of names and numbers of the food
// list cost a few dozen measurements instead of one shaping each. Where two
// letters kern the sum is a pixel wider than the shaped text, never narrower.
class AdvanceSum
{
public:
    explicit AdvanceSum(const QFont &font) : m_metrics(font) { }

    int width(const QString &text)
    {
        qreal sum = 0;
        for (const QChar c : text) {
            auto found = m_advances.constFind(c.unicode());
            if (found == m_advances.cend())
                found = m_advances.insert(c.unicode(), m_metrics.horizontalAdvance(c));
            sum += *found;
        }
        return qCeil(sum);
    }

private:
    QFontMetricsF m_metrics;
    QHash<char16_t, qreal> m_advances;
};

// The room a cell of that view leaves around its text, besides the extra
// each view adds.
int cellMargin(const QAbstractItemView *view)
{
    return 2 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
}

} // namespace

QList<int> TCentralWidget::foodListWidths(const QFont &groupFont) const
{
    // Columns as wide as their longest text, worked out from the table
    // rather than by asking every row of the view, and once per process
    // for the same fonts: every window shows the same list.
    static QHash<QString, QList<int>> known;
    const int margin = cellMargin(FoodsList) + 12;
    const int indent = FoodsList->indentation();
    const QString key = FoodsList->font().key() + QLatin1Char('|') + groupFont.key()
        + QLatin1Char('|') + FoodsList->header()->font().key() + QLatin1Char('|')
        + QString::number(margin) + QLatin1Char('|') + QString::number(indent);
    if (const auto found = known.constFind(key); found != known.cend())
        return *found;
    AdvanceSum plain(FoodsList->font());
    AdvanceSum bold(groupFont);
    const QFontMetrics titles = FoodsList->header()->fontMetrics();
    QList<int> widths(1 + FoodTable::ValueCount, 0);
    for (int c = 0; c < widths.size(); ++c)
        widths[c] = titles.horizontalAdvance(m_foods->headerData(c, Qt::Horizontal).toString())
            + margin + 8;
    for (const FoodTable::Group &group : FoodTable::builtIn().groups()) {
        widths[0] = std::max(widths[0], bold.width(group.name) + margin);
        for (const FoodTable::Product &product : group.products) {
            widths[0] = std::max(widths[0], plain.width(product.name) + indent + margin);
            for (int c = 0; c < FoodTable::ValueCount; ++c) {
                const int column = FoodModel::columnOf(FoodTable::Column(c));
                widths[column] = std::max(widths[column], plain.width(product.values[c]) + margin);
            }
        }
    }
    known.insert(key, widths);
    return widths;
}

void TCentralWidget::buildRationTable()
{
    FoodsTable = named(new QTableView(RationEdit->parentWidget()), "FoodsTable");
    FoodsTable->setModel(m_model);
    auto *delegate = new MassDelegate(FoodsTable);
    FoodsTable->setItemDelegateForColumn(RationModel::Mass, delegate);
    // Checked once the editor has closed, so that a refusal can say why.
    connect(delegate, &MassDelegate::massEntered, this, &TCentralWidget::changeMass,
            Qt::QueuedConnection);
    FoodsTable->setEditTriggers(QAbstractItemView::DoubleClicked);
    FoodsTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FoodsTable->setTabKeyNavigation(false);
    FoodsTable->setWordWrap(false);
    QHeaderView *header = FoodsTable->horizontalHeader();
    header->setMinimumSectionSize(48);
    header->setStretchLastSection(false);
    // The name takes what the values leave, but never less than its title
    // needs (fitName): a narrow ration scrolls rather than cut the title.
    FoodsTable->viewport()->installEventFilter(this);
    FoodsTable->verticalHeader()->setDefaultSectionSize(FoodsTable->fontMetrics().height() + 8);
}

int TCentralWidget::cellWidth(const QString &text) const
{
    const int margin = cellMargin(FoodsTable) + 12;
    return FoodsTable->fontMetrics().horizontalAdvance(text) + margin;
}

void TCentralWidget::fitColumns()
{
    // Value columns as wide as their titles and numbers need, so that no
    // number is cut, their total under them included; the name takes the
    // rest. Only the longest text of a column is measured.
    const QFontMetrics titles = FoodsTable->horizontalHeader()->fontMetrics();
    const int margin = cellMargin(FoodsTable) + 20;
    const QStringList totals = m_model->totals();
    for (int c = RationModel::Mass; c < RationModel::ColumnCount; ++c) {
        const QString title = m_model->headerData(c, Qt::Horizontal).toString();
        QString longest = totals.value(c - RationModel::Mass);
        for (int r = 0; r < m_model->size(); ++r) {
            const QString text = m_model->text(r, c);
            if (text.size() > longest.size())
                longest = text;
        }
        FoodsTable->setColumnWidth(
            c, std::max({48, titles.horizontalAdvance(title) + margin, cellWidth(longest)}));
    }
    fitName();
}

int TCentralWidget::nameTitleWidth() const
{
    const QHeaderView *header = FoodsTable->horizontalHeader();
    return header->fontMetrics().horizontalAdvance(
               m_model->headerData(RationModel::Name, Qt::Horizontal).toString())
        + cellMargin(FoodsTable) + 20;
}

void TCentralWidget::fitName()
{
    QHeaderView *header = FoodsTable->horizontalHeader();
    int values = 0;
    for (int c = RationModel::Mass; c < RationModel::ColumnCount; ++c)
        values += header->sectionSize(c);
    FoodsTable->setColumnWidth(
        RationModel::Name, std::max(nameTitleWidth(), FoodsTable->viewport()->width() - values));
}

void TCentralWidget::fitRows(int first, int last)
{
    // A new or changed row only ever widens a column.
    for (int r = first; r <= last; ++r) {
        for (int c = RationModel::Mass; c < RationModel::ColumnCount; ++c) {
            const int wanted = cellWidth(m_model->text(r, c));
            if (wanted > FoodsTable->columnWidth(c))
                FoodsTable->setColumnWidth(c, wanted);
        }
    }
    fitName();
}

QLabel *TCentralWidget::totalLabel(const char *objectName, int row, int column)
{
    auto *label = named(new QLabel(m_totals), objectName);
    m_totals->addCell(label, row, column);
    return label;
}

void TCentralWidget::buildTotals()
{
    m_totals = named(new ColumnStrip(Ration::ColumnCount, this), "TotalsStrip");
    m_totals->setBandName(tr("Итоги"));
    SummarizeLayout = named(m_totals->grid(), "SummarizeLayout");
    SummarizeLayout->setVerticalSpacing(5);
    WholeLabel = totalLabel("WholeLabel", 0, 0);
    MassLabel = totalLabel("MassLabel", 0, 1);
    WaterLabel = totalLabel("WaterLabel", 0, 2);
    ProteinLabel = totalLabel("ProteinLabel", 0, 3);
    FatLabel = totalLabel("FatLabel", 0, 4);
    CarbohydratesLabel = totalLabel("CarbohydratesLabel", 0, 5);
    CaloriesLabel = totalLabel("CaloriesLabel", 0, 6);
    MassValueLabel = totalLabel("MassValueLabel", 1, 1);
    WaterValueLabel = totalLabel("WaterValueLabel", 1, 2);
    ProteinValueLabel = totalLabel("ProteinValueLabel", 1, 3);
    FatValueLabel = totalLabel("FatValueLabel", 1, 4);
    CarbohydratesValueLabel = totalLabel("CarbohydratesValueLabel", 1, 5);
    CaloriesValueLabel = totalLabel("CaloriesValueLabel", 1, 6);
    for (QLabel *label : valueLabels())
        HoverSelect::enableOn(label);
    // Under the caption, where no total stands: the dish's rows fold in
    // and out below.
    m_dishToggle = named(new QToolButton(m_totals), "DishToggle");
    m_dishToggle->setCheckable(true);
    m_dishToggle->setAutoRaise(true);
    m_dishToggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_dishToggle->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    SummarizeLayout->addWidget(m_dishToggle, 1, 0, Qt::AlignLeft | Qt::AlignVCenter);
    connect(m_dishToggle, &QToolButton::toggled, this, [this](bool open) { foldDish(!open); });
}

void TCentralWidget::foldDish(bool folded)
{
    m_dishPanel->setFolded(folded);
    const QSignalBlocker blocker(m_dishToggle);
    m_dishToggle->setChecked(!folded);
    m_dishToggle->setArrowType(folded ? Qt::RightArrow : Qt::DownArrow);
}

void TCentralWidget::LanguageChangeSlot()
{
    ProductsLabel->setText(tr("<p><b>Продукты</b></p>"));
    SearchEdit->setPlaceholderText(tr("Поиск продукта"));
    SearchEdit->setAccessibleName(tr("Поиск продукта"));
    AddButton->setText(tr("Добавить >>"));
    AddButton->setToolTip(QObject::tr("Добавить продукт в рацион"));
    RemoveButton->setText(tr("<< Удалить"));
    RemoveButton->setToolTip(QObject::tr("Удалить продукт из рациона"));
    RationLabel->setText(tr("<p><b>Рацион</b></p>"));
    RationEdit->setText(tr("Без имени"));
    RationEdit->setAccessibleName(tr("Название рациона"));
    FoodsList->setAccessibleName(tr("Продукты"));
    FoodsTable->setAccessibleName(tr("Рацион"));
    WholeLabel->setText(tr("<p><b>ВСЕГО:</b></p>"));
    m_dishToggle->setText(tr("Блюдо"));
    m_dishToggle->setToolTip(tr("Выход, порции и значения на 100 г и на порцию"));
    m_dishToggle->setAccessibleName(tr("Показать блюдо"));
    MassLabel->setText(tr("Масса"));
    WaterLabel->setText(tr("Вода"));
    ProteinLabel->setText(tr("Белок"));
    FatLabel->setText(tr("Жиры"));
    CarbohydratesLabel->setText(tr("Углеводы"));
    CaloriesLabel->setText(tr("ККал"));
    for (QLabel *label : valueLabels())
        label->setText(QStringLiteral("0.00"));
}

QList<QLabel *> TCentralWidget::valueLabels() const
{
    return {MassValueLabel, WaterValueLabel,         ProteinValueLabel,
            FatValueLabel,  CarbohydratesValueLabel, CaloriesValueLabel};
}

QModelIndex TCentralWidget::selectedProduct() const
{
    const QModelIndex row = FoodsList->selectionModel()->selectedRows().value(0);
    return row.parent().isValid() ? row : QModelIndex();
}

QString TCentralWidget::foodText(const QModelIndex &row, int column)
{
    return row.sibling(row.row(), column).data().toString();
}

QString TCentralWidget::cellText(int row, int column) const { return m_model->text(row, column); }

void TCentralWidget::ItemSelectedSlot() { AddButton->setEnabled(selectedProduct().isValid()); }

void TCentralWidget::AddSlot()
{
    const QModelIndex product = selectedProduct();
    if (!product.isValid())
        return;
    QString mass;
    {
        TMassForm form(this, "MassForm", true);
        form.setProduct(foodText(product, 0));
        if (form.exec() != QDialog::Accepted)
            return;
        mass = form.mass();
    }
    QStringList per100g;
    for (int c = 0; c < FoodTable::ValueCount; ++c)
        per100g.append(foodText(product, FoodModel::columnOf(FoodTable::Column(c))));
    m_history.push(
        new AddRowCommand(m_model, RationModel::productRow(foodText(product, 0), mass, per100g)));
    FoodsTable->scrollTo(m_model->index(m_model->rowCount() - 1, 0));
    m_search->added();
}

void TCentralWidget::RemoveSlot()
{
    QList<int> rows;
    for (const QModelIndex &index : FoodsTable->selectionModel()->selectedIndexes())
        rows.append(index.row());
    if (m_model->isBlank()) {
        // Nothing to lose; the totals are shown worked out, as after any
        // removal.
        if (!rows.isEmpty())
            updateTotals();
        return;
    }
    if (rows.isEmpty())
        return;
    m_history.push(new RemoveRowsCommand(m_model, rows));
    FoodsTable->clearSelection();
}

bool TCentralWidget::changeMass(int row, const QString &typed)
{
    if (row < 0 || row >= m_model->size())
        return false;
    const MassInput::Reading reading = MassInput::read(typed);
    if (!reading.ok) {
        MessageBox::warning(this, tr("Rationix"), reading.why);
        return false;
    }
    const QStringList old = m_model->row(row);
    if (reading.mass == old.value(RationModel::Mass))
        return true;
    m_history.push(new ChangeRowCommand(m_model, row, rowWithMass(old, reading.mass)));
    return true;
}

QStringList TCentralWidget::rowWithMass(const QStringList &row, const QString &mass)
{
    QStringList per100g;
    if (const FoodTable::Product *known = FoodTable::builtIn().find(row.value(RationModel::Name)))
        per100g = known->valueList();
    return RationModel::withMass(row, mass, per100g);
}

void TCentralWidget::ScaleSlot()
{
    m_dishPanel->commitTypedYield();
    if (m_model->isBlank()) {
        MessageBox::warning(this, tr("Масштабировать рацион"), RationScale::nothingToScale());
        return;
    }
    const QStringList totals = m_model->totals();
    ScaleDialog dialog(totals.value(0), totals.value(Ration::TotalCount - 1), this);
    dialog.setDish(Dish(totals, m_model->yield(), 1).yield(), m_model->portions());
    // A refused number leaves the dialog open to be corrected.
    while (dialog.exec() == QDialog::Accepted) {
        if (scale(dialog.mode(), dialog.typed()))
            return;
    }
}

bool TCentralWidget::scale(RationScale::Mode mode, const QString &typed)
{
    const QList<QStringList> rows = m_model->rows();
    const QString yield = m_model->yield();
    const RationScale::Plan plan = RationScale::plan(rows, yield, mode, typed, m_model->portions());
    if (!plan.ok) {
        MessageBox::warning(this, tr("Масштабировать рацион"), plan.why);
        return false;
    }
    QList<QStringList> scaled;
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

void TCentralWidget::DishEditedSlot()
{
    m_history.push(new DishCommand(m_model, m_dishPanel->yieldText(), m_dishPanel->portions()));
}

void TCentralWidget::showDish() { m_dishPanel->setDish(m_model->yield(), m_model->portions()); }

Ration TCentralWidget::finishedRation()
{
    m_dishPanel->commitTypedYield();
    return ration();
}

void TCentralWidget::updateTotals()
{
    const QStringList totals = m_model->totals();
    const QList<QLabel *> labels = valueLabels();
    for (int i = 0; i < Ration::TotalCount; ++i) {
        labels[i]->setText(totals[i]);
        // A total stands in its column: the column is as wide as it needs.
        const int column = RationModel::Mass + i;
        FoodsTable->setColumnWidth(column,
                                   std::max(FoodsTable->columnWidth(column), cellWidth(totals[i])));
    }
    fitName();
    m_dishPanel->setTotals(totals);
}

Ration TCentralWidget::ration() const
{
    Ration r = m_model->ration();
    r.name = RationEdit->text();
    r.totals.clear();
    for (const QLabel *label : valueLabels())
        r.totals.append(label->text());
    return r;
}

void TCentralWidget::loadRation(const Ration &ration)
{
    {
        const QSignalBlocker blocker(m_model);
        m_model->setName(ration.name);
    }
    RationEdit->setText(ration.name);
    RationEdit->selectAll();
    RationEdit->setFocus();
    m_model->addRows(ration);
    // The panel shows a stored yield it would not take as none.
    m_dishPanel->setDish(ration.yield, ration.portions);
    if (ration.hasDish())
        foldDish(false);
    {
        // The panel shows it already.
        const QSignalBlocker blocker(m_model);
        m_model->setDish(m_dishPanel->yieldText(), m_dishPanel->portions());
    }
    m_undoStack->clear();
}

void TCentralWidget::FocusSearchSlot()
{
    SearchEdit->setFocus(Qt::ShortcutFocusReason);
    SearchEdit->selectAll();
}

void TCentralWidget::NameChangedSlot(const QString &name)
{
    // Undo and redo change the name behind the field's back.
    if (RationEdit->text() != name)
        RationEdit->setText(name);
}

void TCentralWidget::FilterSlot(const QString &text) { m_search->filter(text); }

bool TCentralWidget::tableKey(const QKeyEvent *event)
{
    const int key = event->key();
    if (startMassEdit(event))
        return true;
    if (key == Qt::Key_Delete) {
        RemoveSlot();
        return true;
    }
    // A Return that a cell's editor passes on is not the table's.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && FoodsTable->hasFocus()) {
        const QModelIndex current = FoodsTable->currentIndex();
        if (current.isValid() && current.column() == RationModel::Mass && !m_model->isBlank())
            FoodsTable->edit(current);
        return true;
    }
    return false;
}

bool TCentralWidget::startMassEdit(const QKeyEvent *event)
{
    // A digit typed on a mass cell starts a new mass, as in a spreadsheet:
    // the editor opens with the old mass selected, and the digit replaces it.
    const QString text = event->text();
    const bool number = text.size() == 1
        && (text[0].isDigit() || text[0] == u'.' || text[0] == u',')
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const QModelIndex current = FoodsTable->currentIndex();
    if (!number || !FoodsTable->hasFocus() || current.column() != RationModel::Mass
        || m_model->isBlank())
        return false;
    FoodsTable->edit(current);
    QWidget *editor = FoodsTable->indexWidget(current);
    if (!editor)
        return false;
    QKeyEvent typed(QEvent::KeyPress, event->key(), event->modifiers(), text);
    QCoreApplication::sendEvent(editor, &typed);
    return true;
}

void TCentralWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    placeSplitter();
}

void TCentralWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeSplitter();
}

int TCentralWidget::rationWidth() const
{
    const QHeaderView *header = FoodsTable->horizontalHeader();
    int width = 2 * FoodsTable->frameWidth() + FoodsTable->verticalHeader()->sizeHint().width()
        + FoodsTable->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
        + 20 * FoodsTable->fontMetrics().averageCharWidth();
    for (int c = RationModel::Mass; c < RationModel::ColumnCount; ++c)
        width += header->sectionSize(c);
    return width;
}

QSize TCentralWidget::sizeHint() const
{
    const QMargins margins = MainLayout->contentsMargins();
    const int list = m_foodListWidth + 2 * FoodsList->frameWidth()
        + FoodsList->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {margins.left() + list + WorkingSplitter->handleWidth() + rationWidth()
                + margins.right(),
            QWidget::sizeHint().height()};
}

void TCentralWidget::placeSplitter()
{
    // Until the user moves it: both lists show their values whole, and the
    // room left for names is shared between them, the food list taking no
    // more than its longest name. Where even the values do not fit, the
    // ration's come first, the food list keeping a fifth.
    if (!isVisible())
        return;
    if (!m_splitterMoved) {
        const int total = WorkingSplitter->width() - WorkingSplitter->handleWidth();
        const int listChrome = 2 * FoodsList->frameWidth()
            + FoodsList->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
        const int listValues = listChrome + m_foodListWidth - m_foodNameWidth;
        const int nameRoom = 20 * FoodsTable->fontMetrics().averageCharWidth();
        const int rationValues = rationWidth() - nameRoom;
        const int spare = total - listValues - rationValues;
        const int title = nameTitleWidth();
        const int left = spare >= title ? listValues
                + std::min({m_foodNameWidth, std::max(spare / 2, spare - nameRoom), spare - title})
                                        : std::max(total / 5, total - rationValues - title);
        WorkingSplitter->setSizes({left, total - left});
    }
    fitFoodNames();
    // The table is shown from its first column, whatever scrolled it while
    // it was narrower.
    FoodsTable->horizontalScrollBar()->setValue(0);
}

void TCentralWidget::fitFoodNames()
{
    const int room = FoodsList->width() - 2 * FoodsList->frameWidth()
        - FoodsList->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 4
        - (m_foodListWidth - m_foodNameWidth);
    const int least = 10 * FoodsList->fontMetrics().averageCharWidth();
    FoodsList->setColumnWidth(0, std::clamp(room, least, std::max(least, m_foodNameWidth)));
}

bool TCentralWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        if (watched == FoodsTable && tableKey(static_cast<QKeyEvent *>(event)))
            return true;
    }
    if (event->type() == QEvent::Resize && watched == FoodsTable->viewport())
        fitName();
    return QWidget::eventFilter(watched, event);
}

void TCentralWidget::FoodsMenuSlot(const QPoint &position)
{
    const QModelIndex row = FoodsList->indexAt(position).siblingAtColumn(0);
    const bool own =
        row.parent().isValid() && row.parent().data().toString() == OwnProducts::groupName();
    const QString name = own ? row.data().toString() : QString();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("FoodsMenu"));
    QAction *add = menu.addAction(tr("Добавить продукт"));
    QAction *edit = menu.addAction(tr("Изменить"));
    QAction *remove = menu.addAction(tr("Удалить"));
    edit->setEnabled(own);
    remove->setEnabled(own);
    ProductStore &store = ProductStore::user();
    const QAction *chosen = menu.exec(FoodsList->viewport()->mapToGlobal(position));
    if (chosen == add)
        OwnProductCommands::add(this, store);
    else if (chosen == edit)
        OwnProductCommands::edit(this, store, name);
    else if (chosen == remove)
        OwnProductCommands::remove(this, store, name);
}
