#pragma once

#include <QStyledItemDelegate>

// Edits a mass cell in place. What the user enters is not written into the
// model here: it is passed on (massEntered) to be checked and made an
// undoable step.
class MassDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

Q_SIGNALS:
    void massEntered(int row, const QString &text) const;
};
