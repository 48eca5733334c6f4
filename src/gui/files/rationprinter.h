#pragma once

#include "core/ration/ration.h"

class QPrinter;
class QTextDocument;
class QWidget;

// Printing a ration: the print dialog, then the ration's table laid out on
// as many pages as it needs, within the printer's margins.
class RationPrinter
{
public:
    // Asks and prints; reports a cancelled dialog, a missing printer and a
    // failed job in message boxes.
    static void print(QWidget *parent, const Ration &ration);
    // Shows the printout of the ration page by page, from where it can be
    // printed as well.
    static void preview(QWidget *parent, const Ration &ration);

    // The same for any document, a ration's or a help page: the dialog,
    // then every page of the document.
    static void printPages(QWidget *parent, const QString &documentName, QTextDocument *document);
    static void previewPages(QWidget *parent, const QString &documentName, QTextDocument *document);

    // Gives a document the printout's font and wrapping and the HTML.
    static void setUpDocument(QTextDocument *document, const QString &html);

    // Prepares a printer: PDF output into the home folder when the machine
    // has no printer, so that printing to a file works.
    static void prepare(QPrinter *printer, const QString &documentName);
};
