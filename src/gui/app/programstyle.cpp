#include "gui/app/programstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionTitleBar>

namespace {

// Everything a title bar's picture depends on: the option's fields, and the
// painter's font, pen, hints and pixel ratio. The numbers go in as raw
// 16-bit units: the key is only ever compared.
QString pictureKey(const QString &prefix, const QStyleOptionTitleBar &bar, const QPainter &painter)
{
    QString key;
    key.reserve(192 + bar.text.size());
    key += prefix;
    const auto add = [&key](qint64 number) {
        const quint64 bits = quint64(number);
        const char16_t units[] = {char16_t(bits), char16_t(bits >> 16), char16_t(bits >> 32),
                                  char16_t(bits >> 48)};
        key += QStringView(units, 4);
    };
    for (const qint64 number :
         {qint64(bar.rect.width()), qint64(bar.rect.height()), qint64(bar.state.toInt()),
          qint64(bar.direction), qint64(bar.subControls.toInt()),
          qint64(bar.activeSubControls.toInt()), qint64(bar.titleBarState),
          qint64(bar.titleBarFlags.toInt()), qint64(bar.palette.currentColorGroup()),
          bar.icon.cacheKey(), qint64(painter.layoutDirection()),
          qint64(painter.renderHints().toInt()), qint64(painter.pen().color().rgba()),
          qint64(qRound(painter.device()->devicePixelRatioF() * 100))})
        add(number);
    // Each window has a palette of its own for its title bar, equal to the
    // others': the colours tell whether two are the same.
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        add(bar.palette.color(QPalette::ColorRole(role)).rgba());
    return key + painter.font().key() + QLatin1Char(':') + bar.text;
}

// Whether a picture drawn at the origin with a fresh painter, then drawn at
// the place, looks as drawing there directly would.
bool pictureFits(const QPainter &painter)
{
    return painter.device() && painter.opacity() == 1.0 && painter.brush().style() == Qt::NoBrush
        && painter.compositionMode() == QPainter::CompositionMode_SourceOver
        && painter.worldTransform().type() <= QTransform::TxTranslate;
}

int nextStyleNumber()
{
    static int made = 0;
    return ++made;
}

} // namespace

ProgramStyle::ProgramStyle(QStyle *base)
    : QProxyStyle(base), m_pictureKey(QStringLiteral("rationix-title-%1:").arg(nextStyleNumber()))
{ }

ProgramStyle *ProgramStyle::install()
{
    if (auto *installed = qobject_cast<ProgramStyle *>(QApplication::style()))
        return installed;
    if (!qApp->styleSheet().isEmpty())
        return nullptr;
    auto *style = new ProgramStyle(QApplication::style());
    QApplication::setStyle(style);
    return style;
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionTitleBar *>(option);
    if (control != CC_TitleBar || !bar || bar->rect.isEmpty() || !pictureFits(*painter)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QString key = pictureKey(m_pictureKey, *bar, *painter);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        const qreal ratio = painter->device()->devicePixelRatioF();
        picture = QPixmap(bar->rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter onPicture(&picture);
        onPicture.setFont(painter->font());
        onPicture.setPen(painter->pen());
        onPicture.setLayoutDirection(painter->layoutDirection());
        onPicture.setRenderHints(painter->renderHints());
        QStyleOptionTitleBar atOrigin(*bar);
        atOrigin.rect.moveTo(0, 0);
        QProxyStyle::drawComplexControl(control, &atOrigin, &onPicture, widget);
        onPicture.end();
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(bar->rect.topLeft(), picture);
}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    // An option may carry anything; without one, an icon depends on the
    // program's direction, the palette and the icon theme.
    if (option)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    const QPalette palette = widget ? widget->palette() : QGuiApplication::palette();
    const QString key = QString::number(standardIcon) + QLatin1Char('/')
        + QString::number(QGuiApplication::layoutDirection()) + QLatin1Char('/')
        + QString::number(palette.cacheKey()) + QLatin1Char('/') + QIcon::themeName();
    if (const QIcon *kept = m_icons.object(key))
        return *kept;
    QIcon icon = QProxyStyle::standardIcon(standardIcon, option, widget);
    m_icons.insert(key, new QIcon(icon));
    return icon;
}
