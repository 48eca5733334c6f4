#include "gui/app/energyvaluecommands.h"

#include "core/energy/energyvalue.h"
#include "core/page/rationpage.h"
#include "gui/dialogs/messagebox.h"
#include "gui/files/pagesaver.h"
#include "gui/ration/calculateform.h"
#include "gui/tools/energyvalueform.h"

TEnergyValueForm *EnergyValueCommands::open(QWidget *window, const TCalculateForm *ration)
{
    if (!ration)
        return nullptr;
    const std::optional<EnergyValue::Product> food = ration->selectedFood();
    if (!food) {
        MessageBox::warning(window, tr("Ошибка расчёта"),
                            tr("Чтобы рассчитать энергетическую ценность "
                               "продукта, необходимо его выбрать в списке!"));
        return nullptr;
    }
    auto *dialog = new TEnergyValueForm(window, "EnergyValueForm", true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->showProduct(*food);
    dialog->show();
    return dialog;
}

void EnergyValueCommands::save(QWidget *window, const TCalculateForm *ration,
                               const TEnergyValueForm *dialog)
{
    const std::optional<EnergyValue::Product> food = ration ? ration->selectedFood() : std::nullopt;
    if (food && dialog)
        PageSaver::save(window, tr("Сохранить"), food->name,
                        RationPage::joinLines(EnergyValue::reportLines(*food, dialog->shares())));
}
