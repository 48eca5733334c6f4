#pragma once

#include "core/ration/ration.h"
#include "core/ration/rationscale.h"
#include "gui/ration/rationtableview.h"

#include <QWidget>

class DishPanel;
class FoodListPane;
class NormPanel;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QSplitter;
class Services;
class QTreeView;
class QUndoStack;
class QVBoxLayout;
class RationEditor;
class RationModel;
class TotalsPanel;

// The ration window's client area: the food list on the left with the
// transfer buttons under it, the ration name and table on the right, the
// totals and the dish below, standing in the table's columns. It lays the
// panes out and passes what the user asks on to the RationEditor, where
// every change of the ration is an undoable step.
class TCentralWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TCentralWidget(Services &services, QWidget *parent = nullptr,
                            const char *name = nullptr, Qt::WindowFlags fl = {});
    ~TCentralWidget() override;

    RationModel *model() const;
    QUndoStack *undoStack() const;
    RationEditor *editor() const { return m_editor; }

    // The ration as shown: name, every row of the table, the six totals.
    Ration ration() const;
    // The totals alone, as shown under the table.
    QStringList totals() const;
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
    // The same for a row's waste.
    bool changeWaste(int row, const QString &typed);
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
    RationTableView *FoodsTable;
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

Q_SIGNALS:
    // The totals shown changed.
    void totalsChanged();

protected Q_SLOTS:
    void LanguageChangeSlot();
    void ItemSelectedSlot();
    void AddSlot();
    void RemoveSlot();
    void FocusSearchSlot();
    void NameChangedSlot(const QString &name);

public Q_SLOTS:
    // Asks how to scale the ration and scales it.
    void ScaleSlot();

private Q_SLOTS:
    void DishEditedSlot();
    void showDish();
    void showNorm();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

public:
    // Wide enough for the whole food list and the ration's seven columns.
    QSize sizeHint() const override;

private:
    // The totals panel's labels, held under the names they have always had.
    void takeTotalLabels();
    // Folds the dish's rows away or shows them, as the toggle says.
    void foldDish(bool folded);
    void updateTotals();
    void placeSplitter();

    Services &m_services;
    RationEditor *m_editor;
    FoodListPane *m_foodPane = nullptr;
    TotalsPanel *m_totals = nullptr;
    NormPanel *m_normPanel = nullptr;
    bool m_normShown = false; // the panel shows a profile's norm
    DishPanel *m_dishPanel = nullptr;
    // The user placed the splitter: it stays where it was put.
    bool m_splitterMoved = false;
};
