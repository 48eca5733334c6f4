#pragma once

// Driving a ration window's editor in tests: finding the food list's rows,
// adding a product through the mass dialog, reading rows and totals.

#include "dialogs.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/massform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

// The food list's row of that name (group or product), or an invalid index.
inline QModelIndex item(TCentralWidget &editor, const QString &name)
{
    const QAbstractItemModel *model = editor.FoodsList->model();
    return model
        ->match(model->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly | Qt::MatchRecursive)
        .value(0);
}

inline QModelIndex group(TCentralWidget &editor, int g)
{
    return editor.FoodsList->model()->index(g, 0);
}

inline int childCount(const QModelIndex &row) { return row.model()->rowCount(row); }

inline QString text(const QModelIndex &row, int column)
{
    return row.sibling(row.row(), column).data().toString();
}

inline QStringList totals(const TCentralWidget &editor)
{
    return {editor.MassValueLabel->text(),          editor.WaterValueLabel->text(),
            editor.ProteinValueLabel->text(),       editor.FatValueLabel->text(),
            editor.CarbohydratesValueLabel->text(), editor.CaloriesValueLabel->text()};
}

inline QStringList row(const TCentralWidget &editor, int r)
{
    QStringList texts;
    for (int c = 0; c < 7; ++c)
        texts.append(editor.cellText(r, c));
    return texts;
}

// Selects the product and adds it with the mass typed into the dialog.
inline void add(TCentralWidget &editor, const QString &product, const QString &mass)
{
    editor.FoodsList->setCurrentIndex(item(editor, product));
    whenDialogShows<TMassForm>([mass](TMassForm *form) {
        form->MassEdit->setText(mass);
        form->AddButton->click();
    });
    editor.AddButton->click();
}

// Shows the editor, adds 150 g of beans and makes it the active window
// again, as it is once the mass dialog has closed.
inline bool showWithBeans(TCentralWidget &editor)
{
    editor.show();
    editor.activateWindow();
    if (!QTest::qWaitForWindowActive(&editor))
        return false;
    add(editor, "Бобы", "150");
    editor.activateWindow();
    return QTest::qWaitForWindowActive(&editor);
}

inline QStringList visibleRows(QTreeView *list)
{
    QStringList names;
    for (QModelIndex i = list->model()->index(0, 0); i.isValid(); i = list->indexBelow(i))
        names.append(i.data().toString());
    return names;
}

inline const QStringList zeros = {"0", "0", "0", "0", "0", "0"};
inline const QStringList fresh = {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"};
