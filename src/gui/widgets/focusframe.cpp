#include "gui/widgets/focusframe.h"

#include <QPushButton>

void FocusFrame::showOn(QPushButton *button)
{
    button->setStyleSheet(QStringLiteral(
        "QPushButton:flat:focus { border: 1px dotted palette(highlight); border-radius: 2px; }"));
}
