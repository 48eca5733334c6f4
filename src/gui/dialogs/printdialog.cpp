#include "gui/dialogs/printdialog.h"

#include <QPrintDialog>
#include <optional>

namespace {
std::optional<bool> nextAnswer;
} // namespace

bool PrintDialog::exec(QPrinter *printer, QWidget *parent)
{
    if (nextAnswer) {
        const bool answer = *nextAnswer;
        nextAnswer.reset();
        return answer;
    }
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void PrintDialog::setNextAnswer(bool accepted) { nextAnswer = accepted; }
