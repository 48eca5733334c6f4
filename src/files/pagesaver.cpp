#include "files/pagesaver.h"

#include "dialogs/filedialog.h"
#include "dialogs/messagebox.h"
#include "files/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {
QString tr(const char *text) { return QCoreApplication::translate("PageSaver", text); }

// Asks whether the existing file may be replaced.
bool confirmOverwrite(QWidget *parent)
{
    return MessageBox::ask(parent, QMessageBox::Warning, tr("Такой файл уже существует!"),
                           tr("Перезаписать существующий файл?"),
                           {{QMessageBox::Yes, tr("&Да")}, {QMessageBox::No, tr("&Нет")}},
                           QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}
} // namespace

QString PageSaver::save(QWidget *parent, const QString &caption, const QString &proposedName,
                        const QString &text)
{
    const QString chosen = FileDialog::saveFileName(parent, caption, QDir::homePath(),
                                                    SafeWrite::proposedFileName(proposedName),
                                                    tr("Файл HTML (*.html)"));
    if (chosen.isEmpty())
        return QString();
    QString path = SafeWrite::withHtmlSuffix(chosen);
    if (QFile::exists(path) && !confirmOverwrite(parent))
        return QString();
    QString error;
    if (!SafeWrite::writeFile(path, text.toUtf8(), &error)) {
        MessageBox::critical(
            parent, tr("Ошибка сохранения"),
            tr("Не удалось сохранить файл «%1»: %2.").arg(QDir::toNativeSeparators(path), error));
        return QString();
    }
    return path;
}
