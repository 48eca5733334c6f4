// The ration editor with long rations: adding one product (mass dialog
// answered at once) to a ration of 10,000 and of 40,000 rows, loading such
// rations into an editor that is shown, and the memory that many scalings
// of a long ration hold for undo.

#include "benchservices.h"
#include "benchutil.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/massform.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

namespace {

// Answers every mass dialog with 150 g as soon as it shows.
class MassAnswer : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *form = qobject_cast<TMassForm *>(watched);
        if (form && event->type() == QEvent::Show) {
            QMetaObject::invokeMethod(
                form,
                [form] {
                    form->MassEdit->setText(QStringLiteral("150"));
                    form->AddButton->click();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

Ration ration(int rows)
{
    Ration r;
    r.name = QStringLiteral("Большой рацион");
    for (int i = 0; i < rows; ++i)
        r.rows.append({QStringLiteral("Бобы"), QString::number(100 + i % 50), QStringLiteral("83"),
                       QStringLiteral("6"), QStringLiteral("0.1"), QStringLiteral("8.3"),
                       QStringLiteral("58")});
    return r;
}

// Resident memory with a 40,000-row ration shown, then after 40 scalings
// of it (doubling and halving in turn), each of which can be undone.
void scalingMemory()
{
    const int scalings = 40;
    TCentralWidget editor(bench::services());
    editor.loadRation(ration(40000));
    editor.show();
    QCoreApplication::processEvents();
    const long before = bench::statusKiB("VmRSS");
    for (int i = 0; i < scalings; ++i) {
        editor.scale(RationScale::Mode::Factor,
                     i % 2 == 0 ? QStringLiteral("2") : QStringLiteral("0.5"));
        QCoreApplication::processEvents();
    }
    const long after = bench::statusKiB("VmRSS");
    bench::report("resident memory, 40000-row ration shown", before / 1024.0, "MiB");
    bench::report("  after 40 scalings of it", after / 1024.0, "MiB");
    bench::report("  growth per scaling", (after - before) / 1024.0 / scalings, "MiB");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MassAnswer answer;
    app.installEventFilter(&answer);
    // Memory first, before the timing runs leave freed memory behind.
    scalingMemory();

    for (const int rows : {10000, 40000}) {
        TCentralWidget editor(bench::services());
        editor.loadRation(ration(rows));
        editor.show();
        QCoreApplication::processEvents();
        const QAbstractItemModel *foods = editor.FoodsList->model();
        editor.FoodsList->setCurrentIndex(foods
                                              ->match(foods->index(0, 0), Qt::DisplayRole,
                                                      QStringLiteral("Бобы"), 1,
                                                      Qt::MatchExactly | Qt::MatchRecursive)
                                              .value(0));
        const double ms = bench::medianMs(9, [&editor] {
            editor.AddButton->click();
            QCoreApplication::processEvents();
        });
        const QByteArray label =
            QStringLiteral("add a product to a %1-row ration (median)").arg(rows).toUtf8();
        bench::report(label.constData(), ms, "ms");
    }

    for (const int rows : {10000, 40000}) {
        const Ration big = ration(rows);
        const double ms = bench::medianMs(5, [&big] {
            TCentralWidget editor(bench::services());
            editor.loadRation(big);
            editor.show();
            QCoreApplication::processEvents();
        });
        const QByteArray label =
            QStringLiteral("load %1 rows into a shown editor (median)").arg(rows).toUtf8();
        bench::report(label.constData(), ms, "ms");
    }
    return 0;
}
