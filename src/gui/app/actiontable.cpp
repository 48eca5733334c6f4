#include "gui/app/actiontable.h"

#include "gui/app/mainform.h"
#include "gui/images/embeddedimages.h"
#include "gui/widgets/plaintext.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QUndoGroup>

#include <algorithm>
#include <array>
#include <vector>

const std::vector<ActionTable::Row> &ActionTable::rows()
{
    using M = TMainForm;
    // A friend of TMainForm: the table names its private slots and actions.
    // In the order of the main window's members.
    static const std::vector<Row> table = {
        {&M::FileExitAction,
         "FileExitAction",
         QT_TRANSLATE_NOOP("TMainForm", "Выход"),
         "exit.png",
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+Q")},
         QT_TRANSLATE_NOOP("TMainForm", "Завершить работу программы"),
         &run<&M::FileExitSlot>,
         {Place::FileMenu, 40},
         {Place::FileBar, 10},
         false},
        {&M::FileNewAction,
         "FileNewAction",
         QT_TRANSLATE_NOOP("TMainForm", "Создать"),
         "new.png",
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+N")},
         QT_TRANSLATE_NOOP("TMainForm", "Создать новый рацион"),
         &run<&M::pFileNewSlot>,
         {Place::FileMenu, 10},
         {Place::FileBar, 20},
         false},
        {&M::FileOpenAction,
         "FileOpenAction",
         QT_TRANSLATE_NOOP("TMainForm", "Загрузить"),
         "open.png",
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+O")},
         QT_TRANSLATE_NOOP("TMainForm", "Загрузить данные, сохранённые в файл"),
         &run<&M::FileLoadDataSlot>,
         {Place::FileMenu, 11},
         {Place::FileBar, 21},
         false},
        {&M::FileSaveAction,
         "FileSaveAction",
         QT_TRANSLATE_NOOP("TMainForm", "Сохранить"),
         "save.png",
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+S")},
         QT_TRANSLATE_NOOP("TMainForm", "Сохранить данные рациона в файл"),
         &run<&M::FileSaveSlot>,
         {Place::FileMenu, 12},
         {Place::FileBar, 22},
         true},
        {&M::FileSaveAsAction,
         "FileSaveAsAction",
         QT_TRANSLATE_NOOP("TMainForm", "Сохранить как…"),
         nullptr,
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+Shift+S")},
         QT_TRANSLATE_NOOP("TMainForm", "Сохранить данные рациона в другой файл"),
         &run<&M::FileSaveAsSlot>,
         {Place::FileMenu, 13},
         {},
         true},
        {&M::FileSaveAsProductAction,
         "FileSaveAsProductAction",
         QT_TRANSLATE_NOOP("TMainForm", "Сохранить как продукт…"),
         nullptr,
         {},
         QT_TRANSLATE_NOOP("TMainForm", "Сохранить готовое блюдо в свои продукты"),
         &run<&M::FileSaveAsProductSlot>,
         {Place::FileMenu, 14},
         {},
         true},
        {&M::ToolsOwnProductsAction,
         "ToolsOwnProductsAction",
         QT_TRANSLATE_NOOP("TMainForm", "Мои продукты…"),
         nullptr,
         {},
         QT_TRANSLATE_NOOP("TMainForm", "Добавить, изменить или удалить свои продукты"),
         &run<&M::ToolsOwnProductsSlot>,
         {Place::ToolsMenu, 30},
         {},
         false},
        {&M::ToolsProfilesAction,
         "ToolsProfilesAction",
         QT_TRANSLATE_NOOP("TMainForm", "Профили…"),
         nullptr,
         {},
         QT_TRANSLATE_NOOP("TMainForm",
                           "Люди, для которых составляются рационы, и их суточная потребность"),
         &run<&M::ToolsProfilesSlot>,
         {Place::ToolsMenu, 31},
         {},
         false},
        {&M::FilePrintAction,
         "FilePrintAction",
         QT_TRANSLATE_NOOP("TMainForm", "Печать"),
         "print.png",
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+P")},
         QT_TRANSLATE_NOOP("TMainForm", "Напечатать данные текущего окна"),
         &run<&M::FilePrintSlot>,
         {Place::FileMenu, 30},
         {Place::FileBar, 30},
         true},
        {&M::FilePrintPreviewAction,
         "FilePrintPreviewAction",
         QT_TRANSLATE_NOOP("TMainForm", "Предварительный просмотр"),
         nullptr,
         {},
         QT_TRANSLATE_NOOP("TMainForm", "Показать, как будет напечатан рацион текущего окна"),
         &run<&M::FilePrintPreviewSlot>,
         {Place::FileMenu, 31},
         {},
         true},
        {&M::FileCloseAction,
         "FileCloseAction",
         QT_TRANSLATE_NOOP("TMainForm", "Закрыть"),
         "no.png",
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+W")},
         QT_TRANSLATE_NOOP("TMainForm", "Закрыть активное окно"),
         &run<&M::FileCloseSlot>,
         {Place::FileMenu, 20},
         {Place::FileBar, 40},
         true},
        {&M::FileCloseAllAction,
         "FileCloseAllAction",
         QT_TRANSLATE_NOOP("TMainForm", "Закрыть всё"),
         nullptr,
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+A")},
         QT_TRANSLATE_NOOP("TMainForm", "Закрыть все окна"),
         &run<&M::FileCloseAllSlot>,
         {Place::FileMenu, 21},
         {},
         true},
        {&M::ToolsFindAction,
         "ToolsFindAction",
         QT_TRANSLATE_NOOP("TMainForm", "Найти"),
         "find.png",
         {QT_TRANSLATE_NOOP("TMainForm", "F3")},
         QT_TRANSLATE_NOOP("TMainForm", "Найти продукт / группу продуктов в списке"),
         &run<&M::ToolsFindSlot>,
         {Place::ToolsMenu, 10},
         {Place::ToolsBar, 10},
         true},
        {&M::ToolsEnergyValueAction,
         "ToolsEnergyValueAction",
         QT_TRANSLATE_NOOP("TMainForm", "Энергетическая ценность"),
         "yes.png",
         {QT_TRANSLATE_NOOP("TMainForm", "F4")},
         QT_TRANSLATE_NOOP("TMainForm", "Рассчитать энергетическую ценность продукта"),
         &run<&M::ToolsEnergyValueSlot>,
         {Place::ToolsMenu, 20},
         {Place::ToolsBar, 20},
         true},
        {&M::WindowCascadeAction,
         "WindowCascadeAction",
         QT_TRANSLATE_NOOP("TMainForm", "Каскад"),
         nullptr,
         {QT_TRANSLATE_NOOP("TMainForm", "F5")},
         QT_TRANSLATE_NOOP("TMainForm", "Упорядочить окна документов каскадом"),
         &run<&M::WindowCascadeSlot>,
         {Place::WindowMenu, 10},
         {},
         true},
        {&M::WindowTileHorizontalAction,
         "WindowTileHorizontalAction",
         QT_TRANSLATE_NOOP("TMainForm", "Упорядочить по горизонтали"),
         nullptr,
         {QT_TRANSLATE_NOOP("TMainForm", "F6")},
         QT_TRANSLATE_NOOP("TMainForm", "Упорядочить окна документов по горизонтали"),
         &run<&M::WindowTileHorizontalSlot>,
         {Place::WindowMenu, 11},
         {},
         true},
        {&M::WindowTileVerticalAction,
         "WindowTileVerticalAction",
         QT_TRANSLATE_NOOP("TMainForm", "Упорядочить по вертикали"),
         nullptr,
         {QT_TRANSLATE_NOOP("TMainForm", "F7")},
         QT_TRANSLATE_NOOP("TMainForm", "Упорядочить окна документов по вертикали"),
         &run<&M::WindowTileVerticalSlot>,
         {Place::WindowMenu, 12},
         {},
         true},
        {&M::WindowTileAction,
         "WindowTileAction",
         QT_TRANSLATE_NOOP("TMainForm", "Замостить"),
         nullptr,
         {QT_TRANSLATE_NOOP("TMainForm", "F8")},
         QT_TRANSLATE_NOOP("TMainForm", "Упорядочить окна документов"),
         &run<&M::WindowTileSlot>,
         {Place::WindowMenu, 13},
         {},
         true},
        {&M::HelpContentsAction,
         "HelpContentsAction",
         QT_TRANSLATE_NOOP("TMainForm", "Разделы"),
         "help.png",
         {QT_TRANSLATE_NOOP("TMainForm", "F1")},
         QT_TRANSLATE_NOOP("TMainForm", "Показать разделы справки"),
         &run<&M::HelpContentsSlot>,
         {Place::HelpMenu, 10},
         {Place::HelpBar, 10},
         false},
        {&M::HelpAboutAction,
         "HelpAboutAction",
         QT_TRANSLATE_NOOP("TMainForm", "О программе"),
         "about.png",
         {QT_TRANSLATE_NOOP("TMainForm", "F2")},
         QT_TRANSLATE_NOOP("TMainForm", "Показать краткую информацию об этой программе"),
         &run<&M::HelpAboutSlot>,
         {Place::HelpMenu, 20},
         {Place::HelpBar, 11},
         false},
        {&M::HelpAboutQtAction,
         "HelpAboutQtAction",
         QT_TRANSLATE_NOOP("TMainForm", "О библиотеке Qt"),
         "Qt.png",
         {QT_TRANSLATE_NOOP("TMainForm", "Alt+Q")},
         QT_TRANSLATE_NOOP("TMainForm", "Показать краткую информацию о библиотеке Qt"),
         &run<&M::HelpAboutQtSlot>,
         {Place::HelpMenu, 21},
         {Place::HelpBar, 20},
         false},
        {&M::EditUndoAction,
         "EditUndoAction",
         QT_TRANSLATE_NOOP("TMainForm", "Отменить"),
         nullptr,
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+Z")},
         QT_TRANSLATE_NOOP("TMainForm", "Отменить последнее изменение рациона"),
         nullptr,
         {Place::EditMenu, 10},
         {},
         false},
        {&M::EditRedoAction,
         "EditRedoAction",
         QT_TRANSLATE_NOOP("TMainForm", "Повторить"),
         nullptr,
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+Shift+Z"), QT_TRANSLATE_NOOP("TMainForm", "Ctrl+Y")},
         QT_TRANSLATE_NOOP("TMainForm", "Повторить отменённое изменение рациона"),
         nullptr,
         {Place::EditMenu, 11},
         {},
         false},
        {&M::EditScaleAction,
         "EditScaleAction",
         QT_TRANSLATE_NOOP("TMainForm", "Масштабировать…"),
         nullptr,
         {},
         QT_TRANSLATE_NOOP(
             "TMainForm",
             "Умножить массы рациона на число или привести их к заданной массе, энергии, "
             "числу порций или выходу готового блюда"),
         &run<&M::EditScaleSlot>,
         {Place::EditMenu, 20},
         {},
         true},
        {&M::m_nextWindowAction,
         "WindowNextAction",
         QT_TRANSLATE_NOOP("TMainForm", "Следующее"),
         nullptr,
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+Tab")},
         QT_TRANSLATE_NOOP("TMainForm", "Перейти к следующему окну"),
         &run<&M::WindowNextSlot>,
         {Place::WindowMenu, 20},
         {},
         true},
        {&M::m_previousWindowAction,
         "WindowPreviousAction",
         QT_TRANSLATE_NOOP("TMainForm", "Предыдущее"),
         nullptr,
         {QT_TRANSLATE_NOOP("TMainForm", "Ctrl+Shift+Tab")},
         QT_TRANSLATE_NOOP("TMainForm", "Перейти к предыдущему окну"),
         &run<&M::WindowPreviousSlot>,
         {Place::WindowMenu, 21},
         {},
         true},
    };
    return table;
}

