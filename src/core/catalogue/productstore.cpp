#include "core/catalogue/productstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

ProductStore::ProductStore(const QString &path, QObject *parent) : QObject(parent), m_path(path) { }

QString ProductStore::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("products.tsv"));
}

KeptFile ProductStore::file() const { return KeptFile(m_path, OwnProducts::MaxFileSize); }

QList<OwnProducts::Problem> ProductStore::load()
{
    QList<OwnProducts::Problem> problems;
    m_products = file().readRecords<OwnProducts>(&problems);
    Q_EMIT changed();
    return problems;
}

template <typename Change> bool ProductStore::update(Change change, QString *error)
{
    OwnProducts fresh;
    if (!file().updateRecords(&fresh, change, error))
        return false;
    m_products = fresh;
    Q_EMIT changed();
    return true;
}

bool ProductStore::put(const FoodTable::Product &product, const QString &oldName, QString *error)
{
    return update(
        [&](OwnProducts &fresh) {
            const std::optional<OwnProducts::Refusal> refusal =
                fresh.check(product.name, product.valueList(), oldName);
            if (refusal) {
                if (error)
                    *error = refusal->message();
                return false;
            }
            fresh.put(product, oldName);
            return true;
        },
        error);
}

bool ProductStore::remove(const QString &name, QString *error)
{
    return update(
        [&](OwnProducts &fresh) {
            fresh.remove(name);
            return true;
        },
        error);
}

bool ProductStore::import(const QByteArray &data, QStringList *skipped,
                          QList<OwnProducts::Problem> *problems, QString *error)
{
    const OwnProducts incoming = OwnProducts::fromTsv(data, problems, skipped);
    return update(
        [&](OwnProducts &fresh) {
            // The file's products are checked as it is read; only a name
            // already among the user's products is left to find.
            for (const FoodTable::Product &product : incoming.products()) {
                if (fresh.find(product.name))
                    skipped->append(product.name);
                else
                    fresh.put(product);
            }
            return true;
        },
        error);
}
