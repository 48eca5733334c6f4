#pragma once

#include "core/catalogue/ownproducts.h"
#include "core/platform/keptfile.h"

#include <QObject>

// Where the user's own products are kept (products.tsv in the program's data
// folder) and the one way to change them. The file is read once at start;
// each change reads it again, applies itself by name to what it finds and
// writes the result back at once, under a lock that other programs of ours
// wait for, so that two running programs keep each other's changes. A file
// that cannot be read is never written over. A file found damaged is kept as products.tsv.bak
// before it is first written over.
class ProductStore : public QObject
{
    Q_OBJECT

public:
    static constexpr int LockWaitMs = KeptFile::LockWaitMs;

    explicit ProductStore(const QString &path, QObject *parent = nullptr);

    // The products file of this user: products.tsv in the data folder.
    static QString defaultPath();

    QString path() const { return m_path; }
    const OwnProducts &products() const { return m_products; }

    // Reads the file (a missing file is no products and no problem). A file
    // that cannot be read at all loads nothing and is one problem, line 0.
    QList<OwnProducts::Problem> load();

    // Adds a product, or replaces the one called oldName; false with a
    // reason when the product is refused or the file cannot be written.
    bool put(const FoodTable::Product &product, const QString &oldName, QString *error);
    bool remove(const QString &name, QString *error);
    // Adds the products of another file; names already taken are skipped and
    // listed in skipped, bad lines in problems.
    bool import(const QByteArray &data, QStringList *skipped, QList<OwnProducts::Problem> *problems,
                QString *error);

Q_SIGNALS:
    void changed();

private:
    // Reads the file again, lets change edit what was read, writes it back.
    template <typename Change> bool update(Change change, QString *error);
    KeptFile file() const;

    QString m_path;
    OwnProducts m_products;
};
