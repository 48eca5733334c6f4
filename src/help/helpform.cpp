#include "help/helpform.h"

#include "dialogs/named.h"
#include "files/rationprinter.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// A browser that takes every local ".html" page as UTF-8, whether or not
// the page names its encoding.
class Utf8TextBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type == QTextDocument::HtmlResource && resource.userType() == QMetaType::QByteArray
            && name.path().endsWith(QLatin1String(".html"), Qt::CaseInsensitive)) {
            QStringDecoder utf8(QStringDecoder::Utf8);
            return QString(utf8(resource.toByteArray()));
        }
        return resource;
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
    ButtonsLayout->addWidget(button);
    return button;
}

void THelpForm::LanguageChangeSlot()
{
    setWindowTitle(tr("Справка по программе Rationix"));
    HomeButton->setText(tr("Домой"));
    BackButton->setText(tr("<<"));
    ForwardButton->setText(tr(">>"));
    PrintButton->setText(tr("Напечатать"));
    CloseButton->setText(tr("Закрыть"));
}

void THelpForm::PrintPageSlot()
{
    const QString title = TextBrowser->documentTitle().simplified();
    RationPrinter::printDocument(this, title.isEmpty() ? tr("Справка") : title,
                                 TextBrowser->document());
}
