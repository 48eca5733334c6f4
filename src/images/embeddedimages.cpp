#include "images/embeddedimages.h"

#include <QFile>
#include <QHash>
#include <QPixmap>

namespace {
QHash<QString, QImage> &cache()
{
    static QHash<QString, QImage> images;
    return images;
}
int decoded = 0;
} // namespace

QImage findEmbeddedImage(const QString &name)
{
    if (name.isEmpty())
        return QImage();
    auto it = cache().constFind(name);
    if (it != cache().cend())
        return *it;
    const QString path = QStringLiteral(":/images/") + name;
    QImage image;
    if (QFile::exists(path)) {
        image.load(path);
        ++decoded;
    }
    cache().insert(name, image);
    return image;
}

QIcon embeddedIcon(const QString &name)
{
    const QImage image = findEmbeddedImage(name);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

int embeddedImagesDecoded() { return decoded; }
