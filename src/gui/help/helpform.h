#pragma once

#include <QDialog>

class QHBoxLayout;
class QPushButton;
class QTextBrowser;
class QVBoxLayout;

// The help window: a browser over the HTML manual, with Back, Home and
// Forward through the pages visited, printing of the page shown, and Close.
// Pages in ".html" files are read as UTF-8.
class THelpForm : public QDialog
{
    Q_OBJECT

public:
    explicit THelpForm(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                       Qt::WindowFlags fl = {});

    QTextBrowser *TextBrowser;
    QVBoxLayout *MainLayout;
    QHBoxLayout *ButtonsLayout;
    QPushButton *HomeButton;
    QPushButton *BackButton;
    QPushButton *ForwardButton;
    QPushButton *PrintButton;
    QPushButton *CloseButton;

protected Q_SLOTS:
    void LanguageChangeSlot();
    // Prints the page shown, on as many sheets as it needs, within the
    // printer's margins.
    void PrintPageSlot();

private:
    QPushButton *addButton(const char *name);
};
