#include "ration/centralwidget.h"

#include "ration/foodlistitem.h"
#include "ration/foodtable.h"
#include "ration/massform.h"
#include "ration/numbertext.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

QString name(const char *objectName) { return QString::fromLatin1(objectName); }

template <typename T> T *named(T *object, const char *objectName)
{
    object->setObjectName(name(objectName));
    return object;
}

} // namespace

TCentralWidget::TCentralWidget(QWidget *parent, const char *objectName, Qt::WindowFlags fl)
    : QWidget(parent, fl)
{
    if (objectName)
        setObjectName(name(objectName));

    MainLayout = named(new QVBoxLayout(this), "MainLayout");
    MainLayout->setContentsMargins(11, 11, 11, 11);
    MainLayout->setSpacing(5);
    WorkingLayout = named(new QHBoxLayout(), "WorkingLayout");
    WorkingLayout->setSpacing(5);
    MainLayout->addLayout(WorkingLayout, 1);

    ProductsLayout = named(new QVBoxLayout(), "ProductsLayout");
    ProductsLayout->setSpacing(5);
    WorkingLayout->addLayout(ProductsLayout, 1);
    ProductsLabel = named(new QLabel(this), "ProductsLabel");
    ProductsLayout->addWidget(ProductsLabel);

    FoodsList = named(new QTreeWidget(this), "FoodsList");
    buildFoodList();
    FoodsCount = 537;
    ProductsLayout->addWidget(FoodsList);

    TransferLayout = named(new QVBoxLayout(), "TransferLayout");
    TransferLayout->setSpacing(5);
    TransferLayout->addStretch(1);
    WorkingLayout->addLayout(TransferLayout);
    AddButton = named(new QPushButton(this), "AddButton");
    AddButton->setFlat(true);
    AddButton->setEnabled(false);
    TransferLayout->addWidget(AddButton);
    RemoveButton = named(new QPushButton(this), "RemoveButton");
    RemoveButton->setFlat(true);
    TransferLayout->addWidget(RemoveButton);
    TransferLayout->addStretch(1);

    RationLayout = named(new QVBoxLayout(), "RationLayout");
    RationLayout->setSpacing(5);
    WorkingLayout->addLayout(RationLayout, 1);
    RationNameLayout = named(new QHBoxLayout(), "RationNameLayout");
    RationNameLayout->setSpacing(5);
    RationLayout->addLayout(RationNameLayout);
    RationLabel = named(new QLabel(this), "RationLabel");
    RationNameLayout->addWidget(RationLabel);
    RationEdit = named(new QLineEdit(this), "RationEdit");
    RationNameLayout->addWidget(RationEdit);

    FoodsTable = named(new QTableWidget(1, Ration::ColumnCount, this), "FoodsTable");
    FoodsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FoodsTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FoodsTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    FoodsTable->horizontalHeader()->setMinimumSectionSize(48);
    FoodsTable->verticalHeader()->setDefaultSectionSize(FoodsTable->fontMetrics().height() + 8);
    RationLayout->addWidget(FoodsTable);

    buildTotals();
    LanguageChangeSlot();
    // Value columns just as wide as their titles need; the name takes the rest.
    const QFontMetrics metrics = FoodsTable->horizontalHeader()->fontMetrics();
    for (int c = 1; c < Ration::ColumnCount; ++c) {
        const QString title = FoodsTable->horizontalHeaderItem(c)->text();
        FoodsTable->setColumnWidth(c, qMax(56, metrics.horizontalAdvance(title) + 20));
    }

    RationEdit->selectAll();
    RationEdit->setFocus();
    setTabOrder(RationEdit, FoodsList);

    connect(FoodsList, &QTreeWidget::itemSelectionChanged, this, &TCentralWidget::ItemSelectedSlot);
    connect(FoodsList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item && item->parent())
            AddSlot();
    });
    FoodsList->installEventFilter(this);
    connect(AddButton, &QPushButton::clicked, this, &TCentralWidget::AddSlot);
    connect(RemoveButton, &QPushButton::clicked, this, &TCentralWidget::RemoveSlot);
    connect(RationEdit, &QLineEdit::textEdited, this, &TCentralWidget::Modified);

    resize(550, 350);
    MassText = QStringLiteral("0.0");
    FoodItem = nullptr;
    RowsCount = 0;
}

