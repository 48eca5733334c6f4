#include "gui/files/tableclipboard.h"

#include "core/page/figuretable.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>

void TableClipboard::put(const FigureTable &table)
{
    const QString point = QLocale().decimalPoint();
    const QChar decimalPoint = point.isEmpty() ? QLatin1Char('.') : point.front();
    auto *data = new QMimeData;
    data->setText(table.tabText(decimalPoint));
    data->setHtml(table.html(decimalPoint));
    QGuiApplication::clipboard()->setMimeData(data);
}
