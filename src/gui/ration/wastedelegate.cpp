#include "gui/ration/wastedelegate.h"

#include "core/catalogue/waste.h"

#include <QLineEdit>

QWidget *WasteDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    auto *editor =
        qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
    if (!editor)
        editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("WasteCellEdit"));
    editor->setAccessibleName(Waste::fieldName());
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return editor;
}

void WasteDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                 const QModelIndex &index) const
{
    Q_UNUSED(model)
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        Q_EMIT wasteEntered(index.row(), line->text());
}
