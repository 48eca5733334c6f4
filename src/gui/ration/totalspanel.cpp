#include "gui/ration/totalspanel.h"

#include "core/nutrition/nutrients.h"
#include "core/ration/ration.h"
#include "gui/ration/centralwidget.h"
#include "gui/widgets/hoverselect.h"
#include "gui/widgets/named.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include <array>

namespace {

// The labels keep the names of the window's members that hold them.
constexpr std::array<const char *, Nutrients::Count> LabelNames = {"Water", "Protein", "Fat",
                                                                   "Carbohydrates", "Calories"};

} // namespace

TotalsPanel::TotalsPanel(QWidget *parent) : ColumnStrip(Ration::ColumnCount, parent)
{
    setObjectName(QStringLiteral("TotalsStrip"));
    grid()->setObjectName(QStringLiteral("SummarizeLayout"));
    grid()->setVerticalSpacing(5);
    m_whole = addLabel(QStringLiteral("WholeLabel"), 0, 0);
    QStringList names{QStringLiteral("Mass")};
    for (const Nutrients::Nutrient &nutrient : Nutrients::all())
        names.append(QString::fromLatin1(LabelNames[nutrient.id]));
    for (int c = 1; c <= names.size(); ++c)
        m_captions.append(addLabel(names[c - 1] + QStringLiteral("Label"), 0, c));
    for (int c = 1; c <= names.size(); ++c) {
        m_values.append(addLabel(names[c - 1] + QStringLiteral("ValueLabel"), 1, c));
        HoverSelect::enableOn(m_values.last());
    }
    // Under the caption, where no total stands: the dish's rows fold in
    // and out below.
    m_dishToggle = named(new QToolButton(this), "DishToggle");
    m_dishToggle->setCheckable(true);
    m_dishToggle->setAutoRaise(true);
    m_dishToggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_dishToggle->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    grid()->addWidget(m_dishToggle, 1, 0, Qt::AlignLeft | Qt::AlignVCenter);
    connect(m_dishToggle, &QToolButton::toggled, this, &TotalsPanel::dishToggled);
}

QLabel *TotalsPanel::addLabel(const QString &objectName, int row, int column)
{
    auto *label = new QLabel(this);
    label->setObjectName(objectName);
    addCell(label, row, column);
    return label;
}

void TotalsPanel::setTotals(const QStringList &totals)
{
    for (int i = 0; i < m_values.size(); ++i)
        m_values[i]->setText(totals.value(i));
}

void TotalsPanel::retranslate()
{
    // The captions are the window's own texts, translated where they
    // always were.
    setBandName(TCentralWidget::tr("Итоги"));
    m_whole->setText(TCentralWidget::tr("<p><b>ВСЕГО:</b></p>"));
    m_dishToggle->setText(TCentralWidget::tr("Блюдо"));
    m_dishToggle->setToolTip(TCentralWidget::tr("Выход, порции и значения на 100 г и на порцию"));
    m_dishToggle->setAccessibleName(TCentralWidget::tr("Показать блюдо"));
    m_captions[0]->setText(TCentralWidget::tr("Масса"));
    for (const Nutrients::Nutrient &nutrient : Nutrients::all())
        m_captions[1 + nutrient.id]->setText(TCentralWidget::tr(nutrient.columnTitle));
}

void TotalsPanel::showDishOpen(bool open)
{
    const QSignalBlocker blocker(m_dishToggle);
    m_dishToggle->setChecked(open);
    m_dishToggle->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
}
