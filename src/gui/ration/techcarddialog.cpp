#include "gui/ration/techcarddialog.h"

#include "core/kitchen/techcard.h"
#include "core/page/techcardpage.h"
#include "core/ration/rationmodel.h"
#include "gui/dialogs/messagebox.h"
#include "gui/files/pagesaver.h"
#include "gui/files/rationprinter.h"
#include "gui/ration/rationeditor.h"
#include "gui/widgets/named.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

TechCardDialog::TechCardDialog(RationEditor *editor, QWidget *parent)
    : QDialog(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("TechCardDialog"));
    setWindowTitle(tr("Технологическая карта"));
    auto *fields = new QWidget(this);
    auto *form = new QFormLayout(fields);

    NumberEdit = named(new QLineEdit(fields), "NumberEdit");
    NumberEdit->setAccessibleName(CardData::numberField());
    // One more than is kept, so that a number too long is refused with the reason.
    NumberEdit->setMaxLength(int(CardData::MaxNumberLength) + 1);
    form->addRow(tr("&Номер карты:"), NumberEdit);

    auto *dateRow = new QHBoxLayout;
    DateCheck = named(new QCheckBox(tr("&Дата:"), fields), "DateCheck");
    DateCheck->setAccessibleName(tr("Карта с датой"));
    DateEdit = named(new QDateEdit(QDate::currentDate(), fields), "DateEdit");
    DateEdit->setAccessibleName(CardData::dateField());
    DateEdit->setCalendarPopup(true);
    DateEdit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dateRow->addWidget(DateEdit);
    dateRow->addStretch();
    form->addRow(DateCheck, dateRow);

    BatchEdit = named(new QLineEdit(fields), "BatchEdit");
    BatchEdit->setAccessibleName(CardData::batchField());
    form->addRow(tr("&Количество порций для закладки:"), BatchEdit);

    TechnologyEdit = named(new QPlainTextEdit(fields), "TechnologyEdit");
    TechnologyEdit->setAccessibleName(CardData::technologyField());
    TechnologyEdit->setTabChangesFocus(true);
    // The text takes the pane's whole width, its caption above it.
    auto *technologyLabel = new QLabel(tr("&Технология приготовления:"), fields);
    technologyLabel->setBuddy(TechnologyEdit);
    form->addRow(technologyLabel);
    form->addRow(TechnologyEdit);

    CardView = named(new QTextBrowser(this), "CardView");
    CardView->setAccessibleName(tr("Технологическая карта"));
    CardView->setOpenLinks(false);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(fields);
    splitter->addWidget(CardView);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({400, 600});

    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("ОК"));
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    ApplyButton = named(buttons->button(QDialogButtonBox::Apply), "ApplyButton");
    ApplyButton->setText(tr("Применить"));
    PrintButton =
        named(buttons->addButton(tr("&Печать…"), QDialogButtonBox::ActionRole), "PrintButton");
    PreviewButton =
        named(buttons->addButton(tr("Предварительный &просмотр"), QDialogButtonBox::ActionRole),
              "PreviewButton");
    SaveButton =
        named(buttons->addButton(tr("&Сохранить как страницу…"), QDialogButtonBox::ActionRole),
              "SaveButton");
    for (QAbstractButton *button : buttons->buttons())
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("CloseButton"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);
    resize(1000, 600);

    connect(buttons, &QDialogButtonBox::accepted, this, &TechCardDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TechCardDialog::reject);
    connect(ApplyButton, &QPushButton::clicked, this, &TechCardDialog::apply);
    connect(PrintButton, &QPushButton::clicked, this, &TechCardDialog::print);
    connect(PreviewButton, &QPushButton::clicked, this, &TechCardDialog::previewPrint);
    connect(SaveButton, &QPushButton::clicked, this, &TechCardDialog::saveAs);
    connect(DateCheck, &QCheckBox::toggled, DateEdit, &QWidget::setEnabled);

    const RationModel *model = m_editor->model();
    connect(model, &RationModel::cardChanged, this, &TechCardDialog::showData);
    for (const auto change :
         {&RationModel::totalsChanged, &RationModel::dishChanged, &RationModel::cardChanged})
        connect(model, change, this, &TechCardDialog::showCardLater);
    connect(model, &RationModel::nameChanged, this, &TechCardDialog::showCardLater);
    connect(NumberEdit, &QLineEdit::textChanged, this, &TechCardDialog::showCardLater);
    connect(BatchEdit, &QLineEdit::textChanged, this, &TechCardDialog::showCardLater);
    connect(DateCheck, &QCheckBox::toggled, this, &TechCardDialog::showCardLater);
    connect(DateEdit, &QDateEdit::dateChanged, this, &TechCardDialog::showCardLater);
    connect(TechnologyEdit, &QPlainTextEdit::textChanged, this, &TechCardDialog::showCardLater);
    showData();
    showCard();
}

void TechCardDialog::showData()
{
    const CardData &card = m_editor->model()->card();
    NumberEdit->setText(card.number);
    DateCheck->setChecked(card.date.isValid());
    DateEdit->setEnabled(card.date.isValid());
    if (card.date.isValid())
        DateEdit->setDate(card.date);
    BatchEdit->setText(QString::number(card.batch));
    if (TechnologyEdit->toPlainText() != card.technology)
        TechnologyEdit->setPlainText(card.technology);
}

CardData TechCardDialog::typed() const
{
    CardData card;
    card.number = NumberEdit->text().trimmed();
    if (DateCheck->isChecked())
        card.date = DateEdit->date();
    const CardData::BatchReading batch = CardData::readBatch(BatchEdit->text());
    // A batch that cannot be taken is one problems() names.
    card.batch = batch.ok ? batch.batch : 0;
    card.technology = TechnologyEdit->toPlainText();
    return card;
}

bool TechCardDialog::apply()
{
    const CardData card = typed();
    QString why;
    if (!m_editor->changeCard(card, &why)) {
        MessageBox::warning(this, windowTitle(), why);
        return false;
    }
    return true;
}

void TechCardDialog::accept()
{
    if (apply())
        QDialog::accept();
}

Ration TechCardDialog::ration() const
{
    const RationModel *model = m_editor->model();
    Ration shown = model->ration();
    // A ration without rows is written as one empty row, which is no product.
    if (model->isBlank())
        shown.rows.clear();
    return shown;
}

QString TechCardDialog::html() const
{
    const CardData card = typed();
    const Ration shown = ration();
    return TechCardPage::html(shown, TechCard(card.problems().isEmpty() ? card : shown.card),
                              m_editor->wastes());
}

void TechCardDialog::showCardLater()
{
    if (m_showPending)
        return;
    m_showPending = true;
    QTimer::singleShot(0, this, &TechCardDialog::showCard);
}

void TechCardDialog::showCard()
{
    m_showPending = false;
    const int scrolled = CardView->verticalScrollBar()->value();
    CardView->setHtml(html());
    CardView->verticalScrollBar()->setValue(scrolled);
}

void TechCardDialog::print()
{
    if (!apply())
        return;
    QTextDocument document;
    RationPrinter::setUpDocument(&document, html());
    RationPrinter::printPages(this, ration().name, &document);
}

void TechCardDialog::previewPrint()
{
    if (!apply())
        return;
    QTextDocument document;
    RationPrinter::setUpDocument(&document, html());
    RationPrinter::previewPages(this, ration().name, &document);
}

void TechCardDialog::saveAs()
{
    if (!apply())
        return;
    PageSaver::save(this, tr("Сохранить технологическую карту"),
                    tr("%1 — технологическая карта").arg(ration().name), html());
}
