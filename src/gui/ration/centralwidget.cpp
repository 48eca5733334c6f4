#include "gui/ration/centralwidget.h"

#include "core/catalogue/foodmodel.h"
#include "core/catalogue/foodtable.h"
#include "core/ration/dish.h"
#include "core/ration/rationmodel.h"
#include "core/ration/rationnorm.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/columnstrip.h"
#include "gui/ration/dishpanel.h"
#include "gui/ration/foodlistpane.h"
#include "gui/ration/massform.h"
#include "gui/ration/normpanel.h"
#include "gui/ration/rationeditor.h"
#include "gui/ration/scaledialog.h"
#include "gui/ration/services.h"
#include "gui/tools/energybar.h"

#include "gui/ration/totalspanel.h"
#include "gui/widgets/named.h"
#include <QComboBox>
#include <QToolButton>

#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTreeView>
#include <QUndoStack>

#include <algorithm>

TCentralWidget::TCentralWidget(Services &services, QWidget *parent, const char *objectName,
                               Qt::WindowFlags fl)
    : QWidget(parent, fl), m_services(services), m_editor(new RationEditor(this))
{
    if (objectName)
        setObjectName(QString::fromLatin1(objectName));

    MainLayout = named(new QVBoxLayout(this), "MainLayout");
    MainLayout->setContentsMargins(11, 11, 11, 11);
    MainLayout->setSpacing(5);
    WorkingLayout = named(new QHBoxLayout(), "WorkingLayout");
    WorkingLayout->setSpacing(5);
    MainLayout->addLayout(WorkingLayout, 1);
    WorkingSplitter = named(new QSplitter(Qt::Horizontal, this), "WorkingSplitter");
    WorkingSplitter->setChildrenCollapsible(false);
    WorkingLayout->addWidget(WorkingSplitter);

    m_foodPane = new FoodListPane(m_services, WorkingSplitter);
    ProductsLayout = m_foodPane->productsLayout();
    ProductsLabel = m_foodPane->productsLabel();
    SearchEdit = m_foodPane->searchEdit();
    FoodsList = m_foodPane->foodsList();
    TransferLayout = m_foodPane->transferLayout();
    AddButton = m_foodPane->addButton();
    RemoveButton = m_foodPane->removeButton();

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
    FoodsTable = named(new RationTableView(m_editor->model(), rationPane), "FoodsTable");
    // Checked once the editor has closed, so that a refusal can say why.
    connect(FoodsTable, &RationTableView::massEntered, this, &TCentralWidget::changeMass,
            Qt::QueuedConnection);
    connect(FoodsTable, &RationTableView::wasteEntered, this, &TCentralWidget::changeWaste,
            Qt::QueuedConnection);
    RationLayout->addWidget(FoodsTable, 1);
    // Width gained by the window goes to the ration.
    WorkingSplitter->setStretchFactor(0, 0);
    WorkingSplitter->setStretchFactor(1, 1);
    connect(WorkingSplitter, &QSplitter::splitterMoved, this, [this] {
        m_splitterMoved = true;
        m_foodPane->fitNames();
    });

    m_totals = new TotalsPanel(this);
    takeTotalLabels();
    connect(m_totals, &TotalsPanel::dishToggled, this, [this](bool open) { foldDish(!open); });
    RationLayout->addWidget(m_totals);
    m_normPanel = named(new NormPanel(m_services.profiles(), rationPane), "NormPanel");
    RationLayout->addWidget(m_normPanel);
    m_normPanel->follow(FoodsTable);
    m_dishPanel = named(new DishPanel(rationPane), "DishPanel");
    RationLayout->addWidget(m_dishPanel);
    m_dishPanel->valuesStrip()->follow(FoodsTable);
    m_totals->follow(FoodsTable);
    LanguageChangeSlot();
    foldDish(true);
    model()->setName(RationEdit->text());
    FoodsTable->fitColumns();

    RationEdit->selectAll();
    RationEdit->setFocus();
    setTabOrder(RationEdit, SearchEdit);
    setTabOrder(SearchEdit, FoodsList);
    setTabOrder(FoodsList, AddButton);
    setTabOrder(AddButton, RemoveButton);
    setTabOrder(RemoveButton, FoodsTable);
    setTabOrder(FoodsTable, m_totals->dishToggle());
    setTabOrder(m_totals->dishToggle(), m_normPanel->ProfileBox);
    setTabOrder(m_normPanel->ProfileBox, m_normPanel->ShareBox);
    setTabOrder(m_normPanel->ShareBox, m_dishPanel);

    connect(m_foodPane, &FoodListPane::selectionChanged, this, &TCentralWidget::ItemSelectedSlot);
    connect(m_foodPane, &FoodListPane::addAsked, this, &TCentralWidget::AddSlot);
    connect(FoodsTable, &RationTableView::removeAsked, this, &TCentralWidget::RemoveSlot);
    auto *findShortcut = new QShortcut(QKeySequence(tr("Ctrl+F")), this);
    findShortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(findShortcut, &QShortcut::activated, this, &TCentralWidget::FocusSearchSlot);
    connect(AddButton, &QPushButton::clicked, this, &TCentralWidget::AddSlot);
    connect(RemoveButton, &QPushButton::clicked, this, &TCentralWidget::RemoveSlot);
    connect(RationEdit, &QLineEdit::textEdited, m_editor, &RationEditor::rename);
    connect(model(), &RationModel::nameChanged, this, &TCentralWidget::NameChangedSlot);
    connect(m_editor, &RationEditor::totalsChanged, this, &TCentralWidget::updateTotals);
    connect(m_dishPanel, &DishPanel::dishChanged, this, &TCentralWidget::DishEditedSlot);
    // Showing the waste is the window's setting: no step, nothing modified.
    connect(m_dishPanel, &DishPanel::wasteShown, model(), &RationModel::setShowsWaste);
    connect(model(), &RationModel::showsWasteChanged, m_dishPanel, &DishPanel::setShowsWaste);
    // The waste's columns take their room from the food list, as the others.
    connect(model(), &RationModel::showsWasteChanged, this, &TCentralWidget::placeSplitter);
    connect(model(), &RationModel::dishChanged, this, &TCentralWidget::showDish);
    connect(m_normPanel, &NormPanel::normChosen, m_editor, &RationEditor::changeNorm);
    connect(model(), &RationModel::normChanged, this, &TCentralWidget::showNorm);
    // A dish's portions change what one portion gives of the norm.
    connect(model(), &RationModel::dishChanged, this, &TCentralWidget::showNorm);

    resize(550, 350);
}

