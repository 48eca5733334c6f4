#include "app/windowframestyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QStyleOptionTitleBar>

namespace {

// The key of a kept picture: everything it depends on. Numbers go in as raw
// 16-bit units, as the key is only ever compared.
class PictureKey
{
public:
    PictureKey(QLatin1StringView kind, const QStyleOption &option, const QPainter &painter)
    {
        m_key.reserve(192);
        m_key += kind;
        for (const qint64 number :
             {qint64(option.rect.width()), qint64(option.rect.height()),
              qint64(option.state.toInt()), qint64(option.direction),
              qint64(option.palette.currentColorGroup()), qint64(painter.layoutDirection()),
              qint64(qRound(painter.device()->devicePixelRatioF() * 100))})
            add(number);
        // Each window has palettes of its own, equal to the others': the
        // colours tell whether two are the same.
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            add(option.palette.color(QPalette::ColorRole(role)).rgba());
    }

    void add(qint64 number)
    {
        const quint64 bits = quint64(number);
        const char16_t units[] = {char16_t(bits), char16_t(bits >> 16), char16_t(bits >> 32),
                                  char16_t(bits >> 48)};
        m_key += QStringView(units, 4);
    }
    void add(const QString &text)
    {
        add(text.size());
        m_key += text;
    }
    const QString &text() const { return m_key; }

private:
    QString m_key;
};

// A transparent picture of that size for the painter's device.
QPixmap emptyPicture(QSize size, const QPainter &painter)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

// A painter on the picture set up as the given one.
void startLike(QPainter &onPicture, const QPainter &painter)
{
    onPicture.setFont(painter.font());
    onPicture.setPen(painter.pen());
    onPicture.setBrush(painter.brush());
    onPicture.setLayoutDirection(painter.layoutDirection());
}

// The four edges of a frame border that many pixels wide: top, bottom, left,
// right. The window inside covers the rest.
QList<QRect> borderEdges(QSize size, int width)
{
    return {QRect(0, 0, size.width(), width), QRect(0, size.height() - width, size.width(), width),
            QRect(0, width, width, size.height() - 2 * width),
            QRect(size.width() - width, width, width, size.height() - 2 * width)};
}

} // namespace

WindowFrameStyle::WindowFrameStyle(const QString &baseName) : QProxyStyle(baseName) { }

WindowFrameStyle *WindowFrameStyle::shared()
{
    static WindowFrameStyle *style = [] {
        const QString name = QApplication::style()->name();
        if (!QStyleFactory::keys().contains(name, Qt::CaseInsensitive))
            return static_cast<WindowFrameStyle *>(nullptr);
        auto *made = new WindowFrameStyle(name);
        made->setParent(qApp);
        return made;
    }();
    return style;
}

void WindowFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                          QPainter *painter, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionTitleBar *>(option);
    if (control != CC_TitleBar || !bar || bar->rect.isEmpty() || !painter->device()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    PictureKey key(QLatin1StringView("rationix-title:"), *bar, *painter);
    for (const qint64 number :
         {qint64(bar->subControls.toInt()), qint64(bar->activeSubControls.toInt()),
          qint64(bar->titleBarState), qint64(bar->titleBarFlags.toInt()), bar->icon.cacheKey()})
        key.add(number);
    key.add(painter->font().key());
    key.add(bar->text);
    QPixmap picture;
    if (!QPixmapCache::find(key.text(), &picture)) {
        picture = emptyPicture(bar->rect.size(), *painter);
        QPainter onPicture(&picture);
        startLike(onPicture, *painter);
        QStyleOptionTitleBar atOrigin(*bar);
        atOrigin.rect.moveTo(0, 0);
        QProxyStyle::drawComplexControl(control, &atOrigin, &onPicture, widget);
        onPicture.end();
        QPixmapCache::insert(key.text(), picture);
    }
    painter->drawPixmap(bar->rect.topLeft(), picture);
}

void WindowFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    const int width = frame ? frame->lineWidth : 0;
    if (element != PE_FrameWindow || !frame || width <= 0 || !painter->device()
        || frame->rect.width() <= 2 * width || frame->rect.height() <= 2 * width) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    PictureKey key(QLatin1StringView("rationix-frame:"), *frame, *painter);
    for (const qint64 number : {qint64(width), qint64(frame->midLineWidth),
                                qint64(frame->features.toInt()), qint64(frame->frameShape)})
        key.add(number);
    const QList<QRect> edges = borderEdges(frame->rect.size(), width);
    QList<QPixmap> pictures(edges.size());
    bool kept = true;
    for (qsizetype i = 0; i < edges.size() && kept; ++i)
        kept = QPixmapCache::find(key.text() + QChar(char16_t(u'0' + i)), &pictures[i]);
    if (!kept) {
        // Drawn whole once, and only its edges kept.
        QPixmap whole = emptyPicture(frame->rect.size(), *painter);
        QPainter onPicture(&whole);
        startLike(onPicture, *painter);
        QStyleOptionFrame atOrigin(*frame);
        atOrigin.rect.moveTo(0, 0);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onPicture, widget);
        onPicture.end();
        const qreal ratio = whole.devicePixelRatio();
        for (qsizetype i = 0; i < edges.size(); ++i) {
            const QRect &edge = edges[i];
            pictures[i] = whole.copy(QRect(edge.topLeft() * ratio, edge.size() * ratio));
            pictures[i].setDevicePixelRatio(ratio);
            QPixmapCache::insert(key.text() + QChar(char16_t(u'0' + i)), pictures[i]);
        }
    }
    for (qsizetype i = 0; i < edges.size(); ++i)
        painter->drawPixmap(frame->rect.topLeft() + edges[i].topLeft(), pictures[i]);
}
