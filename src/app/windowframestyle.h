#pragma once

#include <QProxyStyle>

// The style of the workspace's window frames: the application's own style,
// with each title bar and frame border it draws kept as pictures and drawn
// again while nothing they show has changed. Each time a window is
// activated, the workspace repaints the title bar and border of every open
// window, though only two of them change.
class WindowFrameStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Over a new instance of the style of that name.
    explicit WindowFrameStyle(const QString &baseName);

    // One for the process, over the application's style; null when that
    // style cannot be made a second time.
    static WindowFrameStyle *shared();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
