#pragma once

#include <QDialog>

class ProfileStore;
class QPushButton;
class QTreeWidget;

// The «Профили» window: the people a user composes rations for, with the
// daily need of each, and buttons to add, change and delete them. It shows
// the store as it is, whoever changes it.
class ProfilesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProfilesDialog(ProfileStore &store, QWidget *parent = nullptr);

    QTreeWidget *ProfilesList;
    QPushButton *AddButton;
    QPushButton *EditButton;
    QPushButton *RemoveButton;

private Q_SLOTS:
    void refresh();
    void updateButtons();
    void add();
    void edit();
    void remove();

private:
    QString currentName() const;

    ProfileStore &m_store;
};
