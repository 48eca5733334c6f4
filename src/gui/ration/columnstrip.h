#pragma once

#include <QPointer>
#include <QWidget>

class QGridLayout;
class QTableView;

// A band of cells that stand under the columns of a table, as more rows of
// it: grid column 0 spans the table's frame, row header and first column,
// grid column c its column c, and the band moves with the table when that
// scrolls sideways. Until it follows a table the first column is as wide as
// its cells need and the others share the rest evenly.
class ColumnStrip : public QWidget
{
    Q_OBJECT

public:
    ColumnStrip(int columns, QWidget *parent = nullptr);

    QGridLayout *grid() const { return m_grid; }
    // Adds a cell that takes the whole width of its grid column, so that it
    // is as wide as the column above it, and centres its text.
    void addCell(QWidget *cell, int row, int column);
    void follow(QTableView *table);
    // The name a screen reader gives the band of cells.
    void setBandName(const QString &name);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void place();

    int m_columns;
    QWidget *m_band;
    QGridLayout *m_grid;
    QPointer<QTableView> m_table;
};
