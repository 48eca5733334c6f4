#include "gui/app/ownproductsload.h"

#include "core/catalogue/productstore.h"
#include "core/platform/trcontext.h"
#include "gui/dialogs/messagebox.h"

#include <QDir>
#include <QFileInfo>

// Texts of the main window's commands.
TR_CONTEXT(TMainForm)

void OwnProductsLoad::load(QWidget *parent, ProductStore &store)
{
    const QList<OwnProducts::Problem> problems = store.load();
    if (problems.isEmpty())
        return;
    if (problems.first().line == 0) {
        MessageBox::warning(
            parent, tr(OwnProducts::GroupTitle),
            tr("Ваши продукты не загружены: не удалось прочитать файл «%1»: %2. "
               "Пока файл не исправлен, изменения в них не сохраняются.")
                .arg(QDir::toNativeSeparators(store.path()), problems.first().reason));
        return;
    }
    QStringList lines{tr("Не все ваши продукты удалось прочитать из файла «%1»; "
                         "прочитанные загружены, остальные пропущены:")
                          .arg(QDir::toNativeSeparators(store.path()))};
    for (const OwnProducts::Problem &problem : problems)
        lines.append(problem.line > 0 ? tr("строка %1: %2").arg(problem.line).arg(problem.reason)
                                      : problem.reason);
    lines.append(tr("Перед следующей записью файл будет сохранён как «%1.bak».")
                     .arg(QFileInfo(store.path()).fileName()));
    MessageBox::warning(parent, tr(OwnProducts::GroupTitle), lines.join(QLatin1Char('\n')));
}
