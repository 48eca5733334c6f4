#include "gui/help/helpform.h"

#include "gui/dialogs/messagebox.h"
#include "gui/dialogs/urlopener.h"
#include "gui/widgets/focusframe.h"

#include "core/platform/plainfile.h"
#include "gui/files/rationprinter.h"
#include "gui/widgets/named.h"

#include <QDir>
#include <QFileInfo>

#include <QHBoxLayout>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// A browser that takes every local ".html" page as UTF-8, whether or not
// the page names its encoding. It stays within the manual's folder (that of
// the first page shown): a link to a remote address opens in the system's
// browser, and a link to a local file elsewhere is refused.
class Utf8TextBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override
    {
        const QUrl url = source().resolved(name);
        if (!url.scheme().isEmpty() && !url.isLocalFile()) {
            UrlOpener::open(url);
            return;
        }
        const QString path = QFileInfo(url.toLocalFile()).canonicalFilePath();
        if (m_folder.isEmpty()) {
            if (!path.isEmpty())
                m_folder = QFileInfo(path).absolutePath();
        } else if (!path.isEmpty() && !path.startsWith(m_folder + QLatin1Char('/'))) {
            MessageBox::warning(this, THelpForm::tr("Справка"),
                                THelpForm::tr("Ссылка ведёт за пределы справки: файл «%1» не "
                                              "открыт.")
                                    .arg(QDir::toNativeSeparators(url.toLocalFile())));
            return;
        }
        QTextBrowser::doSetSource(name, type);
    }

private:
    QString m_folder; // the manual's folder, links followed

    // Far more than any page or picture of the manual.
    static constexpr qint64 MaxFileSize = qint64(16) * 1024 * 1024;

    // A local page or picture is read as every file the program reads by
    // itself, so that a FIFO or a device among the manual's files cannot
    // block the window.
    QVariant loadResource(int type, const QUrl &name) override
    {
        const QUrl url = source().resolved(name);
        if (!url.isLocalFile())
            return QTextBrowser::loadResource(type, name);
        const PlainFile::Read file = PlainFile::read(url.toLocalFile(), MaxFileSize);
        const bool page = type == QTextDocument::HtmlResource;
        if (file.status == PlainFile::Read::Refused && page)
            return THelpForm::tr("<p>Страница «%1» не открыта: %2.</p>")
                .arg(url.toLocalFile().toHtmlEscaped(), file.reason.toHtmlEscaped());
        if (file.status != PlainFile::Read::Ok) {
            // Not null: given nothing, the document would open the file
            // itself, and wait on whatever it is.
            return page ? QVariant() : QVariant(QByteArray());
        }
        if (page && url.path().endsWith(QLatin1String(".html"), Qt::CaseInsensitive)) {
            QStringDecoder utf8(QStringDecoder::Utf8);
            return QString(utf8(file.bytes));
        }
        return file.bytes;
    }
};
} // namespace

THelpForm::THelpForm(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setObjectName(QString::fromUtf8(name ? name : "HelpForm"));
    setModal(modal);

    MainLayout = named(new QVBoxLayout(this), "MainLayout");
    MainLayout->setContentsMargins(11, 11, 11, 11);
    MainLayout->setSpacing(5);

    ButtonsLayout = named(new QHBoxLayout(), "ButtonsLayout");
    ButtonsLayout->setSpacing(5);
    MainLayout->addLayout(ButtonsLayout);

    BackButton = addButton("BackButton");
    HomeButton = addButton("HomeButton");
    HomeButton->setFocus();
    ForwardButton = addButton("ForwardButton");
    ButtonsLayout->addStretch(1);
    PrintButton = addButton("PrintButton");
    CloseButton = addButton("CloseButton");

    TextBrowser = named(new Utf8TextBrowser(this), "TextBrowser");
    MainLayout->addWidget(TextBrowser);

    resize(560, 460);
    LanguageChangeSlot();

    connect(HomeButton, &QPushButton::clicked, TextBrowser, &QTextBrowser::home);
    connect(BackButton, &QPushButton::clicked, TextBrowser, &QTextBrowser::backward);
    connect(ForwardButton, &QPushButton::clicked, TextBrowser, &QTextBrowser::forward);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(PrintButton, &QPushButton::clicked, this, &THelpForm::PrintPageSlot);
    connect(TextBrowser, &QTextBrowser::backwardAvailable, BackButton, &QWidget::setEnabled);
    connect(TextBrowser, &QTextBrowser::forwardAvailable, ForwardButton, &QWidget::setEnabled);
}

QPushButton *THelpForm::addButton(const char *name)
{
    auto *button = named(new QPushButton(this), name);
    button->setFlat(true);
    FocusFrame::showOn(button);
    ButtonsLayout->addWidget(button);
    return button;
}

void THelpForm::LanguageChangeSlot()
{
    setWindowTitle(tr("Справка по программе Rationix"));
    HomeButton->setText(tr("Домой"));
    BackButton->setText(tr("<<"));
    ForwardButton->setText(tr(">>"));
    // The arrows say nothing to a screen reader.
    BackButton->setAccessibleName(tr("Назад"));
    BackButton->setToolTip(tr("Назад"));
    ForwardButton->setAccessibleName(tr("Вперёд"));
    ForwardButton->setToolTip(tr("Вперёд"));
    TextBrowser->setAccessibleName(tr("Страница справки"));
    PrintButton->setText(tr("Напечатать"));
    CloseButton->setText(tr("Закрыть"));
}

void THelpForm::PrintPageSlot()
{
    const QString title = TextBrowser->documentTitle().simplified();
    RationPrinter::printPages(this, title.isEmpty() ? tr("Справка") : title,
                              TextBrowser->document());
}
