#include "ration/masstextvalidator.h"

#include "ration/massinput.h"

QValidator::State MassTextValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    if (!MassInput::mayType(input))
        return Invalid;
    return MassInput::read(input).ok ? Acceptable : Intermediate;
}
