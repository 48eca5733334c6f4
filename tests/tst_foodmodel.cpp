#include "core/catalogue/foodmodel.h"
#include "core/catalogue/ownproducts.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <QTest>

class TestFoodModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The own group comes and goes at the top; an index kept by a view (the
    // selected product) still points at the same product afterwards.
    void ownGroupAtTheTop()
    {
        FoodModel model(FoodTable::builtIn());
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int groups = model.rowCount();
        const QPersistentModelIndex firstGroup = model.index(0, 0);
        const QPersistentModelIndex product = model.index(2, 0, firstGroup);
        const QString productName = product.data().toString();

        OwnProducts own;
        own.put({QStringLiteral("Сырники"), {"60", "20", "10", "5", "198"}});
        own.put({QStringLiteral("Оладьи"), {"40", "6", "10", "40", "280"}});
        model.setOwnProducts(own);
        QCOMPARE(model.rowCount(), groups + 1);
        const QModelIndex ownGroup = model.index(0, 0);
        QCOMPARE(ownGroup.data().toString(), OwnProducts::groupName());
        QCOMPARE(model.rowCount(ownGroup), 2);
        QCOMPARE(model.index(0, 0, ownGroup).data().toString(), QStringLiteral("Оладьи"));
        QCOMPARE(model.index(1, FoodModel::columnOf(Nutrients::Energy), ownGroup).data().toString(),
                 QStringLiteral("198"));
        QCOMPARE(product.data().toString(), productName);
        QCOMPARE(product.parent(), QModelIndex(firstGroup));

        // One product more, one changed: the others keep their indexes.
        const QPersistentModelIndex kept = model.index(1, 0, ownGroup);
        own.put({QStringLiteral("Блины"), {"45", "6", "7", "39", "253"}});
        own.put({QStringLiteral("Оладьи"), {"40", "6", "10", "40", "290"}});
        model.setOwnProducts(own);
        QCOMPARE(model.rowCount(ownGroup), 3);
        QCOMPARE(kept.data().toString(), QStringLiteral("Сырники"));
        QCOMPARE(kept.row(), 2);
        QCOMPARE(model.index(1, FoodModel::columnOf(Nutrients::Energy), ownGroup).data().toString(),
                 QStringLiteral("290"));

        own.remove(QStringLiteral("Оладьи"));
        own.remove(QStringLiteral("Блины"));
        model.setOwnProducts(own);
        QCOMPARE(model.rowCount(model.index(0, 0)), 1);

        model.setOwnProducts(OwnProducts());
        QCOMPARE(model.rowCount(), groups);
        QCOMPARE(product.data().toString(), productName);
        QCOMPARE(firstGroup.row(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFoodModel)
#include "tst_foodmodel.moc"
