#include "gui/ration/normpanel.h"

#include "core/norms/profilestore.h"
#include "core/ration/rationnorm.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/columnstrip.h"
#include "gui/widgets/named.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const char *const WholeDay = QT_TRANSLATE_NOOP("NormPanel", "весь день");
// A value off its norm: the words say it, the colour shows it.
const QColor OffNorm(0xb0, 0x30, 0x20);

QLabel *valueLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

NormPanel::NormPanel(ProfileStore &profiles, QWidget *parent)
    : QWidget(parent), m_profiles(profiles)
{
    // The choice line asks for no width of its own: it would widen the
    // ration's side of the window, which every new window then lays out
    // afresh with the food list (twice the time to open one).
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *choice = new QHBoxLayout;
    layout->addLayout(choice);

    ProfileBox = named(new QComboBox(this), "ProfileBox");
    ProfileBox->setAccessibleName(tr("Профиль"));
    ProfileBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *profileLabel = new QLabel(tr("&Профиль:"), this);
    profileLabel->setBuddy(ProfileBox);
    choice->addWidget(profileLabel);
    choice->addWidget(ProfileBox);

    ShareBox = named(new QComboBox(this), "ShareBox");
    ShareBox->setAccessibleName(tr("Доля дневной нормы, %"));
    ShareBox->setEditable(true);
    ShareBox->setInsertPolicy(QComboBox::NoInsert);
    ShareBox->lineEdit()->setAccessibleName(ShareBox->accessibleName());
    ShareBox->view()->setAccessibleName(tr("Доли дня для приёмов пищи"));
    ProfileBox->view()->setAccessibleName(tr("Профили"));
    ShareBox->addItem(RationNorm::shareItem(100, WholeDay), 100);
    for (const RationNorm::Meal &meal : RationNorm::meals())
        ShareBox->addItem(RationNorm::shareItem(meal.percent, meal.name), meal.percent);
    ShareBox->setToolTip(tr("Какая часть дневной нормы приходится на этот рацион: 100 — весь "
                            "день; для приёма пищи выберите его или впишите целое число от 1 "
                            "до 100"));
    auto *shareLabel = new QLabel(tr("&Доля дневной нормы, %:"), this);
    shareLabel->setBuddy(ShareBox);
    choice->addSpacing(12);
    choice->addWidget(shareLabel);
    choice->addWidget(ShareBox);
    choice->addStretch();

    connect(&m_profiles, &ProfileStore::changed, this, &NormPanel::fillProfiles);
    connect(ProfileBox, &QComboBox::activated, this, &NormPanel::takeProfile);
    connect(ShareBox, &QComboBox::activated, this, [this](int index) {
        ShareBox->setEditText(QString::number(ShareBox->itemData(index).toInt()));
        takeShare();
    });
    connect(ShareBox->lineEdit(), &QLineEdit::editingFinished, this, &NormPanel::takeShare);
    showRation(Ration());
}

void NormPanel::follow(QTableView *table)
{
    m_table = table;
    if (m_strip)
        m_strip->follow(table);
}

// The rows are made when a profile is first chosen: most rations are
// measured against no one.
void NormPanel::makeStrip()
{
    m_strip = named(new ColumnStrip(1 + Ration::TotalCount, this), "NormStrip");
    m_strip->setBandName(tr("Норма"));
    m_normTitle = named(valueLabel(m_strip), "NormTitle");
    m_normTitle->setText(tr("Норма"));
    m_percentTitle = named(valueLabel(m_strip), "NormPercentTitle");
    m_strip->addCell(m_normTitle, 0, 0);
    m_strip->addCell(m_percentTitle, 1, 0);
    for (int c = 1; c <= Ration::TotalCount; ++c) {
        m_norms.append(valueLabel(m_strip));
        m_percents.append(valueLabel(m_strip));
        m_strip->addCell(m_norms.constLast(), 0, c);
        m_strip->addCell(m_percents.constLast(), 1, c);
    }
    layout()->addWidget(m_strip);
    if (m_table)
        m_strip->follow(m_table);
}

