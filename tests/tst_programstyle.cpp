// The program's style: title bars drawn again from their kept pictures and
// standard icons given again from those kept look as the style underneath
// draws and makes them.

#include "gui/app/programstyle.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionTitleBar>
#include <QTest>

namespace {

// A title bar drawn by the style on a grey ground, as a frame draws it.
QImage drawnTitleBar(const QStyle *style, const QStyleOptionTitleBar &bar, const QFont &font,
                     const QBrush &brush = Qt::NoBrush)
{
    QImage image(bar.rect.size() + QSize(8, 8), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setBrush(brush);
    style->drawComplexControl(QStyle::CC_TitleBar, &bar, &painter);
    return image;
}

// Whether two pictures differ in no channel by more than rounding.
bool alike(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > 2 || qAbs(qGreen(p) - qGreen(q)) > 2
                || qAbs(qBlue(p) - qBlue(q)) > 2 || qAbs(qAlpha(p) - qAlpha(q)) > 2)
                return false;
        }
    }
    return true;
}

} // namespace

class TestProgramStyle : public QObject
{
    Q_OBJECT

    ProgramStyle *kept = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        kept = ProgramStyle::install();
        QVERIFY(kept);
    }

    // A title bar drawn again from its kept picture looks as the style
    // draws it, after any one thing it shows has changed since.
    void titleBarPictures_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *change : {"nothing", "active", "title", "width", "hover on close",
                                   "highlight colour", "font", "painter brush"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }
    void titleBarPictures()
    {
        QFETCH(QString, change);
        QPixmapCache::clear();
        QMdiSubWindow frame;
        frame.setWindowTitle(QStringLiteral("Без имени"));
        QStyleOptionTitleBar bar;
        bar.initFrom(&frame);
        bar.rect = QRect(4, 4, 400, 22);
        bar.text = frame.windowTitle();
        bar.subControls = QStyle::SC_All;
        bar.titleBarFlags = frame.windowFlags();
        QFont font = frame.font();
        QBrush brush;
        drawnTitleBar(kept, bar, font);

        if (change == QLatin1String("active")) {
            bar.state |= QStyle::State_Active;
            bar.titleBarState |= QStyle::State_Active;
        } else if (change == QLatin1String("title")) {
            bar.text = QStringLiteral("Обед");
        } else if (change == QLatin1String("width")) {
            bar.rect.setWidth(300);
        } else if (change == QLatin1String("hover on close")) {
            bar.state |= QStyle::State_MouseOver;
            bar.activeSubControls = QStyle::SC_TitleBarCloseButton;
        } else if (change == QLatin1String("highlight colour")) {
            bar.state |= QStyle::State_Active;
            bar.titleBarState |= QStyle::State_Active;
            drawnTitleBar(kept, bar, font);
            bar.palette.setColor(QPalette::Highlight, Qt::darkGreen);
        } else if (change == QLatin1String("font")) {
            font.setPointSize(font.pointSize() + 4);
        } else if (change == QLatin1String("painter brush")) {
            brush = QBrush(Qt::red);
        }
        const QImage fromPicture = drawnTitleBar(kept, bar, font, brush);
        QVERIFY(alike(fromPicture, drawnTitleBar(kept->baseStyle(), bar, font, brush)));
    }

    // A standard icon given again looks as the style makes it, whatever the
    // program's direction and the widget's have become since it was kept.
    void standardIcons_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("widgetRightToLeft");
        QTest::addColumn<bool>("programRightToLeft");
        QTest::newRow("close") << int(QStyle::SP_TitleBarCloseButton) << false << false;
        QTest::newRow("clear") << int(QStyle::SP_LineEditClearButton) << false << false;
        QTest::newRow("back") << int(QStyle::SP_ArrowBack) << false << false;
        QTest::newRow("back, program turned") << int(QStyle::SP_ArrowBack) << false << true;
        QTest::newRow("back, widget turned") << int(QStyle::SP_ArrowBack) << true << false;
        QTest::newRow("back, both turned") << int(QStyle::SP_ArrowBack) << true << true;
    }
    void standardIcons()
    {
        QFETCH(int, icon);
        QFETCH(bool, widgetRightToLeft);
        QFETCH(bool, programRightToLeft);
        QWidget widget;
        const auto standard = QStyle::StandardPixmap(icon);
        kept->standardIcon(standard, nullptr, &widget);
        widget.setLayoutDirection(widgetRightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QGuiApplication::setLayoutDirection(programRightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const QImage given = kept->standardIcon(standard, nullptr, &widget).pixmap(16).toImage();
        const QImage made =
            kept->baseStyle()->standardIcon(standard, nullptr, &widget).pixmap(16).toImage();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(given, made);
    }
};

QTEST_MAIN(TestProgramStyle)
#include "tst_programstyle.moc"
