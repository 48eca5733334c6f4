#pragma once

class QLabel;

// Lets the user select a label's text with the mouse from the moment the
// pointer first comes over it. A selectable label keeps a text document and
// lays its text out again on every change; most value labels are never
// pointed at, and so never pay for one.
namespace HoverSelect {

void enableOn(QLabel *label);

} // namespace HoverSelect
