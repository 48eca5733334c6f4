#include "filebytes.h"
#include "ration/productstore.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
FoodTable::Product product(const QString &name) { return {name, {"60", "20", "10", "5", "198"}}; }
} // namespace

class TestProductStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }

    void noFileNoProducts()
    {
        ProductStore store(m_dir.filePath(QStringLiteral("none/products.tsv")));
        QVERIFY(store.load().isEmpty());
        QVERIFY(store.products().isEmpty());
        QString error;
        QVERIFY2(store.put(product(QStringLiteral("Сырники")), {}, &error), qPrintable(error));
        QVERIFY(contents(store.path()).contains("Сырники"));
    }

    void twoProgramsKeepEachOthersChanges()
    {
        const QString path = m_dir.filePath(QStringLiteral("shared.tsv"));
        ProductStore first(path), second(path);
        first.load();
        second.load();
        QSignalSpy changed(&first, &ProductStore::changed);
        QVERIFY(first.put(product(QStringLiteral("Сырники")), {}, nullptr));
        QVERIFY(second.put(product(QStringLiteral("Оладьи")), {}, nullptr));
        QVERIFY(first.put(product(QStringLiteral("Блины")), {}, nullptr));
        QCOMPARE(first.products().products().size(), 3);
        QCOMPARE(changed.size(), 2);
        // A name the other program took meanwhile is refused, not doubled.
        QString error;
        QVERIFY(!second.put(product(QStringLiteral("блины")), {}, &error));
        QCOMPARE(error, QStringLiteral("Название: такой продукт уже есть среди ваших продуктов."));
        QVERIFY(second.remove(QStringLiteral("Сырники"), nullptr));
        QCOMPARE(ProductStore(path).load().size(), 0);
    }

    void damagedFileIsKeptOnce()
    {
        const QString path = m_dir.filePath(QStringLiteral("damaged.tsv"));
        const QByteArray damaged = OwnProducts().toTsv() + "Мои продукты\tСырники\t1\t2\t3\t4\t5\n"
            + "Мои продукты\tОшибка\tмного\n";
        QVERIFY(writeBytes(path, damaged));
        ProductStore store(path);
        const QList<OwnProducts::Problem> problems = store.load();
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems[0].line, 3);
        QCOMPARE(store.products().products().size(), 1);
        QVERIFY(store.put(product(QStringLiteral("Оладьи")), {}, nullptr));
        QCOMPARE(contents(path + QStringLiteral(".bak")), damaged);
        QVERIFY(!contents(path).contains("Ошибка"));
    }

    void importSkipsTakenNames()
    {
        ProductStore store(m_dir.filePath(QStringLiteral("import.tsv")));
        QVERIFY(store.put(product(QStringLiteral("Сырники")), {}, nullptr));
        OwnProducts other;
        other.put(product(QStringLiteral("сырники")));
        other.put(product(QStringLiteral("Вареники с вишней")));
        const QByteArray data =
            other.toTsv() + "Мои продукты\tБобы\t1\t1\t1\t1\t1\nплохая строка\n";
        QStringList skipped;
        QList<OwnProducts::Problem> problems;
        QVERIFY(store.import(data, &skipped, &problems, nullptr));
        QCOMPARE(skipped, (QStringList{"Бобы", "сырники"}));
        QCOMPARE(problems.size(), 1);
        QCOMPARE(store.products().products().size(), 2);
    }

    void failedWriteChangesNothing()
    {
        const QString blocker = m_dir.filePath(QStringLiteral("file"));
        QVERIFY(writeBytes(blocker, {}));
        ProductStore store(blocker + QStringLiteral("/products.tsv"));
        QString error;
        QVERIFY(!store.put(product(QStringLiteral("Сырники")), {}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(store.products().isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestProductStore)
#include "tst_productstore.moc"
