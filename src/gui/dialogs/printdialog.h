#pragma once

class QPrinter;
class QWidget;

// The print dialog. Tests answer it without showing anything: setNextAnswer
// makes the next call return at once, as if the user had pressed Print
// (true) or Cancel (false), leaving the printer as it was set up.
class PrintDialog
{
public:
    static bool exec(QPrinter *printer, QWidget *parent);
    static void setNextAnswer(bool accepted);
};
