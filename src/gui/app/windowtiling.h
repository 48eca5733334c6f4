#pragma once

#include <Qt>

class QMdiArea;

namespace WindowTiling {

// Lays the workspace's windows out one after another along the given
// direction (Qt::Vertical: full-width strips from top to bottom;
// Qt::Horizontal: full-height columns from left to right), in the order of
// the workspace's window list. Each gets an equal share of the workspace
// (the remainder of the division goes to none), or more when its window
// cannot be made that small; the strips then run past the edge and are
// reached with the scroll bars. A maximized window is restored first.
void tileStrips(QMdiArea *workspace, Qt::Orientation orientation);

} // namespace WindowTiling