// The undo stack, going down with the editor's children, reports that it
// is cleared: by then the editor and its window are going down too.
TCentralWidget::~TCentralWidget() { undoStack()->disconnect(); }

RationModel *TCentralWidget::model() const { return m_editor->model(); }

QUndoStack *TCentralWidget::undoStack() const { return m_editor->undoStack(); }

void TCentralWidget::takeTotalLabels()
{
    SummarizeLayout = m_totals->grid();
    WholeLabel = m_totals->wholeLabel();
    const QList<QLabel **> captions{&MassLabel, &WaterLabel,         &ProteinLabel,
                                    &FatLabel,  &CarbohydratesLabel, &CaloriesLabel};
    const QList<QLabel **> values{&MassValueLabel, &WaterValueLabel,         &ProteinValueLabel,
                                  &FatValueLabel,  &CarbohydratesValueLabel, &CaloriesValueLabel};
    for (int c = 1; c < Ration::ColumnCount; ++c) {
        *captions[c - 1] = m_totals->caption(c);
        *values[c - 1] = m_totals->value(c);
    }
}

void TCentralWidget::foldDish(bool folded)
{
    m_dishPanel->setFolded(folded);
    m_totals->showDishOpen(!folded);
}

void TCentralWidget::LanguageChangeSlot()
{
    m_foodPane->retranslate();
    RationLabel->setText(tr("<p><b>Рацион</b></p>"));
    RationEdit->setText(tr("Без имени"));
    RationEdit->setAccessibleName(tr("Название рациона"));
    FoodsTable->setAccessibleName(tr("Рацион"));
    m_totals->retranslate();
    m_totals->setTotals(m_editor->totals());
}

QModelIndex TCentralWidget::selectedProduct() const { return m_foodPane->selectedProduct(); }

QString TCentralWidget::foodText(const QModelIndex &row, int column)
{
    return row.sibling(row.row(), column).data().toString();
}

QString TCentralWidget::cellText(int row, int column) const { return model()->text(row, column); }

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
    for (int c = 0; c < Nutrients::Count; ++c)
        per100g.append(foodText(product, FoodModel::columnOf(Nutrients::Id(c))));
    const QString name = foodText(product, 0);
    // An own product stands in its own group, and may lose a share of its own.
    const FoodTable::Product *own = product.parent().data().toString() == OwnProducts::groupName()
        ? m_services.products().products().find(name)
        : nullptr;
    m_editor->addProduct(name, mass, per100g,
                         m_editor->wasteFor(name, own ? own->waste : QString()));
    FoodsTable->scrollTo(model()->index(model()->rowCount() - 1, 0));
    m_foodPane->productAdded();
}

void TCentralWidget::RemoveSlot()
{
    QList<int> rows;
    for (const QModelIndex &index : FoodsTable->selectionModel()->selectedIndexes())
        rows.append(index.row());
    if (m_editor->removeRows(rows))
        FoodsTable->clearSelection();
}

bool TCentralWidget::changeWaste(int row, const QString &typed)
{
    QString why;
    if (m_editor->changeWaste(row, typed, &why))
        return true;
    if (!why.isEmpty())
        MessageBox::warning(this, tr("Rationix"), why);
    return false;
}

