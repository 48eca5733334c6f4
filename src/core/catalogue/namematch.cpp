#include "core/catalogue/namematch.h"

namespace NameMatch {

QString partForm(const QString &text)
{
    QString form;
    form.reserve(text.size());
    bool blank = false;
    for (const QChar c : text) {
        if (c.isSpace()) {
            if (!blank)
                form.append(QLatin1Char(' '));
            blank = true;
            continue;
        }
        blank = false;
        form.append(c == QChar(0x0451) || c == QChar(0x0401) ? QChar(0x0435) : c.toLower());
    }
    return form;
}

bool matches(const QString &name, const QString &text, Mode mode)
{
    if (mode == Mode::Whole)
        return name == text;
    return partForm(name).contains(partForm(text));
}

bool sameName(const QString &name, const QString &text) { return partForm(name) == partForm(text); }

} // namespace NameMatch
