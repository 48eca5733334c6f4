#pragma once

#include <QString>

class QCoreApplication;

// Qt's own texts (the buttons and labels of the standard file, print and
// message dialogs) in Russian, to match the program's own texts. The
// translations come from the system (Debian: qt6-translations-l10n); without
// them the standard dialogs stay in English.
namespace QtTranslations {

// Loads the translation of that file base name ("qtbase") for Russian from
// the folder and installs it on the application; returns whether it did.
bool installRussian(QCoreApplication *app, const QString &folder,
                    const QString &baseName = QStringLiteral("qtbase"));
// The same from Qt's own translations folder.
bool installRussian(QCoreApplication *app);

} // namespace QtTranslations