void NormPanel::fillProfiles()
{
    m_filling = true;
    ProfileBox->clear();
    ProfileBox->addItem(tr("нет"));
    int current = 0;
    for (const Profile &profile : m_profiles.profiles().profiles()) {
        ProfileBox->addItem(profile.name);
        if (m_profile && profile == *m_profile)
            current = ProfileBox->count() - 1;
    }
    // A ration's own profile that the user's list lacks (a file from
    // elsewhere, or a profile changed since) is offered as it is.
    if (m_profile && current == 0) {
        ProfileBox->addItem(tr("%1 (из рациона)").arg(m_profile->name));
        current = ProfileBox->count() - 1;
    }
    ProfileBox->setCurrentIndex(current);
    m_filling = false;
}

std::optional<Profile> NormPanel::chosenProfile() const
{
    const int index = ProfileBox->currentIndex();
    const QList<Profile> &list = m_profiles.profiles().profiles();
    if (index <= 0)
        return std::nullopt;
    if (index - 1 < list.size())
        return list[index - 1];
    return m_profile; // the ration's own
}

void NormPanel::takeProfile()
{
    if (m_filling)
        return;
    const std::optional<Profile> chosen = chosenProfile();
    if (chosen != m_profile)
        Q_EMIT normChosen(chosen, m_share);
}

void NormPanel::takeShare() { commitTypedShare(); }

bool NormPanel::commitTypedShare()
{
    QString why;
    const std::optional<int> share = RationNorm::readShare(ShareBox->currentText(), &why);
    if (!share) {
        showShare(m_share);
        MessageBox::warning(this, tr("Доля дневной нормы"), why);
        return false;
    }
    showShare(*share);
    if (*share != m_share)
        Q_EMIT normChosen(m_profile, *share);
    return true;
}

void NormPanel::showShare(int share)
{
    if (ShareBox->currentText() != QString::number(share))
        ShareBox->setEditText(QString::number(share));
}

void NormPanel::showRation(const Ration &ration)
{
    // Refilled only when the choice changes: every change of the items
    // lays the whole window out again.
    if (ration.profile != m_profile || ration.share != m_share || ProfileBox->count() == 0) {
        m_profile = ration.profile;
        m_share = ration.share;
        fillProfiles();
        showShare(m_share);
        ShareBox->setEnabled(m_profile.has_value());
    }
    const std::optional<RationNorm> norm = RationNorm::of(ration);
    if (norm && !m_strip)
        makeStrip();
    if (m_strip && m_strip->isVisibleTo(this) != norm.has_value())
        m_strip->setVisible(norm.has_value());
    if (!norm)
        return;
    m_percentTitle->setText(norm->percentTitle());
    for (const Nutrients::Nutrient &nutrient : Nutrients::all()) {
        const RationNorm::Value &value = norm->value(nutrient.id);
        const int at = Nutrients::afterMass(nutrient.id);
        m_norms[at]->setText(value.norm ? QString::number(*value.norm) : QString());
        QLabel *percent = m_percents[at];
        // The word under the figure: a column is too narrow for both.
        const QString mark = RationNorm::markText(value.mark);
        percent->setText(value.percent ? QStringLiteral("%1 %").arg(*value.percent)
                                 + (mark.isEmpty() ? QString() : u'\n' + mark)
                                       : QString());
        percent->setAccessibleName(RationNorm::percentText(value));
        const bool off =
            value.mark == RationNorm::Mark::Below || value.mark == RationNorm::Mark::Above;
        QPalette palette = this->palette();
        if (off)
            palette.setColor(QPalette::WindowText, OffNorm);
        percent->setPalette(palette);
        QFont font = this->font();
        font.setBold(off);
        percent->setFont(font);
    }
    // A word under a figure makes its row two lines high.
    m_strip->updateGeometry();
}

QStringList NormPanel::normTexts() const
{
    QStringList texts;
    for (const QLabel *label : m_norms)
        texts.append(label->text());
    return texts;
}

QStringList NormPanel::percentTexts() const
{
    QStringList texts;
    for (const QLabel *label : m_percents)
        texts.append(label->accessibleName());
    return texts;
}
