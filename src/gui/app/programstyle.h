#pragma once

#include <QCache>
#include <QIcon>
#include <QProxyStyle>

// The program's style: the style the application would have, with two
// things kept rather than made again each time.
// - Each window title bar it draws, as a picture drawn again while nothing
//   it shows has changed: each time a window is activated, the workspace
//   repaints the title bar of every open window, though only two change.
// - The standard icons: every window frame asks for five of them as it is
//   made, and each is read from its file and its format probed again.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Over that style, which it takes over.
    explicit ProgramStyle(QStyle *base);

    // Makes the application's style a program style over the style it has;
    // returns it, or null under a style sheet, which brings a style of its
    // own. Does nothing the second time.
    static ProgramStyle *install();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    // Tells this style's pictures from those of an earlier one.
    const QString m_pictureKey;
    mutable QCache<QString, QIcon> m_icons{64};
};
