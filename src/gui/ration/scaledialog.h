#pragma once

#include "core/ration/rationscale.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;

// Asks how to scale a ration: by a factor, to a total mass in grams or to
// a total energy in kcal, to a number of portions of the same size or to a
// weight of the cooked dish, and the number for it. Whether the number
// will do is for the ration to say (RationScale::plan).
class ScaleDialog : public QDialog
{
    Q_OBJECT

public:
    // totalMass, totalEnergy: the ration's totals as number texts, for reference.
    ScaleDialog(const QString &totalMass, const QString &totalEnergy, QWidget *parent = nullptr);

    // The dish as it is now, for reference: its cooked weight in grams and
    // its portions.
    void setDish(double yield, int portions);

    RationScale::Mode mode() const;
    QString typed() const;

private:
    QButtonGroup *m_modes = nullptr;
    QLineEdit *m_valueEdit = nullptr;
    QLabel *m_dishLabel = nullptr;
};
