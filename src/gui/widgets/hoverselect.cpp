#include "gui/widgets/hoverselect.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

namespace {

// One for every label: it keeps nothing of its own.
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
        }
        return false;
    }
};

} // namespace

void HoverSelect::enableOn(QLabel *label)
{
    static Enabler *const enabler = new Enabler(QCoreApplication::instance());
    label->installEventFilter(enabler);
}
