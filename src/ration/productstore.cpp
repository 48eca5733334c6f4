#include "ration/productstore.h"

#include "files/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

ProductStore::ProductStore(const QString &path, QObject *parent) : QObject(parent), m_path(path) { }

QString ProductStore::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("products.tsv"));
}

ProductStore &ProductStore::user()
{
    static ProductStore *store = new ProductStore(defaultPath(), QCoreApplication::instance());
    return *store;
}

OwnProducts ProductStore::readFile(QList<OwnProducts::Problem> *problems) const
{
    QFile file(m_path);
    if (!file.exists())
        return OwnProducts();
    if (!file.open(QIODevice::ReadOnly)) {
        problems->append({0, file.errorString()});
        return OwnProducts();
    }
    // One byte past the limit is enough to refuse a file that is too large.
    return OwnProducts::fromTsv(file.read(OwnProducts::MaxFileSize + 1), problems);
}

QList<OwnProducts::Problem> ProductStore::load()
{
    QList<OwnProducts::Problem> problems;
    m_products = readFile(&problems);
    Q_EMIT changed();
    return problems;
}

template <typename Change> bool ProductStore::update(Change change, QString *error)
{
    QList<OwnProducts::Problem> problems;
    OwnProducts fresh = readFile(&problems);
    if (!change(fresh))
        return false;
    if (!problems.isEmpty() && QFile::exists(m_path)) {
        const QString backup = m_path + QStringLiteral(".bak");
        QFile::remove(backup);
        if (!QFile::copy(m_path, backup)) {
            if (error)
                *error = tr("не удалось сохранить копию повреждённого файла «%1»").arg(backup);
            return false;
        }
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (!SafeWrite::writeFile(m_path, fresh.toTsv(), error))
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
