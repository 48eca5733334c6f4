// What a screen reader finds: every control that takes focus or holds a
// value, in the main window with a ration window and in each dialog, has a
// name; and a flat button shows when it has the focus.

#include "gui/app/mainform.h"
#include "gui/app/summarywindow.h"
#include "gui/dialogs/messagebox.h"
#include "gui/help/helpform.h"
#include "gui/ration/massform.h"
#include "gui/ration/scaledialog.h"
#include "gui/tools/energyvalueform.h"
#include "gui/tools/findform.h"
#include "mainformharness.h"

#include <QAccessible>
#include <QImage>
#include <QPushButton>
#include <QTest>

namespace {

bool needsName(QAccessibleInterface *iface)
{
    switch (iface->role()) {
    case QAccessible::EditableText:
    case QAccessible::StaticText:
        // A label is its own name; a read-only field shows a value that
        // needs one.
        return iface->role() == QAccessible::EditableText;
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::PushButton:
    case QAccessible::ButtonMenu:
    case QAccessible::Slider: return true;
    default: return iface->state().focusable && !iface->state().invisible;
    }
}

bool isItem(QAccessible::Role role)
{
    return role == QAccessible::Cell || role == QAccessible::Row || role == QAccessible::ListItem
        || role == QAccessible::TreeItem || role == QAccessible::ColumnHeader
        || role == QAccessible::RowHeader;
}

// Object names (or class names) of the controls found without a name.
void unnamed(QAccessibleInterface *iface, QStringList *found, int depth = 0)
{
    if (!iface || depth > 40)
        return;
    if (needsName(iface) && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject *object = iface->object();
        found->append(object ? (object->objectName().isEmpty()
                                    ? QString::fromLatin1(object->metaObject()->className())
                                    : object->objectName())
                             : QStringLiteral("?"));
    }
    if (isItem(iface->role()))
        return;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (child && !isItem(child->role()))
            unnamed(child, found, depth + 1);
    }
}

QStringList unnamedIn(QWidget *widget)
{
    QStringList found;
    unnamed(QAccessible::queryAccessibleInterface(widget), &found);
    return found;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    MainFormHarness main;
    TMainForm *&form = main.form;

private Q_SLOTS:
    void initTestCase() { MessageBox::setShowBoxes(false); }
    void init() { main.open(); }
    void cleanup() { main.close(); }

    void mainWindowNamed()
    {
        form->pFileNewSlot();
        const QStringList found = unnamedIn(form);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral(", "))));
    }

    void dialogsNamed_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("find") << 0;
        QTest::newRow("energy value") << 1;
        QTest::newRow("help") << 2;
        QTest::newRow("mass") << 3;
        QTest::newRow("scale") << 4;
        QTest::newRow("summary") << 5;
    }
    void dialogsNamed()
    {
        QFETCH(int, which);
        std::unique_ptr<QWidget> dialog;
        if (which == 0)
            dialog = std::make_unique<TFindForm>(form, "FindForm", true);
        else if (which == 1)
            dialog = std::make_unique<TEnergyValueForm>(form, "EnergyValueForm", true);
        else if (which == 2)
            dialog = std::make_unique<THelpForm>(form, "HelpForm", false);
        else if (which == 3)
            dialog = std::make_unique<TMassForm>(form, "MassForm", true);
        else if (which == 5) {
            main.trigger("WindowSummaryAction");
            dialog.reset(form->findChild<SummaryWindow *>());
        } else
            dialog =
                std::make_unique<ScaleDialog>(QStringLiteral("150"), QStringLiteral("87"), form);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const QStringList found = unnamedIn(dialog.get());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral(", "))));
    }

    // The help window's arrows are read out by their meaning.
    void arrowsHaveMeaning_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("back") << "BackButton"
                              << "Назад";
        QTest::newRow("forward") << "ForwardButton"
                                 << "Вперёд";
    }
    void arrowsHaveMeaning()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        THelpForm help(form, "HelpForm", false);
        auto *widget = help.findChild<QPushButton *>(button);
        QVERIFY(widget);
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    }

    // A flat button looks different when it has the keyboard focus.
    void focusShownOnFlatButtons_data()
    {
        QTest::addColumn<bool>("help");
        QTest::newRow("help window") << true;
        QTest::newRow("ration window") << false;
    }
    void focusShownOnFlatButtons()
    {
        QFETCH(bool, help);
        std::unique_ptr<THelpForm> helpForm;
        QWidget *window = form;
        if (help) {
            helpForm = std::make_unique<THelpForm>(form, "HelpForm", false);
            window = helpForm.get();
        }
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        int checked = 0;
        const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
        for (QPushButton *button : buttons) {
            if (!button->isFlat() || !button->isVisible())
                continue;
            button->setEnabled(true);
            button->clearFocus();
            QTRY_VERIFY(!button->hasFocus());
            const QImage plain = button->grab().toImage();
            button->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(button->hasFocus());
            const QImage focused = button->grab().toImage();
            QVERIFY2(plain != focused, qPrintable(button->objectName()));
            ++checked;
        }
        QVERIFY(checked >= 2);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
