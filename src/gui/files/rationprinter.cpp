#include "gui/files/rationprinter.h"

#include "core/platform/trcontext.h"

#include "core/page/rationpage.h"
#include "core/platform/safewrite.h"
#include "gui/dialogs/messagebox.h"
#include "gui/dialogs/printdialog.h"

#include <QDate>
#include <QDir>
#include <QFont>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextOption>

#include <memory>

TR_CONTEXT(RationPrinter)

void RationPrinter::prepare(QPrinter *printer, const QString &documentName)
{
    printer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    const QString name = SafeWrite::proposedFileName(documentName);
    printer->setDocName(name);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QDir::home().filePath(name + QStringLiteral(".pdf")));
    }
}

namespace {

// Lays a copy of the document out on the printer's own page, inside the
// printer's margins alone, and prints it. The document itself may be the
// one a window shows, so its own layout is left as it is.
void printOnPages(QTextDocument *document, QPrinter *printer)
{
    const std::unique_ptr<QTextDocument> copy(document->clone(document));
    copy->setPageSize(printer->pageLayout().paintRectPixels(printer->resolution()).size());
    copy->print(printer);
}

} // namespace

void RationPrinter::setUpDocument(QTextDocument *document, const QString &html)
{
    document->setDefaultFont(QFont(QStringLiteral("Helvetica"), 12, QFont::Normal, false));
    // Words are broken only where they end, so no column title is split.
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    document->setDefaultTextOption(option);
    document->setHtml(html);
}

void RationPrinter::print(QWidget *parent, const Ration &ration)
{
    QTextDocument document;
    setUpDocument(&document, RationPage::printText(ration, QDate::currentDate()));
    printPages(parent, ration.name, &document);
}

void RationPrinter::preview(QWidget *parent, const Ration &ration)
{
    QTextDocument document;
    setUpDocument(&document, RationPage::printText(ration, QDate::currentDate()));
    previewPages(parent, ration.name, &document);
}

void RationPrinter::previewPages(QWidget *parent, const QString &documentName,
                                 QTextDocument *document)
{
    QPrinter printer(QPrinter::ScreenResolution);
    prepare(&printer, documentName);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintPreviewDialog"));
    dialog.setWindowTitle(tr("Предварительный просмотр"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, document,
                     [document](QPrinter *target) { printOnPages(document, target); });
    dialog.exec();
}

void RationPrinter::printPages(QWidget *parent, const QString &documentName,
                               QTextDocument *document)
{
    QPrinter printer(QPrinter::ScreenResolution);
    prepare(&printer, documentName);
    if (!PrintDialog::exec(&printer, parent)) {
        MessageBox::information(parent, tr("Отмена"), tr("Печать отменена."));
        return;
    }
    if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerName().isEmpty()) {
        MessageBox::critical(parent, tr("Ошибка печати"), tr("Принтер не установлен!"));
        return;
    }
    printOnPages(document, &printer);
    if (printer.printerState() == QPrinter::Error) {
        const QString target = printer.outputFormat() == QPrinter::PdfFormat
            ? QDir::toNativeSeparators(printer.outputFileName())
            : printer.printerName();
        MessageBox::critical(parent, tr("Ошибка печати"),
                             tr("Не удалось напечатать на «%1».").arg(target));
    }
}
