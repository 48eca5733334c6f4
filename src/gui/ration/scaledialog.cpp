#include "gui/ration/scaledialog.h"

#include "core/nutrition/figuretext.h"
#include "core/nutrition/numbertext.h"
#include "gui/ration/masstextvalidator.h"
#include "gui/widgets/named.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

ScaleDialog::ScaleDialog(const QString &totalMass, const QString &totalEnergy, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ScaleDialog"));
    setWindowTitle(tr("Масштабировать рацион"));
    auto *layout = named(new QVBoxLayout(this), "ScaleLayout");
    auto *now =
        named(new QLabel(tr("Сейчас в рационе: %1 г, %2 ккал.")
                             .arg(FigureText::grams(double(NumberText::parse(totalMass))),
                                  FigureText::kilocalories(double(NumberText::parse(totalEnergy)))),
                         this),
              "ScaleTotalsLabel");
    layout->addWidget(now);
    m_dishLabel = named(new QLabel(this), "ScaleDishLabel");
    m_dishLabel->hide();
    layout->addWidget(m_dishLabel);

    m_modes = new QButtonGroup(this);
    const struct {
        RationScale::Mode mode;
        const char *objectName;
        QString text;
    } choices[] = {
        {RationScale::Mode::Factor, "ScaleFactorRadio", tr("&Умножить все массы на число")},
        {RationScale::Mode::TotalMass, "ScaleMassRadio", tr("Привести &массу рациона к, г")},
        {RationScale::Mode::TotalEnergy, "ScaleEnergyRadio",
         tr("Привести &энергию рациона к, ккал")},
        {RationScale::Mode::Portions, "ScalePortionsRadio",
         tr("Пересчитать &на N порций (порция того же размера)")},
        {RationScale::Mode::Yield, "ScaleYieldRadio", tr("Привести к &выходу готового блюда, г")},
    };
    for (const auto &choice : choices) {
        auto *radio = named(new QRadioButton(choice.text, this), choice.objectName);
        radio->setAccessibleName(QString(choice.text).remove(QLatin1Char('&')));
        m_modes->addButton(radio, int(choice.mode));
        layout->addWidget(radio);
    }
    m_modes->button(int(RationScale::Mode::Factor))->setChecked(true);

    auto *valueLabel = named(new QLabel(tr("&Число:"), this), "ScaleValueLabel");
    m_valueEdit = named(new QLineEdit(this), "ScaleValueEdit");
    m_valueEdit->setAccessibleName(tr("Множитель или целевое значение"));
    m_valueEdit->setValidator(new MassTextValidator(m_valueEdit));
    valueLabel->setBuddy(m_valueEdit);
    auto *form = new QFormLayout();
    form->addRow(valueLabel, m_valueEdit);
    layout->addLayout(form);

    auto *buttons =
        named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this),
              "ScaleButtons");
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Масштабировать"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("Масштабировать"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A new choice asks for a new number.
    connect(m_modes, &QButtonGroup::idClicked, this, [this] { m_valueEdit->setFocus(); });
    m_valueEdit->setFocus();
    // The title bar shows the whole title, whatever the style's font for it.
    setMinimumWidth(
        std::max(sizeHint().width(), fontMetrics().horizontalAdvance(windowTitle()) * 3 / 2 + 150));
}

void ScaleDialog::setDish(double yield, int portions)
{
    m_dishLabel->setText(tr("Выход готового блюда: %1 г, порций: %2, порция: %3 г.")
                             .arg(FigureText::grams(yield))
                             .arg(portions)
                             .arg(FigureText::grams(yield / std::max(1, portions))));
    m_dishLabel->show();
}

RationScale::Mode ScaleDialog::mode() const { return RationScale::Mode(m_modes->checkedId()); }

QString ScaleDialog::typed() const { return m_valueEdit->text(); }
