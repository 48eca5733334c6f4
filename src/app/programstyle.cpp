#include "app/programstyle.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOptionTitleBar>

namespace {

// Everything a title bar's picture depends on: the option's fields, and the
// painter's font and pixel ratio. The numbers go in as raw 16-bit units: the
// key is only ever compared.
QString pictureKey(const QStyleOptionTitleBar &bar, const QPainter &painter)
{
    QString key;
    key.reserve(160 + bar.text.size());
    key += QStringLiteral("rationix-title:");
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
          qint64(qRound(painter.device()->devicePixelRatioF() * 100))})
        add(number);
    // Each window has a palette of its own for its title bar, equal to the
    // others': the colours tell whether two are the same.
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        add(bar.palette.color(QPalette::ColorRole(role)).rgba());
    return key + painter.font().key() + QLatin1Char(':') + bar.text;
}

} // namespace

ProgramStyle::ProgramStyle(const QString &baseName) : QProxyStyle(baseName) { }

ProgramStyle *ProgramStyle::install()
{
    if (auto *installed = qobject_cast<ProgramStyle *>(QApplication::style()))
        return installed;
    const QString name = QApplication::style()->name();
    if (!QStyleFactory::keys().contains(name, Qt::CaseInsensitive))
        return nullptr;
    auto *style = new ProgramStyle(name);
    QApplication::setStyle(style);
    return style;
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionTitleBar *>(option);
    if (control != CC_TitleBar || !bar || bar->rect.isEmpty() || !painter->device()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QString key = pictureKey(*bar, *painter);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        const qreal ratio = painter->device()->devicePixelRatioF();
        picture = QPixmap(bar->rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter onPicture(&picture);
        onPicture.setFont(painter->font());
        onPicture.setPen(painter->pen());
        onPicture.setBrush(painter->brush());
        onPicture.setLayoutDirection(painter->layoutDirection());
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
    // direction, the palette and the icon theme.
    if (option)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    const Qt::LayoutDirection direction =
        widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
    const QPalette palette = widget ? widget->palette() : QGuiApplication::palette();
    const QString key = QString::number(standardIcon) + QLatin1Char('/')
        + QString::number(direction) + QLatin1Char('/') + QString::number(palette.cacheKey())
        + QLatin1Char('/') + QIcon::themeName();
    auto kept = m_icons.constFind(key);
    if (kept == m_icons.cend())
        kept = m_icons.insert(key, QProxyStyle::standardIcon(standardIcon, option, widget));
    return *kept;
}
