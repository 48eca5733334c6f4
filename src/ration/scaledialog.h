#pragma once

#include "ration/rationscale.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;

// Asks how to scale a ration: by a factor, to a total mass in grams or to
// a total energy in kcal, and the number for it. Whether the number will
// do is for the ration to say (RationScale::plan).
class ScaleDialog : public QDialog
{
    Q_OBJECT

public:
    // totalMass, totalEnergy: the ration's totals as shown, for reference.
    ScaleDialog(const QString &totalMass, const QString &totalEnergy, QWidget *parent = nullptr);

    RationScale::Mode mode() const;
    QString typed() const;

private:
    QButtonGroup *m_modes = nullptr;
    QLineEdit *m_valueEdit = nullptr;
};
