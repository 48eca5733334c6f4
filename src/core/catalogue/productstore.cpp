#include "core/catalogue/productstore.h"

#include "core/platform/filelock.h"
#include "core/platform/plainfile.h"
#include "core/platform/safewrite.h"
#include "core/platform/systemerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

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

OwnProducts ProductStore::readFile(QList<OwnProducts::Problem> *problems, QString *unreadable) const
{
    const PlainFile::Read file = PlainFile::read(m_path, OwnProducts::MaxFileSize);
    if (file.status == PlainFile::Read::Refused) {
        *unreadable = file.reason;
        return OwnProducts();
    }
    return OwnProducts::fromTsv(file.bytes, problems);
}

QList<OwnProducts::Problem> ProductStore::load()
{
    QList<OwnProducts::Problem> problems;
    QString unreadable;
    m_products = readFile(&problems, &unreadable);
    if (!unreadable.isEmpty())
        problems = {{0, unreadable}};
    Q_EMIT changed();
    return problems;
}

namespace {

// Makes the folder and those above it; false with the folder named and the
// system's reason when one of them cannot be made.
bool makeFolder(const QString &folder, QString *error)
{
    if (QDir().mkpath(folder))
        return true;
    // mkpath does not say why: ask the first folder on the way that is missing.
    QString first = folder;
    for (QString up = QFileInfo(first).path(); up != first && !QFileInfo::exists(up);
         up = QFileInfo(first).path())
        first = up;
    int code = ::mkdir(QFile::encodeName(first).constData(), 0777) == 0 ? EIO : errno;
    if (code == EEXIST) // something that is no folder stands in its place
        code = ENOTDIR;
    if (error)
        *error = ProductStore::tr("не удалось создать папку «%1»: %2")
                     .arg(QDir::toNativeSeparators(folder), SystemError::reason(code));
    return false;
}

} // namespace

template <typename Change> bool ProductStore::update(Change change, QString *error)
{
    if (!makeFolder(QFileInfo(m_path).absolutePath(), error))
        return false;
    // Held across read, change and rename: another program's change waits
    // for ours and then reads it, rather than writing over it.
    FileLock lock(m_path);
    if (!lock.lock(LockWaitMs, error))
        return false;
    QList<OwnProducts::Problem> problems;
    QString unreadable;
    OwnProducts fresh = readFile(&problems, &unreadable);
    if (!unreadable.isEmpty()) {
        // Writing now would put the few new products in place of all those
        // the file holds.
        if (error)
            *error = tr("не удалось прочитать файл «%1»: %2")
                         .arg(QDir::toNativeSeparators(m_path), unreadable);
        return false;
    }
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
