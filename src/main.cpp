#include "app/mainform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rationix"));
    QApplication::setApplicationVersion(QStringLiteral(RATIONIX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.rationix"));

    auto *mainForm = new TMainForm(nullptr, "MainForm");
    mainForm->showMaximized();
    return app.exec();
}
