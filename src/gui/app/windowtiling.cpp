#include "gui/app/windowtiling.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace WindowTiling {

void tileStrips(QMdiArea *workspace, Qt::Orientation orientation)
{
    const QList<QMdiSubWindow *> windows = workspace->subWindowList();
    if (windows.isEmpty())
        return;
    const QSize area = workspace->viewport()->size();
    const bool down = orientation == Qt::Vertical;
    const unsigned length = unsigned(down ? area.height() : area.width());
    const int share = int(length / unsigned(windows.size()));
    int position = 0;
    for (QMdiSubWindow *frame : windows) {
        if (frame->isMaximized()) {
            frame->hide();
            frame->showNormal();
        }
        const QMargins chrome = frame->contentsMargins();
        const QSize minimum = frame->widget() ? frame->widget()->minimumSize() : QSize();
        const int preferred = down ? minimum.height() + chrome.top() + chrome.bottom()
                                   : minimum.width() + chrome.left() + chrome.right();
        const int extent = qMax(share, preferred);
        if (down)
            frame->setGeometry(0, position, area.width(), extent);
        else
            frame->setGeometry(position, 0, extent, area.height());
        // A frame that cannot be made as small as asked keeps the next one
        // from overlapping it.
        position += qMax(extent, down ? frame->height() : frame->width());
    }
}

} // namespace WindowTiling
