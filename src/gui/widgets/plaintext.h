#pragma once

#include <QString>

class QAction;

// Texts from outside (a path, a file name, a product or ration name) shown
// where Qt would take text that looks like HTML for HTML: a tooltip renders
// "<b>x</b>" bold and "<img src=/dev/zero>" reads the device until memory
// runs out. (A label is kept from it with Qt::PlainText.)
namespace PlainText {

// A tooltip that shows the text exactly as it is.
QString toolTip(const QString &text);

// The action's tooltip follows its text, shown as it is; the text of a
// menu entry that names a file or a ration, or of an undo step naming a
// product, may come from anywhere.
void keepToolTipPlain(QAction *action);

} // namespace PlainText
