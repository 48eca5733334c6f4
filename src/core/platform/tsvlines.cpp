#include "core/platform/tsvlines.h"

#include "core/platform/trcontext.h"

TR_CONTEXT(TsvLines)

namespace TsvLines {

QList<Line> read(const QByteArray &data, int maxLineLength, bool (*isHeader)(const QStringList &),
                 QList<Problem> *problems)
{
    QList<Line> lines;
    const QList<QByteArray> texts = data.split('\n');
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QByteArray bytes = texts[i];
        if (i == 0 && bytes.startsWith("\xef\xbb\xbf"))
            bytes.remove(0, 3); // the byte-order mark of a spreadsheet
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (bytes.isEmpty())
            continue;
        const int number = int(i + 1);
        if (bytes.size() > maxLineLength) {
            problems->append({number, tr("строка длиннее %1 КБ").arg(maxLineLength / 1024)});
            continue;
        }
        if (!bytes.isValidUtf8()) {
            problems->append({number, tr("текст не в кодировке UTF-8")});
            continue;
        }
        QStringList fields = QString::fromUtf8(bytes).split(QLatin1Char('\t'));
        if (i == 0 && isHeader(fields))
            continue;
        lines.append({number, std::move(fields)});
    }
    return lines;
}

} // namespace TsvLines
