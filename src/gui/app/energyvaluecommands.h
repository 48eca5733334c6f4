#pragma once

#include <QCoreApplication>

class QWidget;
class TCalculateForm;
class TEnergyValueForm;

// The energy value tool of the main window: its dialog, opened for the
// product selected in a ration window's food list, and the report it saves.
class EnergyValueCommands
{
    Q_DECLARE_TR_FUNCTIONS(EnergyValueCommands)

public:
    // Opens the dialog over the window, deleted when it closes; with no
    // product selected, says so and opens nothing (null).
    static TEnergyValueForm *open(QWidget *window, const TCalculateForm *ration);
    // Saves the dialog's report on the product still selected, as a page.
    static void save(QWidget *window, const TCalculateForm *ration, const TEnergyValueForm *dialog);
};
