#include "gui/files/csvfiles.h"

#include "core/catalogue/foodtable.h"
#include "core/page/csvimport.h"
#include "core/page/rationtable.h"
#include "core/page/textencoding.h"
#include "core/platform/plainfile.h"
#include "core/platform/safewrite.h"
#include "core/ration/rationmodel.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/messagebox.h"
#include "gui/files/pagesaver.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The lines a message lists before it only counts the rest.
constexpr int ListedProblems = 20;

} // namespace

bool CsvFiles::exportRation(QWidget *parent, const Ration &ration)
{
    return exportTable(parent, RationTable::of(ration), ration.name);
}

bool CsvFiles::exportTable(QWidget *parent, const FigureTable &table, const QString &name)
{
    const QString semicolon = tr("CSV, точка с запятой и десятичная запятая (*.csv)");
    const QString comma = tr("CSV, запятая и десятичная точка (*.csv)");
    QString filter;
    const QString chosen = FileDialog::saveFileName(
        parent, tr("Экспорт в CSV"), FileDialog::lastFolder(), SafeWrite::proposedFileName(name),
        semicolon + QStringLiteral(";;") + comma, &filter);
    if (chosen.isEmpty())
        return false;
    const auto dialect =
        filter == comma ? FigureTable::Dialect::Comma : FigureTable::Dialect::Semicolon;
    return !PageSaver::saveChosen(parent, SafeWrite::withSuffix(chosen, QStringLiteral(".csv")),
                                  table.csvFile(dialect))
                .isEmpty();
}

CsvFiles::Import CsvFiles::read(QWidget *parent, const OwnProducts &own)
{
    Import import;
    import.path = FileDialog::openFileName(parent, tr("Импорт из CSV"), FileDialog::lastFolder(),
                                           tr("Файлы CSV (*.csv *.txt)") + QStringLiteral(";;")
                                               + tr("Все файлы (*)"));
    if (import.path.isEmpty())
        return import;
    const QString shown = QDir::toNativeSeparators(import.path);
    const PlainFile::Read file = PlainFile::read(import.path, MaxFileSize);
    if (file.status != PlainFile::Read::Ok) {
        const QString reason =
            file.status == PlainFile::Read::Missing ? tr("файл не существует") : file.reason;
        MessageBox::critical(parent, tr("Импорт из CSV"),
                             tr("Не удалось прочитать файл «%1»: %2.").arg(shown, reason));
        import.path.clear();
        return import;
    }
    const TextEncoding::Decoded text = TextEncoding::decode(file.bytes);
    if (file.bytes.contains('\0') || text.kind == TextEncoding::Decoded::Unreadable) {
        MessageBox::critical(parent, tr("Импорт из CSV"),
                             tr("Файл «%1» — не текст: в нём нет строк с названиями продуктов "
                                "и массами.")
                                 .arg(shown));
        import.path.clear();
        return import;
    }
    const CsvImport::Result result = CsvImport::read(text.text, FoodTable::builtIn(), own);
    for (const CsvImport::Row &row : result.rows) {
        import.rows.append(RationModel::productRow(row.name, row.mass, row.per100g));
        import.rows.last().setWaste(row.waste);
    }
    import.problems = result.problems;
    return import;
}

void CsvFiles::report(QWidget *parent, const Import &import)
{
    if (import.path.isEmpty() || (import.problems.isEmpty() && !import.rows.isEmpty()))
        return;
    const QString name = QFileInfo(import.path).fileName();
    if (import.problems.isEmpty()) {
        MessageBox::warning(
            parent, tr("Импорт из CSV"),
            tr("В файле «%1» нет строк с названием продукта и массой в граммах.").arg(name));
        return;
    }
    QStringList lines = import.problems.mid(0, ListedProblems);
    if (import.problems.size() > ListedProblems)
        lines.append(tr("… и ещё строк: %1").arg(import.problems.size() - ListedProblems));
    MessageBox::warning(
        parent, tr("Импорт из CSV"),
        tr("Добавлено строк: %1. Из файла «%2» не добавлены:").arg(import.rows.size()).arg(name)
            + QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
}
