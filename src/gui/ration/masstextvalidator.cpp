#include "gui/ration/masstextvalidator.h"

#include "core/ration/massinput.h"

QValidator::State MassTextValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    // Whatever may be typed is passed on as entered, so that a text that is
    // no mass is refused with its reason rather than silently kept open.
    return MassInput::mayType(input) ? Acceptable : Invalid;
}
