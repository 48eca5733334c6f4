#pragma once

#include "gui/ration/columnstrip.h"

#include <QList>

class QLabel;
class QToolButton;

// The ration's totals under the table, each under its column: the caption
// "ВСЕГО:", the mass and every nutrient by name with its total below, and
// beside the totals the toggle that folds the dish in and out. It only shows
// what it is given; the totals come from the ration.
class TotalsPanel : public ColumnStrip
{
    Q_OBJECT

public:
    explicit TotalsPanel(QWidget *parent = nullptr);

    // Grid column c (1 = mass, then the nutrients in order) holds caption c
    // above value c; column 0 the row's caption and the dish toggle.
    QLabel *wholeLabel() const { return m_whole; }
    QToolButton *dishToggle() const { return m_dishToggle; }
    QLabel *caption(int column) const { return m_captions.value(column - 1); }
    QLabel *value(int column) const { return m_values.value(column - 1); }

    void setTotals(const QStringList &totals);
    void retranslate();
    // Shows the dish as open or folded, without dishToggled().
    void showDishOpen(bool open);

Q_SIGNALS:
    // The user opened or folded the dish.
    void dishToggled(bool open);

private:
    QLabel *addLabel(const QString &objectName, int row, int column);

    QLabel *m_whole;
    QList<QLabel *> m_captions;
    QList<QLabel *> m_values;
    QToolButton *m_dishToggle;
};
