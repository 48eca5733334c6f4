#include "gui/ration/massform.h"

#include "gui/widgets/named.h"

#include "core/ration/massinput.h"
#include "gui/ration/masstextvalidator.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

TMassForm::TMassForm(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setObjectName(QString::fromUtf8(name ? name : "MassForm"));
    setModal(modal);

    MainLayout = named(new QVBoxLayout(this), "MainLayout");
    MainLayout->setContentsMargins(11, 11, 11, 11);
    MainLayout->setSpacing(5);

    ProductLabel = named(new QLabel(this), "ProductLabel");
    // A product's name is its user's text, never markup.
    ProductLabel->setTextFormat(Qt::PlainText);
    ProductLabel->setWordWrap(true);
    ProductLabel->hide();
    MainLayout->addWidget(ProductLabel);

    MassLabel = named(new QLabel(this), "MassLabel");
    MainLayout->addWidget(MassLabel);

    MassEdit = named(new QLineEdit(this), "MassEdit");
    MassEdit->setAlignment(Qt::AlignHCenter);
    // A decimal point or comma whatever the user's locale.
    MassValidator = named(new MassTextValidator(this), "MassValidator");
    MassEdit->setValidator(MassValidator);
    MainLayout->addWidget(MassEdit);

    ReasonLabel = named(new QLabel(this), "ReasonLabel");
    ReasonLabel->setWordWrap(true);
    ReasonLabel->setTextFormat(Qt::PlainText);
    ReasonLabel->hide();
    MainLayout->addWidget(ReasonLabel);

    ButtonsLayout = named(new QHBoxLayout(), "ButtonsLayout");
    ButtonsLayout->setSpacing(5);
    MainLayout->addLayout(ButtonsLayout);
    AddButton = named(new QPushButton(this), "AddButton");
    // Return is handled by the edit, once each press.
    AddButton->setAutoDefault(false);
    ButtonsLayout->addWidget(AddButton);

    LanguageChangeSlot();

    connect(AddButton, &QPushButton::clicked, this, &TMassForm::SubmitSlot);
    connect(MassEdit, &QLineEdit::returnPressed, this, &TMassForm::SubmitSlot);
}

void TMassForm::LanguageChangeSlot()
{
    setWindowTitle(tr("Ввод массы"));
    MassLabel->setText(tr("Введите массу продукта (в граммах)"));
    ProductLabel->setText(tr("Продукт: %1").arg(m_product));
    ProductLabel->setAccessibleName(tr("Продукт"));
    MassEdit->setAccessibleDescription(m_product);
    MassLabel->setBuddy(MassEdit);
    MassEdit->setAccessibleName(tr("Масса продукта в граммах"));
    MassEdit->setWhatsThis(QObject::tr("Введите в это поле массу продукта и нажмите ENTER."));
    AddButton->setText(tr("Ввод"));
    AddButton->setToolTip(QObject::tr("Ввод массы"));
    AddButton->setWhatsThis(QObject::tr("Нажмите кнопку, чтобы ввести массу продукта."));
}

void TMassForm::SubmitSlot()
{
    const MassInput::Reading reading = MassInput::read(MassEdit->text());
    if (reading.ok) {
        m_mass = reading.mass;
        accept();
        return;
    }
    ReasonLabel->setText(reading.why);
    ReasonLabel->show();
    ReasonLabel->setAccessibleDescription(reading.why);
    // A reason wrapped over two lines needs more height than the dialog had.
    MainLayout->activate();
    resize(width(), qMax(height(), heightForWidth(width())));
    MassEdit->selectAll();
    MassEdit->setFocus();
}

void TMassForm::setProduct(const QString &name)
{
    m_product = name;
    ProductLabel->setVisible(!name.isEmpty());
    LanguageChangeSlot();
}
