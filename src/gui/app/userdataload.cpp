#include "gui/app/userdataload.h"

#include "core/catalogue/ownproducts.h"
#include "core/platform/trcontext.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/services.h"

#include <QDir>
#include <QFileInfo>

// Texts of the main window's commands.
TR_CONTEXT(TMainForm)

namespace {

// What to say of a file of the user's records that was not read whole.
struct Texts {
    QString title;
    QString unreadable; // %1 the file, %2 why
    QString damaged;    // %1 the file
};

void report(QWidget *parent, const QString &path, const QList<TsvLines::Problem> &problems,
            const Texts &texts)
{
    if (problems.isEmpty())
        return;
    if (problems.first().line == 0) {
        MessageBox::warning(
            parent, texts.title,
            texts.unreadable.arg(QDir::toNativeSeparators(path), problems.first().reason));
        return;
    }
    QStringList lines{texts.damaged.arg(QDir::toNativeSeparators(path))};
    for (const TsvLines::Problem &problem : problems)
        lines.append(problem.line > 0 ? tr("строка %1: %2").arg(problem.line).arg(problem.reason)
                                      : problem.reason);
    lines.append(tr("Перед следующей записью файл будет сохранён как «%1.bak».")
                     .arg(QFileInfo(path).fileName()));
    MessageBox::warning(parent, texts.title, lines.join(QLatin1Char('\n')));
}

} // namespace

void UserDataLoad::load(QWidget *parent, Services &services)
{
    ProductStore &products = services.products();
    report(parent, products.path(), products.load(),
           {tr(OwnProducts::GroupTitle),
            tr("Ваши продукты не загружены: не удалось прочитать файл «%1»: %2. "
               "Пока файл не исправлен, изменения в них не сохраняются."),
            tr("Не все ваши продукты удалось прочитать из файла «%1»; "
               "прочитанные загружены, остальные пропущены:")});
    ProfileStore &profiles = services.profiles();
    report(parent, profiles.path(), profiles.load(),
           {tr("Профили"),
            tr("Профили не загружены: не удалось прочитать файл «%1»: %2. "
               "Пока файл не исправлен, изменения в них не сохраняются."),
            tr("Не все профили удалось прочитать из файла «%1»; "
               "прочитанные загружены, остальные пропущены:")});
}
