#include "gui/tools/findform.h"

#include "gui/widgets/named.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename Layout> Layout *spaced(Layout *layout, const char *objectName)
{
    layout->setSpacing(5);
    return named(layout, objectName);
}

} // namespace

TFindForm::TFindForm(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setObjectName(QString::fromUtf8(name ? name : "FindForm"));
    setModal(modal);

    FindEdit = named(new QLineEdit(this), "FindEdit");
    MainLayout = spaced(new QHBoxLayout(this), "MainLayout");
    MainLayout->setContentsMargins(11, 11, 11, 11);
    WorkingLayout = spaced(new QVBoxLayout(), "WorkingLayout");
    FindLayout = spaced(new QHBoxLayout(), "FindLayout");
    ButtonsLayout = spaced(new QVBoxLayout(), "ButtonsLayout");
    FindLabel = named(new QLabel(this), "FindLabel");
    WholeCheckBox = named(new QCheckBox(this), "WholeCheckBox");
    FindButton = named(new QPushButton(this), "FindButton");
    CloseButton = named(new QPushButton(this), "CloseButton");

    FindLayout->addWidget(FindLabel);
    FindLayout->addWidget(FindEdit);
    WorkingLayout->addLayout(FindLayout);
    WorkingLayout->addWidget(WholeCheckBox);
    ButtonsLayout->addWidget(FindButton);
    ButtonsLayout->addWidget(CloseButton);
    MainLayout->addLayout(WorkingLayout);
    MainLayout->addLayout(ButtonsLayout);

    FindButton->setEnabled(false);
    LanguageChangeSlot();
}

void TFindForm::LanguageChangeSlot()
{
    setWindowTitle(tr("Найти продукт / группу"));
    FindLabel->setText(tr("Найти:"));
    FindLabel->setBuddy(FindEdit);
    FindEdit->setAccessibleName(tr("Найти"));
    FindEdit->setWhatsThis(
        QObject::tr("Введите в это поле название продукта, который Вы желаете найти в списке."));
    WholeCheckBox->setText(tr("Точное соответствие"));
    FindButton->setText(tr("Поиск"));
    CloseButton->setText(tr("Закрыть"));

    connect(FindEdit, &QLineEdit::textChanged, this, &TFindForm::EnableFindButtonSlot,
            Qt::UniqueConnection);
    connect(FindButton, &QPushButton::clicked, this, &TFindForm::FindSlot, Qt::UniqueConnection);
    connect(FindEdit, &QLineEdit::returnPressed, this, &TFindForm::FindSlot, Qt::UniqueConnection);
    connect(CloseButton, &QPushButton::clicked, this, &TFindForm::close, Qt::UniqueConnection);
}

void TFindForm::FindSlot()
{
    const QString text = FindEdit->text();
    if (WholeCheckBox->isChecked())
        Q_EMIT FindWhole(text);
    else
        Q_EMIT FindPart(text);
}

void TFindForm::EnableFindButtonSlot(const QString &text)
{
    FindButton->setEnabled(!text.isEmpty());
}

void TFindForm::closeEvent(QCloseEvent *event)
{
    Q_EMIT FindDialogClose();
    event->accept();
}

void TFindForm::keyPressEvent(QKeyEvent *event)
{
    // Return in the edit has already started the search through the edit's
    // own signal; no other key does anything here.
    if (event->key() == Qt::Key_Escape) {
        close();
    } else if (event->key() == Qt::Key_Enter && (event->modifiers() & Qt::KeypadModifier)
               && FindButton->isEnabled()) {
        Q_EMIT returnPressed();
    }
}

void TFindForm::selectText()
{
    FindEdit->selectAll();
    FindEdit->setFocus();
}
