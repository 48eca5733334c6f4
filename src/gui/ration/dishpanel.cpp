#include "gui/ration/dishpanel.h"

#include "core/nutrition/figuretext.h"
#include "core/nutrition/numbertext.h"
#include "core/nutrition/nutrients.h"
#include "core/ration/dish.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/columnstrip.h"
#include "gui/tools/energybar.h"
#include "gui/widgets/hoverselect.h"
#include "gui/widgets/wraplabel.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

QLabel *valueLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    HoverSelect::enableOn(label);
    return label;
}

} // namespace

DishPanel::DishPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DishPanel"));
    auto *mainLayout = new QVBoxLayout(this);
    mainLayout->setObjectName(QStringLiteral("DishLayout"));
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(5);
    // What only a dish needs, which can be folded away; the energy
    // structure below stays.
    m_details = new QWidget(this);
    m_details->setObjectName(QStringLiteral("DishDetails"));
    m_details->setAccessibleName(tr("Блюдо"));
    auto *detailsLayout = new QVBoxLayout(m_details);
    detailsLayout->setObjectName(QStringLiteral("DishDetailsLayout"));
    detailsLayout->setContentsMargins(0, 0, 0, 0);
    detailsLayout->setSpacing(5);
    mainLayout->addWidget(m_details);
    auto *inputLayout = new QHBoxLayout();
    inputLayout->setObjectName(QStringLiteral("DishInputLayout"));
    inputLayout->setSpacing(5);
    detailsLayout->addLayout(inputLayout);
    m_valuesStrip = new ColumnStrip(1 + Ration::TotalCount, m_details);
    m_valuesStrip->setObjectName(QStringLiteral("DishValuesStrip"));
    m_valuesStrip->setBandName(tr("Значения блюда"));
    auto *layout = m_valuesLayout = m_valuesStrip->grid();
    layout->setObjectName(QStringLiteral("DishValuesLayout"));
    layout->setVerticalSpacing(5);
    detailsLayout->addWidget(m_valuesStrip);

    auto *yieldLabel = new QLabel(tr("Выход готового блюда, г:"), this);
    yieldLabel->setObjectName(QStringLiteral("YieldLabel"));
    m_yieldEdit = new QLineEdit(this);
    m_yieldEdit->setObjectName(QStringLiteral("YieldEdit"));
    m_yieldEdit->setAccessibleName(tr("Выход готового блюда, г"));
    m_yieldEdit->setPlaceholderText(tr("масса продуктов"));
    m_yieldEdit->setToolTip(tr("Масса блюда после приготовления; пусто — сумма масс продуктов"));
    m_yieldEdit->setMaximumWidth(m_yieldEdit->fontMetrics().horizontalAdvance(QLatin1Char('0'))
                                 * 16);
    yieldLabel->setBuddy(m_yieldEdit);
    auto *portionsLabel = new QLabel(tr("Порций:"), this);
    portionsLabel->setObjectName(QStringLiteral("PortionsLabel"));
    m_portionsSpin = new QSpinBox(this);
    m_portionsSpin->setObjectName(QStringLiteral("PortionsSpin"));
    m_portionsSpin->setAccessibleName(tr("Порций"));
    m_portionsSpin->setRange(1, Dish::MaxPortions);
    portionsLabel->setBuddy(m_portionsSpin);
    // A cook weighs what is bought: the rows' waste and gross mass.
    m_wasteCheck = new QCheckBox(tr("Отходы и брутто"), this);
    m_wasteCheck->setObjectName(QStringLiteral("WasteCheck"));
    m_wasteCheck->setAccessibleName(tr("Отходы и брутто"));
    m_fitLabel = new WrapLabel(this);
    m_fitLabel->setObjectName(QStringLiteral("YieldFitLabel"));
    QPalette warning = m_fitLabel->palette();
    warning.setColor(QPalette::WindowText, QColor(0xc0, 0x10, 0x10));
    m_fitLabel->setPalette(warning);
    inputLayout->addWidget(yieldLabel);
    inputLayout->addWidget(m_yieldEdit);
    inputLayout->addWidget(portionsLabel);
    inputLayout->addWidget(m_portionsSpin);
    inputLayout->addWidget(m_wasteCheck);
    inputLayout->addWidget(m_fitLabel, 1);

    QStringList captions{tr("Масса")};
    for (const Nutrients::Nutrient &nutrient : Nutrients::all())
        captions.append(tr(nutrient.columnTitle));
    const QString rowNames[] = {tr("На 100 г"), tr("На порцию")};
    QList<QLabel *> *rows[] = {&m_per100g, &m_perPortion};
    QFont bold = font();
    bold.setBold(true);
    for (int r = 0; r < 2; ++r) {
        auto *rowLabel = new QLabel(rowNames[r], this);
        rowLabel->setFont(bold);
        rowLabel->setObjectName(r == 0 ? QStringLiteral("Per100gLabel")
                                       : QStringLiteral("PerPortionLabel"));
        rowLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        layout->addWidget(rowLabel, r, 0);
        m_rowTitles.append(rowLabel);
        for (int c = 0; c < captions.size(); ++c) {
            QLabel *value = valueLabel(this, rowLabel->objectName() + QString::number(c));
            value->setAccessibleName(rowNames[r] + QStringLiteral(": ") + captions[c]);
            m_valuesStrip->addCell(value, r, c + 1);
            rows[r]->append(value);
        }
    }
    m_energyBar = new EnergyBar(this);
    mainLayout->addWidget(m_energyBar);

    connect(m_yieldEdit, &QLineEdit::editingFinished, this, &DishPanel::takeYield);
    connect(m_portionsSpin, &QSpinBox::valueChanged, this, &DishPanel::takePortions);
    connect(m_wasteCheck, &QCheckBox::toggled, this, &DishPanel::wasteShown);
    setRowTitleWidth(rowTitleWidth());
    showValues();
}

