#include "dialogs/hoverselect.h"

#include <QEvent>
#include <QLabel>

namespace {

class Enabler : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Enter) {
            static_cast<QLabel *>(watched)->setTextInteractionFlags(Qt::TextSelectableByMouse);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void HoverSelect::enableOn(QLabel *label) { label->installEventFilter(new Enabler(label)); }
