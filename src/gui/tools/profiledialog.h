#pragma once

#include "core/norms/profiles.h"

#include <QDialog>

class ProfileStore;
class QComboBox;
class QLabel;
class QLineEdit;

// Makes or changes one profile: a name, sex, age group and, below 65
// years, the group of physical activity, with the daily need it gives shown
// as the user chooses. A refused name is named in a message and nothing is
// kept; the dialog stays open to mend it.
class ProfileDialog : public QDialog
{
    Q_OBJECT

public:
    // oldName: the profile being changed, empty for a new one.
    ProfileDialog(ProfileStore &store, const QString &oldName, QWidget *parent = nullptr);

    void setProfile(const Profile &profile);
    Profile profile() const;

    QLineEdit *NameEdit;
    QComboBox *SexBox;
    QComboBox *AgeBox;
    QComboBox *ActivityBox;
    QLabel *ActivityNote;
    QLabel *NeedLabel;

public Q_SLOTS:
    void accept() override;

private Q_SLOTS:
    void updateNeed();

private:
    ProfileStore &m_store;
    QString m_oldName;
};
