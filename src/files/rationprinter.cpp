#include "files/rationprinter.h"

#include "trcontext.h"

#include "dialogs/messagebox.h"
#include "dialogs/printdialog.h"
#include "files/rationpage.h"
#include "files/safewrite.h"

#include <QDir>
#include <QFont>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

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
QTextDocument *rationDocument(QTextDocument *document, const QString &html)
{
    document->setDefaultFont(QFont(QStringLiteral("Helvetica"), 12, QFont::Normal, false));
    document->setHtml(html);
    return document;
}
} // namespace

void RationPrinter::print(QWidget *parent, const Ration &ration)
{
    QTextDocument document;
    printDocument(parent, ration.name, rationDocument(&document, RationPage::printText(ration)));
}

void RationPrinter::printDocument(QWidget *parent, const QString &documentName,
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
    document->print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        const QString target = printer.outputFormat() == QPrinter::PdfFormat
            ? QDir::toNativeSeparators(printer.outputFileName())
            : printer.printerName();
        MessageBox::critical(parent, tr("Ошибка печати"),
                             tr("Не удалось напечатать на «%1».").arg(target));
    }
}
