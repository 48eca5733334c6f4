#include "gui/ration/celldelegate.h"

#include <QLineEdit>

#include <utility>

CellDelegate::CellDelegate(const QString &objectName, const QString &accessibleName,
                           QObject *parent, std::function<void(QLineEdit *)> prepare)
    : QStyledItemDelegate(parent), m_objectName(objectName), m_accessibleName(accessibleName),
      m_prepare(std::move(prepare))
{ }

QWidget *CellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    auto *editor =
        qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
    if (!editor)
        editor = new QLineEdit(parent);
    editor->setObjectName(m_objectName);
    editor->setAccessibleName(m_accessibleName);
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (m_prepare)
        m_prepare(editor);
    return editor;
}

void CellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                const QModelIndex &index) const
{
    Q_UNUSED(model)
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        Q_EMIT entered(index.row(), line->text());
}
