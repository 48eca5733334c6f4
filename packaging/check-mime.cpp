// Tells whether the installed file type recognises a saved ration: writes a
// ration as the program saves it and two ordinary HTML pages into a folder
// and asks Qt's MIME database (which reads the shared-mime-info data found
// through XDG_DATA_DIRS) what each one is by its contents. Exits with 0 when
// the ration is application/x-rationix and the pages are plain text/html.
// The folder is the first argument (kept, for other tools to check) or a
// scratch one.

#include "core/page/rationpage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir scratch;
    const QStringList arguments = QCoreApplication::arguments();
    const QDir dir(arguments.size() > 1 ? arguments[1] : scratch.path());
    Ration ration;
    ration.name = QStringLiteral("Завтрак");
    ration.rows = {{QStringLiteral("Бобы"), QStringLiteral("150"), QStringLiteral("124.5"),
                    QStringLiteral("9"), QStringLiteral("0.15"), QStringLiteral("12.45"),
                    QStringLiteral("87")}};
    ration.totals = Ration::totalsOf(ration.rows);
    const QString rationPath = dir.filePath(QStringLiteral("Завтрак.html"));
    const QString pagePath = dir.filePath(QStringLiteral("page.html"));
    const QString commentPath = dir.filePath(QStringLiteral("comment.html"));
    if (!dir.exists() || !write(rationPath, RationPage::fileText(ration).toUtf8())
        || !write(pagePath, "<!DOCTYPE html>\n<html><head><title>x</title></head></html>\n")
        || !write(commentPath, "<!-- Rationix -->\n<html><body>x</body></html>\n")) {
        out << "cannot write the sample files\n";
        return 2;
    }

    const struct {
        QString path;
        QString expected;
    } cases[] = {{rationPath, QStringLiteral("application/x-rationix")},
                 {pagePath, QStringLiteral("text/html")},
                 {commentPath, QStringLiteral("text/html")}};
    QMimeDatabase db;
    int failures = 0;
    for (const auto &c : cases) {
        // Qt 6.4 takes the ".html" ending over the contents; file managers
        // that follow the shared-mime-info rules let a match of priority 80
        // in the contents go first.
        const QString type = db.mimeTypeForFile(c.path, QMimeDatabase::MatchContent).name();
        out << QFile::encodeName(c.path) << ": " << type << " (expected " << c.expected << ")\n";
        if (type != c.expected)
            ++failures;
    }
    const QMimeType rationType = db.mimeTypeForName(QStringLiteral("application/x-rationix"));
    if (!rationType.isValid() || !rationType.inherits(QStringLiteral("text/html"))) {
        out << "application/x-rationix is not known as a kind of text/html\n";
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