void TCentralWidget::buildFoodList()
{
    FoodsList->setColumnCount(6);
    FoodsList->setHeaderLabels(
        {tr("Группа"), tr("Вода"), tr("Белок"), tr("Жиры"), tr("Углеводы"), tr("ККал")});
    FoodsList->setRootIsDecorated(false);
    FoodsList->setUniformRowHeights(true);
    FoodsList->setSelectionMode(QAbstractItemView::SingleSelection);

    QFont groupFont = FoodsList->font();
    groupFont.setBold(true);
    QList<QTreeWidgetItem *> groups;
    for (const FoodTable::Group &group : FoodTable::builtIn().groups()) {
        auto *groupItem = new FoodListItem(QStringList{group.name});
        groupItem->setFont(0, groupFont);
        for (const FoodTable::Product &product : group.products) {
            auto *item = new FoodListItem(groupItem);
            item->setText(0, product.name);
            for (int c = 0; c < FoodTable::ValueCount; ++c) {
                item->setText(c + 1, product.values[c]);
                item->setTextAlignment(c + 1, Qt::AlignRight | Qt::AlignVCenter);
            }
        }
        groups.append(groupItem);
    }
    FoodsList->addTopLevelItems(groups);
    FoodsList->setSortingEnabled(true);
    FoodsList->sortByColumn(0, Qt::AscendingOrder);
    FoodsList->expandAll();
    FoodsList->setColumnWidth(0, 230);
    for (int c = 1; c <= FoodTable::ValueCount; ++c)
        FoodsList->setColumnWidth(c, 52);
}

QLabel *TCentralWidget::totalLabel(const char *objectName, int row, int column)
{
    auto *label = named(new QLabel(this), objectName);
    SummarizeLayout->addWidget(label, row, column, Qt::AlignCenter);
    return label;
}

