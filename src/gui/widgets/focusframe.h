#pragma once

class QPushButton;

// A flat button draws no frame, and in most styles no sign of the keyboard
// focus either; this gives it a frame while it has the focus, so that a
// keyboard user sees where a press of the space bar goes.
namespace FocusFrame {

void showOn(QPushButton *button);

} // namespace FocusFrame
