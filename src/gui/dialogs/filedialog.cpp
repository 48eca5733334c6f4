#include "gui/dialogs/filedialog.h"

#include "gui/dialogs/messagebox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <optional>
#include <utility>

namespace {
std::optional<QString> nextFileName;
QString nextFilter;
QString folderLastUsed;
QList<FileDialog::Asked> asked;

// The chosen file, its folder remembered for the next dialog.
QString chosenFile(const QString &path)
{
    if (!path.isEmpty())
        folderLastUsed = QFileInfo(path).absolutePath();
    return path;
}

// The answer queued by a test, or the dialog's, as configure sets it up.
template <typename Configure>
QString ask(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
            Configure configure, QString *chosenFilter = nullptr, bool save = false)
{
    asked.append({parent, caption, dir, filter, save, MessageBox::history().size()});
    if (const std::optional<QString> queued = std::exchange(nextFileName, std::nullopt)) {
        const QString queuedFilter = std::exchange(nextFilter, QString());
        if (chosenFilter)
            *chosenFilter =
                queuedFilter.isEmpty() ? filter.section(QStringLiteral(";;"), 0, 0) : queuedFilter;
        return chosenFile(*queued);
    }
    QFileDialog dialog(parent, caption, dir, filter);
    configure(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    if (chosenFilter)
        *chosenFilter = dialog.selectedNameFilter();
    return chosenFile(dialog.selectedFiles().value(0));
}
} // namespace

QString FileDialog::lastFolder()
{
    return folderLastUsed.isEmpty() || !QFileInfo(folderLastUsed).isDir() ? QDir::homePath()
                                                                          : folderLastUsed;
}

const QList<FileDialog::Asked> &FileDialog::history() { return asked; }

void FileDialog::clearHistory() { asked.clear(); }

void FileDialog::setLastFolder(const QString &folder) { folderLastUsed = folder; }

void FileDialog::setNextFileName(const QString &fileName, const QString &filter)
{
    nextFileName = fileName;
    nextFilter = filter;
}

QString FileDialog::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &selection, const QString &filter,
                                 QString *chosenFilter)
{
    return ask(
        parent, caption, dir, filter,
        [&selection](QFileDialog &dialog) {
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
            // The program asks about overwriting itself, about the file it
            // will really write (which may carry an added suffix).
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
            dialog.selectFile(selection);
        },
        chosenFilter, true);
}

QString FileDialog::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
{
    return ask(parent, caption, dir, filter, [](QFileDialog &dialog) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    });
}
