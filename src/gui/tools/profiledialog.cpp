#include "gui/tools/profiledialog.h"

#include "core/norms/dailyneed.h"
#include "core/norms/profilestore.h"
#include "gui/dialogs/messagebox.h"
#include "gui/widgets/named.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ProfileDialog::ProfileDialog(ProfileStore &store, const QString &oldName, QWidget *parent)
    : QDialog(parent), m_store(store), m_oldName(oldName)
{
    setObjectName(QStringLiteral("ProfileDialog"));
    setWindowTitle(oldName.isEmpty() ? tr("Новый профиль") : tr("Изменить профиль"));
    auto *form = new QFormLayout(this);

    NameEdit = named(new QLineEdit(this), "NameEdit");
    NameEdit->setAccessibleName(tr("Имя"));
    NameEdit->setMaxLength(Profiles::MaxNameLength + 1);
    form->addRow(tr("&Имя:"), NameEdit);

    SexBox = named(new QComboBox(this), "SexBox");
    SexBox->setAccessibleName(tr("Пол"));
    for (int s = 0; s < Person::SexCount; ++s)
        SexBox->addItem(Person::sexText(Person::Sex(s)));
    form->addRow(tr("&Пол:"), SexBox);

    AgeBox = named(new QComboBox(this), "AgeBox");
    AgeBox->setAccessibleName(tr("Возраст"));
    for (int a = 0; a < Person::AgeCount; ++a)
        AgeBox->addItem(Person::ageText(Person::Age(a)));
    form->addRow(tr("&Возраст:"), AgeBox);

    ActivityBox = named(new QComboBox(this), "ActivityBox");
    ActivityBox->setAccessibleName(tr("Физическая активность"));
    for (int g = 0; g < Person::ActivityCount; ++g) {
        const auto activity = Person::Activity(g);
        ActivityBox->addItem(Person::activityText(activity));
        ActivityBox->setItemData(g, Person::activityDescription(activity), Qt::ToolTipRole);
    }
    form->addRow(tr("&Физическая активность:"), ActivityBox);
    ActivityNote = named(new QLabel(this), "ActivityNote");
    ActivityNote->setWordWrap(true);
    ActivityNote->setTextFormat(Qt::PlainText);
    form->addRow(QString(), ActivityNote);

    NeedLabel = named(new QLabel(this), "NeedLabel");
    NeedLabel->setWordWrap(true);
    NeedLabel->setTextFormat(Qt::PlainText);
    NeedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(tr("Суточная потребность:"), NeedLabel);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Сохранить"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProfileDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProfileDialog::reject);
    for (QComboBox *box : {SexBox, AgeBox, ActivityBox})
        connect(box, &QComboBox::currentIndexChanged, this, &ProfileDialog::updateNeed);
    ActivityBox->setCurrentIndex(int(Person::Activity::II));
    updateNeed();
    setMinimumWidth(480);
}

void ProfileDialog::setProfile(const Profile &profile)
{
    NameEdit->setText(profile.name);
    SexBox->setCurrentIndex(int(profile.person.sex));
    AgeBox->setCurrentIndex(int(profile.person.age));
    ActivityBox->setCurrentIndex(int(profile.person.activity));
    updateNeed();
}

Profile ProfileDialog::profile() const
{
    Profile profile;
    profile.name = NameEdit->text().trimmed();
    profile.person.sex = Person::Sex(SexBox->currentIndex());
    profile.person.age = Person::Age(AgeBox->currentIndex());
    profile.person.activity = Person::Activity(ActivityBox->currentIndex());
    return profile;
}

void ProfileDialog::updateNeed()
{
    const Person person = profile().person;
    // From 65 years the norms give one figure whatever the activity.
    ActivityBox->setEnabled(person.activityCounts());
    ActivityNote->setText(person.activityCounts()
                              ? Person::activityDescription(person.activity)
                              : tr("С 65 лет норма одна при любой активности."));
    const DailyNeed need(person);
    NeedLabel->setText(tr("%1 ккал; белки %2 г, жиры %3 г, углеводы %4 г")
                           .arg(need.energy())
                           .arg(need.amount(Nutrients::Protein).value_or(0))
                           .arg(need.amount(Nutrients::Fat).value_or(0))
                           .arg(need.amount(Nutrients::Carbohydrates).value_or(0)));
}

void ProfileDialog::accept()
{
    QString error;
    if (!m_store.put(profile(), m_oldName, &error)) {
        MessageBox::warning(this, tr("Профиль не сохранён"), error);
        NameEdit->setFocus();
        return;
    }
    QDialog::accept();
}
