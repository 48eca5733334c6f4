#include "core/platform/qttranslations.h"
#include "gui/app/instancelink.h"
#include "gui/app/mainform.h"
#include "gui/ration/services.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rationix"));
    QApplication::setOrganizationName(QStringLiteral("Rationix"));
    QApplication::setApplicationVersion(QStringLiteral(RATIONIX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.rationix"));
    QtTranslations::installRussian(&app);

    // Every argument that Qt left is a file to open. The running program
    // may have another working directory, so the paths travel absolute.
    QStringList files;
    const QStringList arguments = QApplication::arguments().mid(1);
    for (const QString &argument : arguments)
        files.append(QFileInfo(argument).absoluteFilePath());

    InstanceLink link;
    if (link.sendToRunning(files))
        return 0;
    link.listen();

    // The user's products and profiles, and the food list they feed, made
    // once and handed to the windows.
    Services services;
    // A start with files opens no empty ration only to close it again.
    auto *mainForm = new TMainForm(services, nullptr, "MainForm", {}, files.isEmpty());
    QObject::connect(&link, &InstanceLink::filesReceived, mainForm,
                     [mainForm](const QStringList &paths) {
                         mainForm->bringToFront();
                         mainForm->openFiles(paths);
                     });
    mainForm->showAsLastTime();
    mainForm->loadUserData();
    mainForm->openStartFiles(files);
    return app.exec();
}
