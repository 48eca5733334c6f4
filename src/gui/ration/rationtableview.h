#pragma once

#include <QTableView>

class RationModel;

// The ration table: each value column as wide as its title, its numbers and
// the total under it need, the name taking what they leave (a narrow table
// scrolls rather than cut the name's title); masses and wastes edited in
// place, a digit on one starting a new one; Delete asking to remove the rows
// selected.
class RationTableView : public QTableView
{
    Q_OBJECT

public:
    RationTableView(RationModel *model, QWidget *parent = nullptr);

    // Width the table needs for its values and a fair part of a name.
    int wantedWidth() const;
    // The least width of the name column: its title whole.
    int nameTitleWidth() const;
    // Fits every column to the ration's texts.
    void fitColumns();
    // Widens the value columns for the totals shown under them.
    void fitTotals(const QStringList &totals);

Q_SIGNALS:
    // A mass typed into a mass cell, to be checked (after the editor has
    // closed, so that a refusal can say why).
    void massEntered(int row, const QString &typed);
    // The same for a waste typed into a waste cell.
    void wasteEntered(int row, const QString &typed);
    void removeAsked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void fitRows(int first, int last);
    void fitName();
    int cellWidth(const QString &text) const;
    bool tableKey(const QKeyEvent *event);
    bool startMassEdit(const QKeyEvent *event);
    // Whether a cell is edited in place: a mass or a waste of a product.
    bool editsInPlace(const QModelIndex &index) const;

    RationModel *m_model;
};