QAction *ActionTable::makeAction(TMainForm *form, const Row &row)
{
    const QString text = TMainForm::tr(row.text);
    if (row.slot) {
        auto *action = new QAction(text, form);
        QObject::connect(action, &QAction::triggered, form, [form, run = row.slot] { run(form); });
        return action;
    }
    // Undo and redo act on the steps of the active ration window; their
    // texts name the product of the step.
    QAction *action = row.member == &TMainForm::EditUndoAction
        ? form->UndoGroup->createUndoAction(form, text)
        : form->UndoGroup->createRedoAction(form, text);
    PlainText::keepToolTipPlain(action);
    return action;
}

void ActionTable::createActions(TMainForm *form)
{
    for (const Row &row : rows()) {
        QAction *action = makeAction(form, row);
        action->setObjectName(QString::fromLatin1(row.objectName));
        if (row.icon)
            action->setIcon(embeddedIcon(QString::fromLatin1(row.icon)));
        QList<QKeySequence> keys;
        for (const char *key : row.shortcuts) {
            if (key)
                keys.append(QKeySequence(TMainForm::tr(key)));
        }
        if (!keys.isEmpty())
            action->setShortcuts(keys);
        action->setStatusTip(TMainForm::tr(row.statusTip));
        form->*row.member = action;
    }
}

