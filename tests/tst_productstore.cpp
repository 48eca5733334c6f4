#include "core/catalogue/productstore.h"
#include "core/nutrition/numbertext.h"
#include "core/platform/filelock.h"
#include "fifo.h"
#include "filebytes.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
FoodTable::Product product(const QString &name) { return {name, {"60", "20", "10", "5", "198"}}; }
QByteArray line(const QByteArray &name, const QByteArray &values = "60\t20\t10\t5\t198")
{
    return "Мои продукты\t" + name + '\t' + values + '\n';
}
// Started as a second program by twoProcessesAddingKeepBoth: adds a product.
const char *const AddArgument = "--add";
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
        QVERIFY2(error.contains(QDir::toNativeSeparators(blocker)), qPrintable(error));
        QVERIFY(store.products().isEmpty());
    }

    // At start and on import alike: a first line is a header only when no
    // value of it is a number, and values are kept with a decimal point.
    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("read"); // name and water of each product
        QTest::addColumn<int>("problemLine");  // 0: none
        const QByteArray cottage = line("Творог", "64,7\t16,7\t9\t2\t159");
        QTest::newRow("our header")
            << OwnProducts().toTsv() + cottage << QStringList{"Творог 64.7"} << 0;
        QTest::newRow("no header") << cottage + line("Квас", "92\t0,2\t0\t5,2\t27")
                                   << QStringList{"Творог 64.7", "Квас 92"} << 0;
        QTest::newRow("spreadsheet header")
            << "\xef\xbb\xbfГруппа\tПродукт\tВода\tБелок\tЖиры\tУглеводы\tККал\r\n" + cottage
            << QStringList{"Творог 64.7"} << 0;
        QTest::newRow("damaged first product")
            << line("Квас", "много\t0\t0\t5\t27") + cottage << QStringList{"Творог 64.7"} << 1;
    }
    void readsLines()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, read);
        QFETCH(int, problemLine);
        const auto names = [](const ProductStore &store) {
            QStringList found;
            for (const FoodTable::Product &p : store.products().products())
                found.append(p.name + QLatin1Char(' ') + p.values[Nutrients::Water]);
            return found;
        };
        const QString path = m_dir.filePath(QStringLiteral("lines.tsv"));
        QVERIFY(writeBytes(path, data));
        ProductStore started(path);
        const QList<OwnProducts::Problem> problems = started.load();
        QCOMPARE(names(started), read);
        QCOMPARE(problems.value(0).line, problemLine);

        QFile::remove(path);
        ProductStore importing(path);
        QStringList skipped;
        QList<OwnProducts::Problem> importProblems;
        QVERIFY(importing.import(data, &skipped, &importProblems, nullptr));
        QCOMPARE(names(importing), read);
        QCOMPARE(ProductStore(path).load().size(), 0);
        const FoodTable::Product *cottage = importing.products().find(QStringLiteral("творог"));
        QVERIFY(cottage);
        QCOMPARE(NumberText::scale(QStringLiteral("200"), cottage->values[Nutrients::Water]),
                 QStringLiteral("129.4"));
        QVERIFY(contents(path).contains("\t64.7\t16.7\t9\t2\t159\n"));
    }

    // A file that cannot be read loads nothing, says why, returns at once,
    // and is never written over: its products are not the store's to drop.
    void unreadableFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder"
                                << "это папка";
        QTest::newRow("FIFO") << "fifo"
                              << "это не обычный файл";
        QTest::newRow("over 10 MB") << "large"
                                    << "файл больше 10 МБ";
    }
    void unreadableFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QTemporaryDir dir;
        const QString path = dir.filePath(kind);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const Fifo fifo(dir.filePath(QStringLiteral("fifo")));
        QFile large(dir.filePath(QStringLiteral("large")));
        QVERIFY(large.open(QIODevice::WriteOnly));
        QVERIFY(large.write(OwnProducts().toTsv() + line("Квас")) > 0);
        QVERIFY(large.resize(OwnProducts::MaxFileSize + 1));
        large.close();

        ProductStore store(path);
        QList<OwnProducts::Problem> problems;
        QVERIFY(returnsAtOnce([&] { problems = store.load(); }));
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems[0].line, 0);
        QCOMPARE(problems[0].reason, reason);
        QString error;
        QVERIFY(returnsAtOnce(
            [&] { QVERIFY(!store.put(product(QStringLiteral("Сырники")), {}, &error)); }));
        QCOMPARE(error,
                 QStringLiteral("не удалось прочитать файл «%1»: %2")
                     .arg(QDir::toNativeSeparators(path), reason));
        QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
        QCOMPARE(QFileInfo(large).size(), OwnProducts::MaxFileSize + 1);
    }

    // Another program adds its product while ours holds the lock, as if in
    // the middle of our write: it waits, then keeps ours beside its own.
    void twoProcessesAddingKeepBoth()
    {
        const QString path = m_dir.filePath(QStringLiteral("two.tsv"));
        QProcess other;
        {
            FileLock ours(path);
            QVERIFY(ours.lock(0, nullptr));
            other.start(QCoreApplication::applicationFilePath(),
                        {QString::fromLatin1(AddArgument), path, QStringLiteral("Оладьи")});
            QVERIFY(other.waitForStarted());
            QVERIFY(!other.waitForFinished(1000)); // it waits for our lock
            OwnProducts mine;
            mine.put(product(QStringLiteral("Сырники")));
            QVERIFY(writeBytes(path, mine.toTsv()));
        }
        QVERIFY(other.waitForFinished(ProductStore::LockWaitMs));
        QCOMPARE(other.exitCode(), 0);
        ProductStore both(path);
        both.load();
        QVERIFY(both.products().find(QStringLiteral("Сырники")));
        QVERIFY(both.products().find(QStringLiteral("Оладьи")));
    }

    void lockNotToBeHad()
    {
        const QString path = m_dir.filePath(QStringLiteral("locked.tsv"));
        FileLock other(path);
        QVERIFY(other.lock(0, nullptr));
        ProductStore store(path);
        QString error;
        QVERIFY(!store.put(product(QStringLiteral("Сырники")), {}, &error));
        QCOMPARE(error,
                 QStringLiteral("файл «%1» сейчас изменяет другая программа Rationix; "
                                "попробуйте ещё раз через несколько секунд")
                     .arg(QDir::toNativeSeparators(path)));
        QVERIFY(!QFile::exists(path));
    }

private:
    QTemporaryDir m_dir;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], AddArgument) == 0) {
        ProductStore store(QString::fromLocal8Bit(argv[2]));
        return store.put(product(QString::fromLocal8Bit(argv[3])), {}, nullptr) ? 0 : 1;
    }
    TestProductStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_productstore.moc"
