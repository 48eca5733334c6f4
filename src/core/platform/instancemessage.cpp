#include "core/platform/instancemessage.h"

namespace {

const QByteArray Marker = QByteArrayLiteral("RATIONIX-OPEN 1\n");
const QByteArray End = QByteArrayLiteral("END\n");

QByteArray escaped(const QString &path)
{
    QByteArray out;
    for (char c : path.toUtf8()) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescaped(const QByteArray &line)
{
    QByteArray out;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != '\\') {
            out += line[i];
            continue;
        }
        if (++i == line.size())
            return std::nullopt;
        if (line[i] == '\\')
            out += '\\';
        else if (line[i] == 'n')
            out += '\n';
        else if (line[i] == 'r')
            out += '\r';
        else
            return std::nullopt;
    }
    return QString::fromUtf8(out);
}

} // namespace

QByteArray InstanceMessage::encode(const QStringList &paths)
{
    QByteArray out = Marker;
    for (const QString &path : paths)
        out += "F " + escaped(path) + '\n';
    return out + End;
}

std::optional<QStringList> InstanceMessage::decode(const QByteArray &bytes)
{
    if (bytes.size() > MaxSize || !bytes.startsWith(Marker) || !bytes.endsWith(End))
        return std::nullopt;
    const QByteArray body = bytes.mid(Marker.size(), bytes.size() - Marker.size() - End.size());
    QStringList paths;
    if (body.isEmpty())
        return paths;
    if (!body.endsWith('\n'))
        return std::nullopt;
    const QList<QByteArray> lines = body.left(body.size() - 1).split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith("F "))
            return std::nullopt;
        const std::optional<QString> path = unescaped(line.mid(2));
        if (!path || path->isEmpty())
            return std::nullopt;
        paths.append(*path);
    }
    return paths;
}