// The yield edit, losing the focus while it is being destroyed with the
// panel, still reports editing finished: by then the panel is gone.
DishPanel::~DishPanel() { m_yieldEdit->disconnect(this); }

void DishPanel::setTotals(const QStringList &totals)
{
    m_totals = totals;
    m_energyBar->setTotals(totals);
    showValues();
}

int DishPanel::rowTitleWidth() const
{
    int width = 0;
    for (const QLabel *title : m_rowTitles)
        width = std::max(width,
                         title->fontMetrics().horizontalAdvance(title->text()) + 2 * title->margin()
                             + 2 * title->frameWidth());
    return width;
}

void DishPanel::setRowTitleWidth(int width) { m_valuesLayout->setColumnMinimumWidth(0, width); }

void DishPanel::setFolded(bool folded) { m_details->setVisible(!folded); }

bool DishPanel::isFolded() const { return m_details->isHidden(); }

int DishPanel::portions() const { return m_portionsSpin->value(); }

bool DishPanel::showsWaste() const { return m_wasteCheck->isChecked(); }

void DishPanel::setShowsWaste(bool shown)
{
    const QSignalBlocker blocker(m_wasteCheck);
    m_wasteCheck->setChecked(shown);
}

void DishPanel::setDish(const QString &yieldText, int portions)
{
    m_yield = Dish::acceptsYield(yieldText) ? NumberText::keptText(yieldText) : QString();
    const QSignalBlocker blocker(m_portionsSpin);
    m_portionsSpin->setValue(portions);
    m_yieldEdit->setText(m_yield);
    showValues();
}

QStringList DishPanel::per100gTexts() const { return textsOf(m_per100g); }

QStringList DishPanel::perPortionTexts() const { return textsOf(m_perPortion); }

QStringList DishPanel::textsOf(const QList<QLabel *> &labels)
{
    QStringList texts;
    for (const QLabel *label : labels)
        texts.append(label->text());
    return texts;
}

// A refused yield is put back to the last one taken before the message is
// shown, so that the edit losing focus to the message finds nothing new.
void DishPanel::takeYield()
{
    if (m_refusing)
        return;
    QString typed = m_yieldEdit->text().trimmed();
    if (!typed.isEmpty()) {
        const Dish::YieldCheck check = Dish(m_totals).checkYieldText(typed);
        if (check != Dish::YieldCheck::Ok) {
            m_yieldEdit->setText(m_yield);
            m_refusing = true;
            MessageBox::warning(this, tr("Выход готового блюда"), refusal(int(check)));
            m_refusing = false;
            m_yieldEdit->setFocus();
            m_yieldEdit->selectAll();
            return;
        }
        typed = NumberText::keptText(typed);
    }
    m_yieldEdit->setText(typed);
    if (typed == m_yield)
        return;
    m_yield = typed;
    showValues();
    Q_EMIT dishChanged();
}

void DishPanel::takePortions()
{
    showValues();
    Q_EMIT dishChanged();
}

QString DishPanel::refusal(int check) const
{
    switch (Dish::YieldCheck(check)) {
    case Dish::YieldCheck::NotANumber:
        return tr("Выход должен быть числом граммов, например 450 или 450,5.");
    case Dish::YieldCheck::NotPositive: return tr("Выход должен быть больше нуля.");
    case Dish::YieldCheck::TooLarge: return tr("Выход не может быть больше 1 000 000 г.");
    default:
        return tr("Выход не может быть меньше %1 г: столько весят продукты без воды.")
            .arg(FigureText::gramsAtLeast(Dish(m_totals).smallestYield()));
    }
}

void DishPanel::showValues()
{
    const Dish dish(m_totals, m_yield, portions());
    const QStringList values[] = {dish.shownPer100g(), dish.shownPerPortion()};
    const QList<QLabel *> *rows[] = {&m_per100g, &m_perPortion};
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < rows[r]->size(); ++c)
            rows[r]->at(c)->setText(values[r].value(c));
    }
    m_fitLabel->setText(
        dish.yieldFits() ? QString()
                         : tr("Выход меньше, чем весят продукты без воды (%1 г): увеличьте выход.")
                               .arg(FigureText::gramsAtLeast(dish.smallestYield())));
}
