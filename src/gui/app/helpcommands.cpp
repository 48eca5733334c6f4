#include "gui/app/helpcommands.h"

#include "core/platform/manuallocator.h"
#include "core/platform/trcontext.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/messagebox.h"
#include "gui/files/pagesaver.h"
#include "gui/help/helpform.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

// Texts of the main window's commands.
TR_CONTEXT(TMainForm)

void HelpCommands::showManual(QWidget *parent)
{
    auto *help = new THelpForm(parent, "HelpForm", false);
    help->setAttribute(Qt::WA_DeleteOnClose);
    QString path = ManualLocator::find();
    if (path.isEmpty()) {
        MessageBox::warning(parent, tr("Справка не найдена"),
                            tr("Не найден файл справки. \nПопытайтесь указать путь к файлу "
                               "вручную."));
        const QString chosen = FileDialog::openFileName(
            parent, tr("Открыть справку"), QDir::homePath(), tr(PageSaver::FileFilter));
        if (!chosen.isEmpty() && QFileInfo(chosen).isFile())
            path = chosen;
    }
    if (!path.isEmpty())
        help->TextBrowser->setSource(QUrl::fromLocalFile(path));
    help->showMaximized();
}

void HelpCommands::showAbout()
{
    MessageBox::about(nullptr, QObject::tr("О программе"),
                      QObject::tr("<h2>Rationix %1</h2>"
                                  "<p align=justify>© 2026 Разработчики Rationix. "
                                  "Программа распространяется свободно."
                                  "<p align=justify>Программа для расчёта пищевой ценности блюд, "
                                  "исходя из массы входящих в них продуктов.</p>"
                                  " <p align=justify>Значки нарисованы разработчиками Rationix "
                                  "специально для этой программы.</p>")
                          .arg(QStringLiteral(RATIONIX_VERSION)));
}
