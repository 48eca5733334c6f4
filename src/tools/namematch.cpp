#include "tools/namematch.h"

namespace NameMatch {

QString partForm(const QString &text)
{
    QString form = text.toLower();
    form.replace(QChar(0x0451), QChar(0x0435)); // ё -> е
    return form;
}

bool matches(const QString &name, const QString &text, Mode mode)
{
    if (mode == Mode::Whole)
        return name == text;
    return partForm(name).contains(partForm(text));
}

} // namespace NameMatch
