#include "gui/app/summarywindow.h"

#include "core/norms/profilestore.h"
#include "core/page/rationtable.h"
#include "core/page/summarypage.h"
#include "gui/app/rationwindows.h"
#include "gui/files/csvfiles.h"
#include "gui/files/pagesaver.h"
#include "gui/files/rationprinter.h"
#include "gui/files/tableclipboard.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/services.h"
#include "gui/widgets/named.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
// A value off its norm, in the colour the ration window gives it.
const QColor OffNorm(0xb0, 0x30, 0x20);
} // namespace

SummaryWindow::SummaryWindow(Services &services, RationWindows *windows, QWidget *parent)
    : QDialog(parent), m_profiles(services.profiles()), m_windows(windows)
{
    setObjectName(QStringLiteral("SummaryWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Сводка рационов"));
    auto *layout = new QVBoxLayout(this);

    auto *choice = new QHBoxLayout;
    ProfileBox = named(new QComboBox(this), "SummaryProfileBox");
    ProfileBox->setAccessibleName(tr("Профиль"));
    ProfileBox->view()->setAccessibleName(tr("Профили"));
    ProfileBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ProfileBox->setToolTip(tr("С чьей дневной нормой сравнить итог: весь день"));
    auto *profileLabel = new QLabel(tr("&Профиль (норма на весь день):"), this);
    profileLabel->setBuddy(ProfileBox);
    choice->addWidget(profileLabel);
    choice->addWidget(ProfileBox);
    choice->addStretch();
    layout->addLayout(choice);

    SummaryTable = named(new QTableWidget(this), "SummaryTable");
    SummaryTable->setAccessibleName(tr("Сводка рационов"));
    SummaryTable->setColumnCount(RationSummary::ColumnCount);
    SummaryTable->setHorizontalHeaderLabels(RationSummary::titles());
    for (int c = RationSummary::FirstShareColumn; c < RationSummary::ColumnCount; ++c)
        SummaryTable->horizontalHeaderItem(c)->setToolTip(tr("Доля в энергии рациона, %"));
    SummaryTable->verticalHeader()->hide();
    SummaryTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    SummaryTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SummaryTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The captions take what room is left, the figures what they need.
    SummaryTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(SummaryTable);
    auto *hint = named(new QLabel(tr("Флажок включает рацион в «Итого»; двойной щелчок по "
                                     "строке открывает окно рациона."),
                                  this),
                       "SummaryHint");
    hint->setAccessibleName(hint->text());
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto *buttons = new QDialogButtonBox(this);
    const auto button = [buttons](const QString &text, const char *name) {
        QPushButton *made = named(buttons->addButton(text, QDialogButtonBox::ActionRole), name);
        made->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        made->setAutoDefault(false);
        return made;
    };
    PrintButton = button(tr("&Печать…"), "PrintButton");
    PreviewButton = button(tr("Пр&едварительный просмотр"), "PreviewButton");
    SaveButton = button(tr("&Сохранить…"), "SaveButton");
    SaveButton->setToolTip(tr("Сохранить сводку как страницу HTML"));
    CopyButton = button(tr("&Копировать"), "CopyButton");
    CopyButton->setToolTip(tr("Скопировать сводку для электронной таблицы"));
    ExportButton = button(tr("&Экспорт в CSV…"), "ExportButton");
    ExportButton->setToolTip(tr("Сохранить сводку как файл CSV для электронной таблицы"));
    QPushButton *close = named(buttons->addButton(QDialogButtonBox::Close), "CloseButton");
    close->setText(tr("Закрыть"));
    close->setAccessibleName(tr("Закрыть"));
    layout->addWidget(buttons);

    connect(PrintButton, &QPushButton::clicked, this, &SummaryWindow::print);
    connect(PreviewButton, &QPushButton::clicked, this, &SummaryWindow::preview);
    connect(SaveButton, &QPushButton::clicked, this, &SummaryWindow::save);
    connect(CopyButton, &QPushButton::clicked, this, &SummaryWindow::copy);
    connect(ExportButton, &QPushButton::clicked, this, &SummaryWindow::exportCsv);
    auto *copyKey = new QShortcut(QKeySequence::Copy, this);
    copyKey->setObjectName(QStringLiteral("CopyShortcut"));
    connect(copyKey, &QShortcut::activated, this, &SummaryWindow::copy);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_profiles, &ProfileStore::changed, this, &SummaryWindow::fillProfiles);
    connect(ProfileBox, &QComboBox::activated, this, &SummaryWindow::takeProfile);
    connect(SummaryTable, &QTableWidget::itemChanged, this, &SummaryWindow::takeCheck);
    connect(SummaryTable, &QTableWidget::cellDoubleClicked, this, &SummaryWindow::bringForward);
    connect(m_windows, &RationWindows::listChanged, this, &SummaryWindow::refresh);
    fillProfiles();
    refresh();
    resize(960, 320);
}

SummaryWindow *SummaryWindow::showFor(QWidget *mainWindow, Services &services,
                                      RationWindows *windows)
{
    auto *summary = mainWindow->findChild<SummaryWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!summary)
        summary = new SummaryWindow(services, windows, mainWindow);
    summary->show();
    summary->raise();
    summary->activateWindow();
    return summary;
}

