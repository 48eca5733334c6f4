#include "gui/files/pagesaver.h"

#include "core/platform/filestamp.h"
#include "core/platform/safewrite.h"
#include "core/platform/trcontext.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/messagebox.h"

#include <QDir>
#include <QFile>

TR_CONTEXT(PageSaver)

namespace {

// A yes-or-no question of the saving, no being the safe answer.
bool confirm(QWidget *parent, const QString &title, const QString &text)
{
    return MessageBox::confirm(parent, QMessageBox::Warning, title, text);
}

// Asks every question that replacing the file at path raises; false as
// soon as one is answered no, or the file may not be replaced at all.
bool mayReplace(QWidget *parent, const QString &path, const DocumentFile *document,
                bool askToReplace)
{
    const SafeWrite::Target target = SafeWrite::inspect(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (target.exists && !target.regular) {
        MessageBox::critical(parent, tr("Ошибка сохранения"),
                             tr("«%1» не является обычным файлом: сохранить в него рацион "
                                "нельзя.")
                                 .arg(shown));
        return false;
    }
    if (!target.exists)
        return true;
    const QString title = tr("Такой файл уже существует!");
    if (askToReplace && !confirm(parent, title, tr("Перезаписать существующий файл?")))
        return false;
    if (document && document->changedOnDisk(path)
        && !confirm(parent, title,
                    tr("Файл «%1» изменён другой программой после того, как был загружен или "
                       "сохранён в этом окне. Перезаписать его?")
                        .arg(shown)))
        return false;
    if (target.links > 1
        && !confirm(parent, title,
                    tr("У файла «%1» есть другие имена (жёсткие ссылки); они сохранят прежнее "
                       "содержимое. Сохранить?")
                        .arg(shown)))
        return false;
    if (!target.ownerKept
        && !confirm(parent, title,
                    tr("Файл «%1» принадлежит другому пользователю; после сохранения его "
                       "владельцем станете вы. Сохранить?")
                        .arg(shown)))
        return false;
    return true;
}

// Writes the page, once the user has agreed to everything replacing the
// file at path asks; returns path, or an empty text after a message.
QString write(QWidget *parent, const QString &path, const QByteArray &bytes, DocumentFile *document)
{
    // U+FFFD in UTF-8.
    if (bytes.contains("\xEF\xBF\xBD")
        && !confirm(parent, tr("Нечитаемые буквы"),
                    tr("Некоторые буквы прочитать не удалось, вместо них стоит знак «%1». "
                       "Сохранить файл так?")
                        .arg(QChar(QChar::ReplacementCharacter))))
        return QString();
    QString error;
    if (!SafeWrite::writeFile(path, bytes, &error)) {
        MessageBox::critical(
            parent, tr("Ошибка сохранения"),
            tr("Не удалось сохранить файл «%1»: %2.").arg(QDir::toNativeSeparators(path), error));
        return QString();
    }
    if (document)
        document->take(path);
    return path;
}

} // namespace

QString PageSaver::save(QWidget *parent, const QString &caption, const QString &proposedName,
                        const QString &text, DocumentFile *document)
{
    const QString chosen =
        FileDialog::saveFileName(parent, caption, FileDialog::lastFolder(),
                                 SafeWrite::proposedFileName(proposedName), tr(FileFilter));
    if (chosen.isEmpty())
        return QString();
    const QString path = SafeWrite::withHtmlSuffix(chosen);
    if (!mayReplace(parent, path, document, true))
        return QString();
    return write(parent, path, text.toUtf8(), document);
}

QString PageSaver::saveTo(QWidget *parent, const QString &path, const QString &text,
                          DocumentFile *document)
{
    if (!mayReplace(parent, path, document, false))
        return QString();
    return write(parent, path, text.toUtf8(), document);
}

QString PageSaver::saveChosen(QWidget *parent, const QString &path, const QByteArray &bytes)
{
    if (!mayReplace(parent, path, nullptr, true))
        return QString();
    return write(parent, path, bytes, nullptr);
}
