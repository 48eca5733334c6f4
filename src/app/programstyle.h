#pragma once

#include <QHash>
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
    // Over a new instance of the style of that name.
    explicit ProgramStyle(const QString &baseName);

    // Makes the application's style a program style over the style it has;
    // returns it, or null when that style cannot be made a second time.
    // Does nothing the second time.
    static ProgramStyle *install();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    mutable QHash<QString, QIcon> m_icons;
};
