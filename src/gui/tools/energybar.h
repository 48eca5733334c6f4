#pragma once

#include "core/nutrition/energystructure.h"

#include <QWidget>

#include <optional>

class QLabel;

// The energy structure of a ration at a glance: one horizontal bar split
// into the shares of protein, fat and carbohydrates, and below it the three
// percentages in words, each share off its WHO goal marked in red and named
// as such. An empty ration has no bar, only a line saying so.
class EnergyBar : public QWidget
{
    Q_OBJECT

public:
    explicit EnergyBar(QWidget *parent = nullptr);

    // The ration's totals (the mass, then each nutrient) as number texts.
    void setTotals(const QStringList &totals);

    // A line under the shares: the recommended shares of the person the
    // ration is for; none when empty.
    void setNote(const QString &note);
    QString note() const;

    bool hasBar() const { return m_structure.has_value(); }
    // The line under the bar, as plain text: what a screen reader is told.
    QString text() const { return accessibleDescription(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_label = nullptr;
    QLabel *m_note = nullptr;
    std::optional<EnergyStructure> m_structure;
};