void SummaryWindow::fillProfiles()
{
    m_filling = true;
    ProfileBox->clear();
    ProfileBox->addItem(tr("нет"));
    for (const Profile &profile : m_profiles.profiles().profiles()) {
        ProfileBox->addItem(profile.name);
        if (m_summary.profile && profile.name == m_summary.profile->name)
            ProfileBox->setCurrentIndex(ProfileBox->count() - 1);
    }
    m_filling = false;
    // A profile removed or changed meanwhile is measured as it is now.
    takeProfile();
}

void SummaryWindow::takeProfile()
{
    if (m_filling)
        return;
    const int index = ProfileBox->currentIndex() - 1;
    const QList<Profile> &list = m_profiles.profiles().profiles();
    std::optional<Profile> chosen;
    if (index >= 0 && index < list.size())
        chosen = list[index];
    if (chosen == m_summary.profile)
        return;
    m_summary.profile = chosen;
    showSummary();
}

void SummaryWindow::refresh()
{
    const QList<TCalculateForm *> forms = m_windows->forms();
    m_forms.clear();
    m_summary.entries.clear();
    QSet<const TCalculateForm *> unchecked;
    for (TCalculateForm *form : forms) {
        m_forms.append(form);
        connect(form, &TCalculateForm::totalsChanged, this, &SummaryWindow::refresh,
                Qt::UniqueConnection);
        connect(form, &QWidget::windowTitleChanged, this, &SummaryWindow::refresh,
                Qt::UniqueConnection);
        // Once it is gone, whatever closed it.
        connect(form, &QObject::destroyed, this, &SummaryWindow::refresh,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
        const bool checked = !m_unchecked.contains(form);
        if (!checked)
            unchecked.insert(form);
        m_summary.entries.append({form->caption(), form->totals(), checked});
    }
    // A window closed is forgotten: another may be made at its address.
    m_unchecked = unchecked;
    showSummary();
}

QTableWidgetItem *SummaryWindow::itemAt(int row, int column)
{
    QTableWidgetItem *item = SummaryTable->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        SummaryTable->setItem(row, column, item);
    }
    return item;
}

void SummaryWindow::showSummary()
{
    m_filling = true;
    const QList<RationSummary::Row> rows = m_summary.rows();
    const std::optional<RationNorm> norm = m_summary.norm();
    SummaryTable->setRowCount(int(rows.size()));
    // The columns whose «% нормы» is off its norm.
    QList<bool> off(RationSummary::ColumnCount, false);
    for (const Nutrients::Nutrient &nutrient : Nutrients::all()) {
        const RationNorm::Mark mark = norm ? norm->value(nutrient.id).mark : RationNorm::Mark::None;
        off[1 + Nutrients::afterMass(nutrient.id)] =
            mark == RationNorm::Mark::Below || mark == RationNorm::Mark::Above;
    }
    for (int r = 0; r < rows.size(); ++r) {
        const RationSummary::Row &row = rows[r];
        for (int c = 0; c < RationSummary::ColumnCount; ++c) {
            QTableWidgetItem *item = itemAt(r, c);
            const bool checkable = row.kind == RationSummary::Kind::Entry && c == 0;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable
                           | (checkable ? Qt::ItemIsUserCheckable : Qt::NoItemFlags));
            item->setText(row.cells.value(c));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            if (checkable)
                item->setCheckState(m_summary.entries[r].checked ? Qt::Checked : Qt::Unchecked);
            else
                item->setData(Qt::CheckStateRole, QVariant());
            // Off its norm: in words and in colour, as in the ration window.
            const bool offNorm = row.kind == RationSummary::Kind::Percent && off[c];
            QFont font = SummaryTable->font();
            font.setBold(row.kind == RationSummary::Kind::Sum || offNorm);
            item->setFont(font);
            item->setData(Qt::ForegroundRole, offNorm ? QVariant(OffNorm) : QVariant());
        }
    }
    m_filling = false;
}

void SummaryWindow::takeCheck(QTableWidgetItem *item)
{
    if (m_filling || item->column() != 0 || item->row() >= m_forms.size())
        return;
    const TCalculateForm *form = m_forms[item->row()];
    const bool checked = item->checkState() == Qt::Checked;
    if (checked == !m_unchecked.contains(form))
        return;
    if (checked)
        m_unchecked.remove(form);
    else
        m_unchecked.insert(form);
    refresh();
}

void SummaryWindow::bringForward(int row)
{
    if (row < m_forms.size() && m_forms[row])
        m_windows->bringForward(m_forms[row]);
}

void SummaryWindow::print()
{
    QTextDocument document;
    RationPrinter::setUpDocument(&document, SummaryPage::html(m_summary, QDate::currentDate()));
    RationPrinter::printPages(this, SummaryPage::title(), &document);
}

void SummaryWindow::preview()
{
    QTextDocument document;
    RationPrinter::setUpDocument(&document, SummaryPage::html(m_summary, QDate::currentDate()));
    RationPrinter::previewPages(this, SummaryPage::title(), &document);
}

void SummaryWindow::save()
{
    PageSaver::save(this, tr("Сохранить сводку"), SummaryPage::title(),
                    SummaryPage::html(m_summary, QDate::currentDate()));
}

FigureTable SummaryWindow::figures() const
{
    const RationSummary::Table shown = table();
    return RationTable::ofTexts(shown.titles, shown.rows);
}

void SummaryWindow::copy() { TableClipboard::put(figures()); }

void SummaryWindow::exportCsv() { CsvFiles::exportTable(this, figures(), SummaryPage::title()); }
