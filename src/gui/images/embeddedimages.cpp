#include "gui/images/embeddedimages.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPixmap>

namespace {
QHash<QString, QImage> &cache()
{
    static QHash<QString, QImage> images;
    return images;
}
int decoded = 0;

QString resourcePath(const QString &name) { return QStringLiteral(":/images/") + name; }

} // namespace

QImage findEmbeddedImage(const QString &name)
{
    if (name.isEmpty())
        return QImage();
    auto it = cache().constFind(name);
    if (it != cache().cend())
        return *it;
    const QString path = resourcePath(name);
    QImage image;
    if (QFile::exists(path)) {
        image.load(path);
        ++decoded;
    }
    cache().insert(name, image);
    return image;
}

namespace {

// An icon whose image is decoded when it is first drawn or measured, not
// when the icon is made: the main window makes a dozen icons at start-up,
// and the menus' icons are not drawn until a menu opens.
class EmbeddedIconEngine : public QIconEngine
{
public:
    explicit EmbeddedIconEngine(const QString &name) : m_name(name) { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new EmbeddedIconEngine(m_name); }
    bool isNull() override { return false; }

private:
    const QIcon &icon()
    {
        if (m_icon.isNull())
            m_icon = QIcon(QPixmap::fromImage(findEmbeddedImage(m_name)));
        return m_icon;
    }

    const QString m_name;
    QIcon m_icon;
};

} // namespace

QIcon embeddedIcon(const QString &name)
{
    // One icon per name, shared by all who ask for it (every ration window
    // asks for the same one): its one engine turns the image into a pixmap
    // once for all of them.
    static QHash<QString, QIcon> icons;
    auto it = icons.constFind(name);
    if (it != icons.cend())
        return *it;
    if (name.isEmpty() || !QFile::exists(resourcePath(name)))
        return QIcon();
    return *icons.insert(name, QIcon(new EmbeddedIconEngine(name)));
}

int embeddedImagesDecoded() { return decoded; }
