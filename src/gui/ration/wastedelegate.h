#pragma once

#include <QStyledItemDelegate>

// Edits a row's waste in place. As with a mass, what the user enters is
// passed on (wasteEntered) to be checked and made an undoable step; any
// text may be typed, so that a refusal can say what is wrong with it.
class WasteDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

Q_SIGNALS:
    void wasteEntered(int row, const QString &text) const;
};
