#include "gui/tools/energybar.h"

#include "gui/widgets/wraplabel.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int BarHeight = 22;
const QColor OffGoal(0xc0, 0x10, 0x10);

QColor colorOf(EnergyStructure::Nutrient nutrient)
{
    return QColor::fromRgb(QRgb(EnergyStructure::source(nutrient).shareColor));
}

// A mark such as "выше нормы 55–75 %" is kept on one line.
QString unbroken(QString html)
{
    html.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
    html.replace(QStringLiteral("–"), QStringLiteral("\u2060–\u2060"));
    return html;
}

} // namespace

EnergyBar::EnergyBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EnergyBar"));
    setAccessibleName(tr("Энергетическая структура"));
    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("EnergyBarLayout"));
    layout->setSpacing(5);
    m_label = new WrapLabel(this);
    m_label->setObjectName(QStringLiteral("EnergyTextLabel"));
    m_label->setAccessibleName(tr("Доли энергии"));
    layout->addWidget(m_label);
    m_note = new WrapLabel(this);
    m_note->setObjectName(QStringLiteral("EnergyNoteLabel"));
    m_note->setAccessibleName(tr("Рекомендуемые доли энергии"));
    m_note->setTextFormat(Qt::PlainText);
    m_note->hide();
    layout->addWidget(m_note);
    setTotals({});
}

void EnergyBar::setTotals(const QStringList &totals)
{
    m_structure = EnergyStructure::ofTotals(totals);
    // The bar is drawn in the space kept free above the text.
    layout()->setContentsMargins(0, m_structure ? BarHeight + 5 : 0, 0, 0);
    // Plain text unless a share is marked: a label of rich text keeps a
    // text document and lays it out anew for every width it is asked about.
    const QString plain = m_structure
        ? tr("Энергетическая структура: ") + m_structure->summary()
        : tr("Энергетическая структура: в рационе нет белков, жиров и углеводов.");
    if (!m_structure) {
        m_label->setTextFormat(Qt::PlainText);
        m_label->setText(plain);
    } else {
        QStringList rich;
        bool marked = false;
        for (int n = 0; n < EnergyStructure::NutrientCount; ++n) {
            const auto nutrient = EnergyStructure::Nutrient(n);
            const QString mark = m_structure->rangeText(nutrient);
            QString share = m_structure->shareText(nutrient).toHtmlEscaped();
            if (!mark.isEmpty()) {
                marked = true;
                share += QStringLiteral(" (<b><font color=\"%1\">%2</font></b>)")
                             .arg(OffGoal.name(), unbroken(mark.toHtmlEscaped()));
            }
            rich.append(share);
        }
        m_label->setTextFormat(marked ? Qt::RichText : Qt::PlainText);
        m_label->setText(marked ? tr("Энергетическая структура: ") + rich.join(QStringLiteral(", "))
                                : plain);
    }
    setAccessibleDescription(plain);
    updateGeometry();
    update();
}

void EnergyBar::setNote(const QString &note)
{
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

QString EnergyBar::note() const { return m_note->text(); }

QSize EnergyBar::sizeHint() const
{
    const QSize hint = QWidget::sizeHint();
    return {std::max(hint.width(), 300), hint.height()};
}

void EnergyBar::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_structure)
        return;
    QPainter painter(this);
    const int width = std::max(0, this->width() - 1);
    double left = 0.0;
    for (int n = 0; n < EnergyStructure::NutrientCount; ++n) {
        const auto nutrient = EnergyStructure::Nutrient(n);
        const double share = m_structure->percent[std::size_t(n)] / 100.0 * width;
        const QRectF part(left, 0.0, share, BarHeight - 1);
        left += share;
        if (part.width() <= 0.0)
            continue;
        painter.fillRect(part, colorOf(nutrient));
        const bool off = m_structure->range(nutrient) != EnergyStructure::Range::Within;
        if (off) {
            painter.fillRect(part, QBrush(OffGoal.lighter(170), Qt::BDiagPattern));
            painter.setPen(QPen(OffGoal, 2));
        } else {
            painter.setPen(palette().color(QPalette::Mid));
        }
        painter.drawRect(part.adjusted(1, 1, -1, -1));
        painter.setPen(Qt::black);
        const QString label = m_structure->shareText(nutrient);
        const QString shown = painter.fontMetrics().horizontalAdvance(label) + 6 <= part.width()
            ? label
            : EnergyStructure::percentText(m_structure->percent[std::size_t(n)]);
        if (painter.fontMetrics().horizontalAdvance(shown) + 6 <= part.width())
            painter.drawText(part, Qt::AlignCenter, shown);
    }
}
