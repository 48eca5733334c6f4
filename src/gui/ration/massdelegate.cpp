#include "gui/ration/massdelegate.h"

#include "gui/ration/masstextvalidator.h"

#include <QLineEdit>

QWidget *MassDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    auto *editor =
        qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
    if (!editor)
        editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("MassCellEdit"));
    editor->setAccessibleName(tr("Масса продукта, г"));
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editor->setValidator(new MassTextValidator(editor));
    return editor;
}

void MassDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                const QModelIndex &index) const
{
    Q_UNUSED(model)
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        Q_EMIT massEntered(index.row(), line->text());
}
