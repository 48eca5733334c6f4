#pragma once

#include "core/ration/ration.h"
#include "core/ration/rationscale.h"
#include "gui/ration/undobudget.h"

#include <QWidget>

class QGridLayout;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTableView;
class QModelIndex;
class QTreeView;
class QUndoStack;
class QVBoxLayout;
class ColumnStrip;
class DishPanel;
class QToolButton;
class FoodListProxy;
class FoodListSearch;
class RationModel;

// The ration editor: the food list on the left, the transfer buttons in the
// middle, the ration name and table on the right, the totals below. The
// table shows a RationModel; every change of the ration is a step on the
// editor's undo stack.
class TCentralWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TCentralWidget(QWidget *parent = nullptr, const char *name = nullptr,
                            Qt::WindowFlags fl = {});
    ~TCentralWidget() override;

    RationModel *model() const { return m_model; }
    QUndoStack *undoStack() const { return m_undoStack; }

    // The ration as shown: name, every row of the table, the six totals.
    Ration ration() const;
    // Puts a ration's rows after the ones shown (filling the blank row).
    // The name is set as given; the totals are worked out from the rows.
    // Nothing of it can be undone: the undo stack starts afresh.
    void loadRation(const Ration &ration);
    // The product selected in the food list (its name cell), or an invalid
    // index (nothing or a group).
    QModelIndex selectedProduct() const;
    // A text of the food list's row: the name, or a value by its column.
    static QString foodText(const QModelIndex &row, int column);
    // Text of a table cell; empty for a cell never written.
    QString cellText(int row, int column) const;
    // Gives a row a new mass as the user typed it: refused with the reason
    // shown when it is no mass, else an undoable step.
    bool changeMass(int row, const QString &typed);
    // The ration to save or print: a yield typed but not yet entered is
    // taken first (or refused, keeping the one before).
    Ration finishedRation();
    // Scales every mass as asked: refused with the reason shown, else one
    // undoable step.
    bool scale(RationScale::Mode mode, const QString &typed);
    DishPanel *dishPanel() const { return m_dishPanel; }

    QVBoxLayout *MainLayout;
    QHBoxLayout *WorkingLayout;
    QSplitter *WorkingSplitter;
    QVBoxLayout *ProductsLayout;
    QVBoxLayout *TransferLayout;
    QVBoxLayout *RationLayout;
    QHBoxLayout *RationNameLayout;
    QGridLayout *SummarizeLayout;
    QLabel *ProductsLabel;
    QLabel *RationLabel;
    QLineEdit *RationEdit;
    QLineEdit *SearchEdit;
    QTreeView *FoodsList;
    QPushButton *AddButton;
    QPushButton *RemoveButton;
    QTableView *FoodsTable;
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

protected Q_SLOTS:
    void LanguageChangeSlot();
    void ItemSelectedSlot();
    void AddSlot();
    void RemoveSlot();
    void FilterSlot(const QString &text);
    void FocusSearchSlot();
    void NameChangedSlot(const QString &name);
    // The food list's menu: add one of the user's own products, or change or
    // delete the one under the pointer.
    void FoodsMenuSlot(const QPoint &position);

public Q_SLOTS:
    // Asks how to scale the ration and scales it.
    void ScaleSlot();

private Q_SLOTS:
    void DishEditedSlot();
    void showDish();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

public:
    // Wide enough for the whole food list and the ration's seven columns.
    QSize sizeHint() const override;

private:
    void buildFoodList();
    void buildTotals();
    // Folds the dish's rows away or shows them, as the toggle says.
    void foldDish(bool folded);
    // Width the ration table needs for its values and a fair part of a name.
    int rationWidth() const;
    // The food list's names as wide as the list leaves them, its values whole.
    void fitFoodNames();
    void buildRationTable();
    QList<int> foodListWidths(const QFont &groupFont) const;
    QLabel *totalLabel(const char *objectName, int row, int column);
    // The six value labels in the order of table columns 1 to 6.
    QList<QLabel *> valueLabels() const;
    void updateTotals();
    // A row with a new mass, its values rescaled as a mass edit does it.
    static QStringList rowWithMass(const QStringList &row, const QString &mass);
    void fitColumns();
    void fitRows(int first, int last);
    void fitName();
    // The least width of the name column: its title whole.
    int nameTitleWidth() const;
    int cellWidth(const QString &text) const;
    bool tableKey(const QKeyEvent *event);
    bool startMassEdit(const QKeyEvent *event);
    void placeSplitter();

    RationModel *m_model;
    QUndoStack *m_undoStack;
    // Every step goes on the stack through it, so that the stack stays small.
    UndoBudget m_history;
    DishPanel *m_dishPanel = nullptr;
    ColumnStrip *m_totals = nullptr;
    QToolButton *m_dishToggle = nullptr;
    FoodListProxy *m_foods = nullptr;
    FoodListSearch *m_search = nullptr;
    // Width the food list needs to show every column whole, and of that
    // its names.
    int m_foodListWidth = 0;
    int m_foodNameWidth = 0;
    // The user placed the splitter: it stays where it was put.
    bool m_splitterMoved = false;
};
