#pragma once

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>

// The parts of a window that lists the user's records (own products,
// profiles) to add, change and delete them.
namespace RecordList {

// A flat list, its first column (the name) taking the room the others leave.
inline void setUp(QTreeWidget *list, const QStringList &titles)
{
    list->setRootIsDecorated(false);
    list->setHeaderLabels(titles);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
}

// A button of the box that does something rather than close the window;
// Enter in the window does not press it.
inline QPushButton *actionButton(QDialogButtonBox *box, const QString &text, const char *objectName)
{
    QPushButton *button = box->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    return button;
}

} // namespace RecordList
