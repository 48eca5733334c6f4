#pragma once

#include "core/norms/profiles.h"
#include "core/ration/ration.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <optional>

class ColumnStrip;
class ProfileStore;
class QComboBox;
class QLabel;
class QTableView;

// The ration against a person's daily need, under its totals: the profile
// it is for (none at first) and the part of the day it is, and while a
// profile is chosen two rows in the totals' columns, «Норма» and «% нормы»,
// each value off its norm named in words and in colour. The panel keeps
// only what the user chose; the ration comes from the window.
class NormPanel : public QWidget
{
    Q_OBJECT

public:
    NormPanel(ProfileStore &profiles, QWidget *parent = nullptr);

    // Shows the ration's profile, share and norms, without normChosen().
    void showRation(const Ration &ration);
    // Takes a share typed but not yet confirmed, or refuses it (false).
    bool commitTypedShare();

    // The rows stand under the table's columns.
    void follow(QTableView *table);
    QComboBox *ProfileBox;
    QComboBox *ShareBox;
    // The texts of the rows «Норма» and «% нормы» (the mass and each
    // nutrient), the latter as a screen reader reads them: «50 % — мало».
    QStringList normTexts() const;
    QStringList percentTexts() const;

Q_SIGNALS:
    // The user chose another profile or share.
    void normChosen(const std::optional<Profile> &profile, int share);

private Q_SLOTS:
    void fillProfiles();
    void takeProfile();
    void takeShare();

private:
    std::optional<Profile> chosenProfile() const;
    void showShare(int share);

    ProfileStore &m_profiles;
    // The profile and share shown, as the ration has them.
    std::optional<Profile> m_profile;
    int m_share = 100;
    void makeStrip();

    QPointer<QTableView> m_table;
    ColumnStrip *m_strip = nullptr;
    QLabel *m_normTitle = nullptr;
    QLabel *m_percentTitle = nullptr;
    QList<QLabel *> m_norms;
    QList<QLabel *> m_percents;
    bool m_filling = false;
};
