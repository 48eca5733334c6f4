#include "core/platform/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool QtTranslations::installRussian(QCoreApplication *app, const QString &folder,
                                    const QString &baseName)
{
    auto *translator = new QTranslator(app);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), baseName, QStringLiteral("_"),
                          folder)
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

bool QtTranslations::installRussian(QCoreApplication *app)
{
    return installRussian(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
