#pragma once

#include <QProxyStyle>

// The style of the workspace's window frames: the application's own style,
// with each title bar it draws kept as a picture and drawn again while
// nothing it shows has changed. Each time a window is activated, the
// workspace repaints the title bar of every open window, though only two
// of them change.
class TitleBarStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Over a new instance of the style of that name.
    explicit TitleBarStyle(const QString &baseName);

    // One for the process, over the application's style; null when that
    // style cannot be made a second time.
    static TitleBarStyle *shared();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
};