void TCentralWidget::buildTotals()
{
    SummarizeLayout = named(new QGridLayout(), "SummarizeLayout");
    SummarizeLayout->setSpacing(5);
    MainLayout->addLayout(SummarizeLayout);
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
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void TCentralWidget::LanguageChangeSlot()
{
    ProductsLabel->setText(tr("<p><b>Продукты</b></p>"));
    FoodsTable->setHorizontalHeaderLabels({tr("Наименование"), tr("Масса"), tr("Вода"), tr("Белок"),
                                           tr("Жиры"), tr("Углеводы"), tr("Ккал")});
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

QString TCentralWidget::SumValues(QString &total, QString &value)
{
    total = NumberText::sum(total, value);
    return total;
}

QString TCentralWidget::ScaleValue(QString &mass, QString &value)
{
    value = NumberText::scale(mass, value);
    return value;
}

QString TCentralWidget::SubtractValues(QString &total, QString &value)
{
    total = NumberText::subtract(total, value);
    return total;
}

FoodListItem *TCentralWidget::selectedProduct() const
{
    const QList<QTreeWidgetItem *> selected = FoodsList->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    auto *item = static_cast<FoodListItem *>(selected.first());
    return item->isProduct() ? item : nullptr;
}

QString TCentralWidget::cellText(int row, int column) const
{
    const QTableWidgetItem *item = FoodsTable->item(row, column);
    return item ? item->text() : QString();
}

void TCentralWidget::ItemSelectedSlot() { AddButton->setEnabled(selectedProduct() != nullptr); }

void TCentralWidget::AddSlot()
{
    FoodListItem *product = selectedProduct();
    if (!product)
        return;
    FoodItem = product;
    {
        TMassForm form(this, "MassForm", true);
        if (form.exec() != QDialog::Accepted) {
            FoodItem = nullptr;
            return;
        }
        MassText = form.MassEdit->text();
    }

    RowsCount = FoodsTable->rowCount();
    const int row = targetRow();
    QStringList texts{FoodItem->text(0), MassText};
    for (int k = 1; k <= FoodTable::ValueCount; ++k) {
        QString mass = MassText;
        QString value = FoodItem->text(k);
        texts.append(ScaleValue(mass, value));
    }
    setRow(row, texts);
    updateTotals();
    FoodsTable->scrollToItem(FoodsTable->item(row, 0));

    MassText = QStringLiteral("0.0");
    FoodItem = nullptr;
    Q_EMIT Modified();
}

int TCentralWidget::targetRow()
{
    if (RowsCount == 1 && cellText(0, 1).isEmpty())
        return 0;
    ++RowsCount;
    FoodsTable->setRowCount(RowsCount);
    return RowsCount - 1;
}

void TCentralWidget::setRow(int row, const QStringList &texts)
{
    for (int c = 0; c < Ration::ColumnCount; ++c) {
        auto *item = new QTableWidgetItem(texts.value(c));
        if (c > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        FoodsTable->setItem(row, c, item);
    }
}

void TCentralWidget::RemoveSlot()
{
    RowsCount = FoodsTable->rowCount();
    bool removed = false;
    bool hadContent = false;
    for (int i = 0; i < RowsCount; ++i) {
        if (FoodsTable->selectionModel()->isRowSelected(i, QModelIndex())) {
            for (int c = 0; c < Ration::ColumnCount; ++c)
                hadContent = hadContent || !cellText(i, c).isEmpty();
            FoodsTable->removeRow(i);
            removed = true;
            break;
        }
    }
    if (FoodsTable->rowCount() == 0)
        FoodsTable->setRowCount(1);
    RowsCount = FoodsTable->rowCount();
    if (!removed)
        return;
    updateTotals();
    if (hadContent)
        Q_EMIT Modified();
}

void TCentralWidget::updateTotals()
{
    QList<QStringList> rows;
    for (int r = 0; r < FoodsTable->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < Ration::ColumnCount; ++c)
            row.append(cellText(r, c));
        rows.append(row);
    }
    const QStringList totals = Ration::totalsOf(rows);
    const QList<QLabel *> labels = valueLabels();
    for (int i = 0; i < Ration::TotalCount; ++i)
        labels[i]->setText(totals[i]);
}

Ration TCentralWidget::ration() const
{
    Ration r;
    r.name = RationEdit->text();
    for (int row = 0; row < FoodsTable->rowCount(); ++row) {
        QStringList texts;
        for (int c = 0; c < Ration::ColumnCount; ++c)
            texts.append(cellText(row, c));
        r.rows.append(texts);
    }
    for (const QLabel *label : valueLabels())
        r.totals.append(label->text());
    return r;
}

void TCentralWidget::loadRation(const Ration &ration)
{
    RationEdit->setText(ration.name);
    RationEdit->selectAll();
    RationEdit->setFocus();
    // The first row fills the blank row of a fresh table; the others are
    // appended, all at once.
    int row = FoodsTable->rowCount();
    if (!ration.rows.isEmpty() && row == 1 && cellText(0, 1).isEmpty())
        row = 0;
    FoodsTable->setUpdatesEnabled(false);
    FoodsTable->setRowCount(qMax(FoodsTable->rowCount(), row + int(ration.rows.size())));
    for (const QStringList &texts : ration.rows)
        setRow(row++, texts);
    FoodsTable->setUpdatesEnabled(true);
    RowsCount = FoodsTable->rowCount();
    updateTotals();
}

bool TCentralWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FoodsList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Return adds a product, and opens or closes a group.
            QTreeWidgetItem *current = FoodsList->currentItem();
            if (current && !current->parent() && !selectedProduct())
                current->setExpanded(!current->isExpanded());
            else
                AddSlot();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
