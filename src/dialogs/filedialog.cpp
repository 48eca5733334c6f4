#include "dialogs/filedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <optional>

namespace {
std::optional<QString> nextFileName;
QString folderLastUsed;

// The chosen file, its folder remembered for the next dialog.
QString chosenFile(const QString &path)
{
    if (!path.isEmpty())
        folderLastUsed = QFileInfo(path).absolutePath();
    return path;
}
} // namespace

QString FileDialog::lastFolder()
{
    return folderLastUsed.isEmpty() || !QFileInfo(folderLastUsed).isDir() ? QDir::homePath()
                                                                          : folderLastUsed;
}

void FileDialog::setLastFolder(const QString &folder) { folderLastUsed = folder; }

bool FileDialog::takeNext(QString *fileName)
{
    if (!nextFileName)
        return false;
    *fileName = *nextFileName;
    nextFileName.reset();
    return true;
}

void FileDialog::setNextFileName(const QString &fileName) { nextFileName = fileName; }

QString FileDialog::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &selection, const QString &filter)
{
    QString chosen;
    if (takeNext(&chosen))
        return chosenFile(chosen);
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks about overwriting itself, about the file it will
    // really write (which may carry an added suffix).
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(selection);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return chosenFile(dialog.selectedFiles().value(0));
}

QString FileDialog::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
{
    QString chosen;
    if (takeNext(&chosen))
        return chosenFile(chosen);
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return chosenFile(dialog.selectedFiles().value(0));
}