QList<QAction *> ActionTable::actionsAt(const TMainForm *form, Place place, Spot Row::*spot)
{
    std::vector<const Row *> placed;
    for (const Row &row : rows()) {
        if ((row.*spot).place == place)
            placed.push_back(&row);
    }
    std::sort(placed.begin(), placed.end(),
              [spot](const Row *a, const Row *b) { return (a->*spot).at < (b->*spot).at; });
    QList<QAction *> actions;
    int group = -1;
    for (const Row *row : placed) {
        const int rowGroup = (row->*spot).at / 10;
        if (group >= 0 && rowGroup != group)
            actions.append(nullptr);
        group = rowGroup;
        actions.append(form->*row->member);
    }
    return actions;
}

namespace {
// A menu or a toolbar gets the actions, a null one standing for a separator.
template <typename Holder> void addAll(Holder *holder, const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (action)
            holder->addAction(action);
        else
            holder->addSeparator();
    }
}
} // namespace

void ActionTable::fill(const TMainForm *form, QMenu *menu, Place place)
{
    addAll(menu, actionsAt(form, place, &Row::menu));
}

void ActionTable::fill(const TMainForm *form, QToolBar *bar, Place place)
{
    addAll(bar, actionsAt(form, place, &Row::bar));
}

QList<QAction *> ActionTable::needingRation(const TMainForm *form)
{
    QList<QAction *> actions;
    for (const Row &row : rows()) {
        if (row.needsRation)
            actions.append(form->*row.member);
    }
    return actions;
}
