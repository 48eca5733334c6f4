#pragma once

#include <QString>
#include <QStyledItemDelegate>

#include <functional>

class QLineEdit;

// Edits a cell of the ration table in place: a mass, a row's waste. What
// the user enters is not written into the model here: it is passed on
// (entered) to be checked and made an undoable step, or refused with the
// reason.
class CellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The field's object and accessible names; prepare, when given, sets up
    // the field further (a validator).
    CellDelegate(const QString &objectName, const QString &accessibleName, QObject *parent,
                 std::function<void(QLineEdit *)> prepare = {});

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

Q_SIGNALS:
    void entered(int row, const QString &text) const;

private:
    QString m_objectName;
    QString m_accessibleName;
    std::function<void(QLineEdit *)> m_prepare;
};
