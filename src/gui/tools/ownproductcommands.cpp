#include "gui/tools/ownproductcommands.h"

#include "core/catalogue/ownproducts.h"
#include "core/catalogue/productstore.h"
#include "core/nutrition/numbertext.h"
#include "core/nutrition/nutrients.h"
#include "core/platform/plainfile.h"
#include "core/ration/dish.h"
#include "core/ration/ration.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/messagebox.h"
#include "gui/files/pagesaver.h"
#include "gui/tools/productdialog.h"

#include <QDir>

namespace {

QString tsvFilter() { return OwnProductCommands::tr("Таблица продуктов (*.tsv)"); }

void reportWriteError(QWidget *parent, const QString &error)
{
    MessageBox::critical(parent, OwnProductCommands::tr(OwnProducts::GroupTitle),
                         OwnProductCommands::tr("Изменение не сохранено: %1").arg(error));
}

bool putFromDialog(QWidget *parent, ProductStore &store, const QString &oldName,
                   const FoodTable::Product *proposed = nullptr, QString *savedName = nullptr)
{
    ProductDialog dialog(store, oldName, parent);
    if (const FoodTable::Product *old = store.products().find(oldName))
        dialog.setProduct(*old);
    else if (proposed)
        dialog.setProduct(*proposed);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (savedName)
        *savedName = dialog.product().name;
    return true;
}

// A dish's value per 100 g as the product dialog takes it back: a trace
// that six significant digits write as "1e-05" is written out ("0.00001").
QString offeredValue(const QString &text)
{
    if (!text.contains(QLatin1Char('e')))
        return text;
    QString fixed = QString::number(NumberText::parse(text), 'f', 6);
    while (fixed.endsWith(QLatin1Char('0')))
        fixed.chop(1);
    if (fixed.endsWith(QLatin1Char('.')))
        fixed.chop(1);
    return fixed;
}

} // namespace

bool OwnProductCommands::add(QWidget *parent, ProductStore &store)
{
    return putFromDialog(parent, store, QString());
}

bool OwnProductCommands::addDish(QWidget *parent, ProductStore &store, const Ration &ration,
                                 QString *savedName)
{
    const Dish dish(ration.totals, ration.yield, ration.portions);
    if (!(dish.yield() > 0.0)) {
        MessageBox::warning(parent, tr("Сохранить как продукт"),
                            tr("В рационе нет продуктов: сохранять как продукт нечего."));
        return false;
    }
    const QStringList per100g = dish.per100g();
    FoodTable::Product product;
    product.name = ration.name.trimmed();
    for (const Nutrients::Nutrient &nutrient : Nutrients::all())
        product.values[size_t(nutrient.id)] =
            offeredValue(per100g.value(Nutrients::afterMass(nutrient.id)));
    return putFromDialog(parent, store, QString(), &product, savedName);
}

bool OwnProductCommands::edit(QWidget *parent, ProductStore &store, const QString &name)
{
    return store.products().find(name) && putFromDialog(parent, store, name);
}

bool OwnProductCommands::remove(QWidget *parent, ProductStore &store, const QString &name)
{
    if (!store.products().find(name))
        return false;
    const QString question = tr("Удалить продукт «%1» из ваших продуктов? Рационы, в которых он "
                                "есть, не изменятся.")
                                 .arg(name);
    if (!MessageBox::confirm(parent, QMessageBox::Question, tr(OwnProducts::GroupTitle), question))
        return false;
    QString error;
    if (!store.remove(name, &error)) {
        reportWriteError(parent, error);
        return false;
    }
    return true;
}

bool OwnProductCommands::importFile(QWidget *parent, ProductStore &store)
{
    const QString path = FileDialog::openFileName(parent, tr("Импорт продуктов"),
                                                  FileDialog::lastFolder(), tsvFilter());
    if (path.isEmpty())
        return false;
    const PlainFile::Read file = PlainFile::read(path, OwnProducts::MaxFileSize);
    if (file.status != PlainFile::Read::Ok) {
        const QString reason =
            file.status == PlainFile::Read::Missing ? tr("файл не существует") : file.reason;
        MessageBox::critical(
            parent, tr("Импорт продуктов"),
            tr("Не удалось прочитать файл «%1»: %2.").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    QStringList skipped;
    QList<OwnProducts::Problem> problems;
    QString error;
    const int before = int(store.products().products().size());
    if (!store.import(file.bytes, &skipped, &problems, &error)) {
        reportWriteError(parent, error);
        return false;
    }
    const int added = int(store.products().products().size()) - before;
    QString report = tr("Добавлено продуктов: %1.").arg(added);
    if (!skipped.isEmpty())
        report += QLatin1Char('\n')
            + tr("Пропущены, потому что такие названия уже есть: %1.")
                  .arg(skipped.join(QStringLiteral(", ")));
    for (const OwnProducts::Problem &problem : problems)
        report += QLatin1Char('\n')
            + (problem.line > 0 ? tr("Строка %1: %2").arg(problem.line).arg(problem.reason)
                                : problem.reason);
    MessageBox::information(parent, tr("Импорт продуктов"), report);
    return added > 0;
}

void OwnProductCommands::exportFile(QWidget *parent, const ProductStore &store)
{
    const QString path =
        FileDialog::saveFileName(parent, tr("Экспорт продуктов"), FileDialog::lastFolder(),
                                 tr("Мои_продукты.tsv"), tsvFilter());
    if (path.isEmpty())
        return;
    // A file there is replaced only when the user agrees, as a ration's is;
    // what went wrong has been said.
    if (PageSaver::saveChosen(parent, path, store.products().toTsv()).isEmpty())
        return;
    const QString shownPath = QDir::toNativeSeparators(path);
    MessageBox::information(parent, tr("Экспорт продуктов"),
                            tr("Сохранено продуктов: %1, в файл «%2».")
                                .arg(store.products().products().size())
                                .arg(shownPath));
}
