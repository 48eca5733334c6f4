#include "files/safewrite.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace SafeWrite {

namespace {
qint64 nextLimit = -1;
constexpr qint64 ChunkSize = qint64(64) * 1024;

QString tr(const char *text) { return QCoreApplication::translate("SafeWrite", text); }
} // namespace

bool writeAll(QIODevice &device, const QByteArray &data)
{
    for (qint64 done = 0; done < data.size();) {
        const qint64 chunk = qMin(ChunkSize, data.size() - done);
        const qint64 written = device.write(data.constData() + done, chunk);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

void limitNextWrite(qint64 bytes) { nextLimit = bytes; }

bool writeFile(const QString &path, const QByteArray &data, QString *error)
{
    const qint64 limit = nextLimit;
    nextLimit = -1;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray accepted = limit >= 0 ? data.left(limit) : data;
    const bool complete = writeAll(file, accepted) && accepted.size() == data.size();
    if (!complete || !file.flush()) {
        // Never commit a partial file over the old one.
        QString reason = file.error() != QFileDevice::NoError ? file.errorString() : QString();
        if (reason.isEmpty())
            reason = tr("записаны не все данные (возможно, диск переполнен)");
        file.cancelWriting();
        file.commit();
        if (error)
            *error = reason;
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString proposedFileName(const QString &documentName)
{
    QString name = documentName.isEmpty() ? tr("Без_имени") : documentName;
    return name.replace(QLatin1Char('/'), QLatin1Char('_'));
}

QString withHtmlSuffix(const QString &fileName)
{
    static const QString suffix = QStringLiteral(".html");
    return fileName.endsWith(suffix) ? fileName : fileName + suffix;
}

} // namespace SafeWrite
