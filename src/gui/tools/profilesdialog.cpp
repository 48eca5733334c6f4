#include "gui/tools/profilesdialog.h"

#include "core/norms/dailyneed.h"
#include "core/norms/profilestore.h"
#include "gui/dialogs/messagebox.h"
#include "gui/tools/profiledialog.h"
#include "gui/widgets/named.h"
#include "gui/widgets/recordlist.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

ProfilesDialog::ProfilesDialog(ProfileStore &store, QWidget *parent)
    : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("ProfilesDialog"));
    setWindowTitle(tr("Профили"));
    auto *layout = new QVBoxLayout(this);

    ProfilesList = named(new QTreeWidget(this), "ProfilesList");
    ProfilesList->setAccessibleName(tr("Профили"));
    RecordList::setUp(ProfilesList,
                      {tr("Имя"), tr("Пол"), tr("Возраст"), tr("Активность"), tr("ккал в сутки")});
    layout->addWidget(ProfilesList);

    auto *buttons = new QDialogButtonBox(this);
    const auto button = [buttons](const QString &text, const char *name) {
        return RecordList::actionButton(buttons, text, name);
    };
    AddButton = button(tr("Добавить профиль"), "AddButton");
    EditButton = button(tr("Изменить"), "EditButton");
    RemoveButton = button(tr("Удалить"), "RemoveButton");
    buttons->addButton(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    layout->addWidget(buttons);

    connect(AddButton, &QPushButton::clicked, this, &ProfilesDialog::add);
    connect(EditButton, &QPushButton::clicked, this, &ProfilesDialog::edit);
    connect(RemoveButton, &QPushButton::clicked, this, &ProfilesDialog::remove);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ProfilesList, &QTreeWidget::itemDoubleClicked, EditButton, &QPushButton::click);
    connect(ProfilesList, &QTreeWidget::currentItemChanged, this, &ProfilesDialog::updateButtons);
    connect(&m_store, &ProfileStore::changed, this, &ProfilesDialog::refresh);
    refresh();
    resize(640, 320);
}

QString ProfilesDialog::currentName() const
{
    const QTreeWidgetItem *item = ProfilesList->currentItem();
    return item ? item->text(0) : QString();
}

void ProfilesDialog::refresh()
{
    const QString current = currentName();
    ProfilesList->clear();
    for (const Profile &profile : m_store.profiles().profiles()) {
        const Person &person = profile.person;
        auto *item = new QTreeWidgetItem(
            ProfilesList,
            {profile.name, Person::sexText(person.sex), Person::ageText(person.age),
             person.activityCounts() ? Person::activityText(person.activity) : QString(),
             QString::number(DailyNeed(person).energy())});
        item->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
        if (profile.name == current)
            ProfilesList->setCurrentItem(item);
    }
    if (!ProfilesList->currentItem() && ProfilesList->topLevelItemCount() > 0)
        ProfilesList->setCurrentItem(ProfilesList->topLevelItem(0));
    updateButtons();
}

void ProfilesDialog::updateButtons()
{
    const bool chosen = ProfilesList->currentItem() != nullptr;
    EditButton->setEnabled(chosen);
    RemoveButton->setEnabled(chosen);
}

void ProfilesDialog::add()
{
    ProfileDialog dialog(m_store, QString(), this);
    dialog.exec();
}

void ProfilesDialog::edit()
{
    const Profile *old = m_store.profiles().find(currentName());
    if (!old)
        return;
    ProfileDialog dialog(m_store, old->name, this);
    dialog.setProfile(*old);
    dialog.exec();
}

void ProfilesDialog::remove()
{
    const QString name = currentName();
    if (name.isEmpty()
        || !MessageBox::confirm(this, QMessageBox::Question, tr("Удалить профиль"),
                                tr("Удалить профиль «%1»? Рационы, сохранённые с ним, "
                                   "сохранят свои данные о человеке.")
                                    .arg(name)))
        return;
    QString error;
    if (!m_store.remove(name, &error))
        MessageBox::critical(this, tr("Профили"), tr("Изменение не сохранено: %1").arg(error));
}
