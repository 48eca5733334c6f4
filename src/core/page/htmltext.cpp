#include "core/page/htmltext.h"

namespace HtmlText {

QString escape(const QString &text) { return text.toHtmlEscaped(); }

QString unescape(const QString &text)
{
    static const struct {
        QLatin1String entity;
        QChar character;
    } entities[] = {{QLatin1String("&amp;"), QLatin1Char('&')},
                    {QLatin1String("&lt;"), QLatin1Char('<')},
                    {QLatin1String("&gt;"), QLatin1Char('>')},
                    {QLatin1String("&quot;"), QLatin1Char('"')}};
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        bool decoded = false;
        if (text[i] == QLatin1Char('&')) {
            for (const auto &e : entities) {
                if (QStringView(text).mid(i).startsWith(e.entity)) {
                    result.append(e.character);
                    i += e.entity.size();
                    decoded = true;
                    break;
                }
            }
        }
        if (!decoded)
            result.append(text[i++]);
    }
    return result;
}

} // namespace HtmlText