bool TCentralWidget::changeMass(int row, const QString &typed)
{
    QString why;
    if (m_editor->changeMass(row, typed, &why))
        return true;
    if (!why.isEmpty())
        MessageBox::warning(this, tr("Rationix"), why);
    return false;
}

void TCentralWidget::ScaleSlot()
{
    m_dishPanel->commitTypedYield();
    if (model()->isBlank()) {
        MessageBox::warning(this, tr("Масштабировать рацион"), RationScale::nothingToScale());
        return;
    }
    const QStringList totals = model()->totals();
    ScaleDialog dialog(totals.value(0), totals.value(Ration::TotalCount - 1), this);
    dialog.setDish(Dish(totals, model()->yield(), 1).yield(), model()->portions());
    // A refused number leaves the dialog open to be corrected.
    while (dialog.exec() == QDialog::Accepted) {
        if (scale(dialog.mode(), dialog.typed()))
            return;
    }
}

bool TCentralWidget::scale(RationScale::Mode mode, const QString &typed)
{
    QString why;
    if (m_editor->scale(mode, typed, &why))
        return true;
    MessageBox::warning(this, tr("Масштабировать рацион"), why);
    return false;
}

void TCentralWidget::DishEditedSlot()
{
    m_editor->changeDish(m_dishPanel->yieldText(), m_dishPanel->portions());
}

void TCentralWidget::showDish() { m_dishPanel->setDish(model()->yield(), model()->portions()); }

void TCentralWidget::showNorm()
{
    // A ration measured against no one, shown so, has nothing to update.
    if (!model()->profile() && !m_normShown)
        return;
    m_normShown = model()->profile().has_value();
    const Ration shown = ration();
    m_normPanel->showRation(shown);
    m_dishPanel->energyBar()->setNote(shown.profile ? RationNorm::sharesText(*shown.profile)
                                                    : QString());
}

Ration TCentralWidget::finishedRation()
{
    m_dishPanel->commitTypedYield();
    m_normPanel->commitTypedShare();
    return ration();
}

void TCentralWidget::updateTotals()
{
    const QStringList totals = m_editor->totals();
    m_totals->setTotals(totals);
    FoodsTable->fitTotals(totals);
    m_dishPanel->setTotals(totals);
    showNorm();
    Q_EMIT totalsChanged();
}

QStringList TCentralWidget::totals() const { return m_editor->totals(); }

Ration TCentralWidget::ration() const
{
    Ration r = model()->ration();
    // The name as the field shows it, whoever wrote it there.
    r.name = RationEdit->text();
    r.totals = m_editor->totals();
    return r;
}

void TCentralWidget::loadRation(const Ration &ration)
{
    m_editor->load(ration);
    RationEdit->setText(ration.name);
    RationEdit->selectAll();
    RationEdit->setFocus();
    // The panel shows a stored yield it would not take as none.
    m_dishPanel->setDish(ration.yield, ration.portions);
    if (ration.hasDish())
        foldDish(false);
    m_editor->takeLoadedDish(m_dishPanel->yieldText(), m_dishPanel->portions());
    m_editor->takeLoadedNorm(ration.profile, ration.share);
    m_editor->takeLoadedCard(ration.card);
    // A ration that keeps a waste shows it.
    if (std::any_of(ration.rows.cbegin(), ration.rows.cend(),
                    [](const RationRow &row) { return !row.wasteView().isEmpty(); }))
        model()->setShowsWaste(true);
    showNorm();
}

void TCentralWidget::FocusSearchSlot() { m_foodPane->focusSearch(); }

void TCentralWidget::NameChangedSlot(const QString &name)
{
    // Undo and redo change the name behind the field's back.
    if (RationEdit->text() != name)
        RationEdit->setText(name);
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

QSize TCentralWidget::sizeHint() const
{
    const QMargins margins = MainLayout->contentsMargins();
    return {margins.left() + m_foodPane->wholeWidth() + WorkingSplitter->handleWidth()
                + FoodsTable->wantedWidth() + margins.right(),
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
        const int listValues = m_foodPane->valuesWidth();
        const int names = m_foodPane->namesWidth();
        const int nameRoom = 20 * FoodsTable->fontMetrics().averageCharWidth();
        const int rationValues = FoodsTable->wantedWidth() - nameRoom;
        const int spare = total - listValues - rationValues;
        const int title = FoodsTable->nameTitleWidth();
        const int left = spare >= title
            ? listValues + std::min({names, std::max(spare / 2, spare - nameRoom), spare - title})
            : std::max(total / 5, total - rationValues - title);
        WorkingSplitter->setSizes({left, total - left});
    }
    m_foodPane->fitNames();
    // The table is shown from its first column, whatever scrolled it while
    // it was narrower.
    FoodsTable->horizontalScrollBar()->setValue(0);
}
