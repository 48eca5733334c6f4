#pragma once

#include "core/ration/carddata.h"
#include "core/ration/ration.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextBrowser;
class RationEditor;

// A ration window's technological card: the card's own data to edit (its
// number, date, batch and technology), and the card itself as it prints,
// which follows the ration while the dialog is open. The data typed is
// taken as one undoable step of the ration (Apply, OK), and before the card
// is printed or saved; what cannot be taken is refused with a message
// naming the field, and the dialog stays open.
class TechCardDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TechCardDialog(RationEditor *editor, QWidget *parent = nullptr);

    // Takes the data as typed; false, after saying why, when it is refused.
    bool apply();
    // The card as the view shows it: the ration with the data typed, as far
    // as it can be taken, else as the ration keeps it.
    QString html() const;

    void print();
    void previewPrint();
    // Saves the card as an HTML page, asking where.
    void saveAs();

    QLineEdit *NumberEdit;
    QCheckBox *DateCheck;
    QDateEdit *DateEdit;
    QLineEdit *BatchEdit;
    QPlainTextEdit *TechnologyEdit;
    QTextBrowser *CardView;
    QPushButton *PrintButton;
    QPushButton *PreviewButton;
    QPushButton *SaveButton;
    QPushButton *ApplyButton;

public Q_SLOTS:
    void accept() override;

private Q_SLOTS:
    // The ration's card data in the fields, as the ration keeps it now.
    void showData();
    // The card shown anew, once for every change of the ration or the
    // fields made in one go.
    void showCardLater();
    void showCard();

private:
    // The data as typed; its problems() say what of it cannot be taken.
    CardData typed() const;
    Ration ration() const;

    RationEditor *m_editor;
    bool m_showPending = false;
};
