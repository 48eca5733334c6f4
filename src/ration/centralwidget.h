#pragma once

#include "ration/ration.h"

#include <QWidget>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class FoodListItem;

// The ration editor: the food list on the left, the transfer buttons in the
// middle, the ration name and table on the right, the totals below.
// The main window's commands reach into its widgets directly.
class TCentralWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TCentralWidget(QWidget *parent = nullptr, const char *name = nullptr,
                            Qt::WindowFlags fl = {});

    // Arithmetic on number texts: each rewrites its first argument (or, for
    // ScaleValue, its second) and returns the new text.
    QString SumValues(QString &total, QString &value);
    QString ScaleValue(QString &mass, QString &value);
    QString SubtractValues(QString &total, QString &value);

    // The ration as shown: name, every row of the table, the six totals.
    Ration ration() const;
    // Fills a fresh editor with a ration's rows: the first row fills the
    // blank row, every later one is appended. The name is set as given;
    // the totals are worked out from the rows.
    void loadRation(const Ration &ration);
    // The product selected in the food list, or null (nothing or a group).
    FoodListItem *selectedProduct() const;
    // Text of a table cell; empty for a cell never written.
    QString cellText(int row, int column) const;

    QVBoxLayout *MainLayout;
    QHBoxLayout *WorkingLayout;
    QVBoxLayout *ProductsLayout;
    QVBoxLayout *TransferLayout;
    QVBoxLayout *RationLayout;
    QHBoxLayout *RationNameLayout;
    QGridLayout *SummarizeLayout;
    QLabel *ProductsLabel;
    QLabel *RationLabel;
    QLineEdit *RationEdit;
    QTreeWidget *FoodsList;
    QTreeWidgetItem *FoodItem;
    QPushButton *AddButton;
    QPushButton *RemoveButton;
    QTableWidget *FoodsTable;
    QLabel *WholeLabel;
    QLabel *MassLabel;
    QLabel *FatLabel;
    QLabel *WaterLabel;
    QLabel *CarbohydratesLabel;
    QLabel *ProteinLabel;
    QLabel *CaloriesLabel;
    QLabel *MassValueLabel;
    QLabel *FatValueLabel;
    QLabel *WaterValueLabel;
    QLabel *CarbohydratesValueLabel;
    QLabel *ProteinValueLabel;
    QLabel *CaloriesValueLabel;
    QString MassText;
    qint32 RowsCount;
    qint16 FoodsCount;

Q_SIGNALS:
    // The ration changed: a row was added or removed, or the name edited.
    void Modified();

protected Q_SLOTS:
    void LanguageChangeSlot();
    void ItemSelectedSlot();
    void AddSlot();
    void RemoveSlot();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFoodList();
    void buildTotals();
    QLabel *totalLabel(const char *objectName, int row, int column);
    // The six value labels in the order of table columns 1 to 6.
    QList<QLabel *> valueLabels() const;
    // Row that the next add writes: the blank row, or a new last row.
    int targetRow();
    void setRow(int row, const QStringList &texts);
    void updateTotals();
};
