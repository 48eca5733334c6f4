#include "gui/ration/calculateform.h"

#include "core/catalogue/foodmodel.h"
#include "core/page/rationpage.h"
#include "core/page/rationtable.h"
#include "gui/dialogs/messagebox.h"
#include "gui/files/csvfiles.h"
#include "gui/files/pagesaver.h"
#include "gui/files/rationprinter.h"
#include "gui/files/tableclipboard.h"
#include "gui/images/embeddedimages.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/rationeditor.h"
#include "gui/ration/services.h"
#include "gui/ration/techcarddialog.h"
#include "gui/tools/foodsearch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTreeView>
#include <QUndoStack>

#include <algorithm>

TCalculateForm::TCalculateForm(Services &services, QWidget *parent, const char *name,
                               Qt::WindowFlags fl)
    : QMainWindow(parent, fl), m_services(services)
{
    if (name)
        setObjectName(QString::fromUtf8(name));
    setWindowIcon(rationIcon());
    CentralWidget = new TCentralWidget(services, this, "CentralWidget");
    setCentralWidget(CentralWidget);
    // A new ration is named as its name field says.
    setCaption(CentralWidget->RationEdit->text());
    // Wide enough for the ration's seven columns beside the food list.
    resize(std::max(850, CentralWidget->sizeHint().width()), 550);
    connect(CentralWidget->undoStack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    connect(CentralWidget, &TCentralWidget::totalsChanged, this, &TCalculateForm::totalsChanged);
}

bool TCalculateForm::save() { return write(m_file.path); }

bool TCalculateForm::saveAs() { return write(QString()); }

bool TCalculateForm::write(const QString &path)
{
    const QString name = CentralWidget->RationEdit->text();
    const QString text = RationPage::fileText(CentralWidget->finishedRation());
    const QString written = path.isEmpty()
        ? PageSaver::save(this, tr("Сохранить данные"), name, text, &m_file)
        : PageSaver::saveTo(this, path, text, &m_file);
    setCaption(name);
    if (written.isEmpty())
        return false;
    CentralWidget->undoStack()->setClean();
    setWindowModified(false);
    Q_EMIT fileNameChanged(written);
    return true;
}

void TCalculateForm::loadRation(const Ration &ration, bool hasName, const QString &path,
                                bool recoded, const FileStamp &stamp)
{
    Ration shown = ration;
    if (!hasName)
        shown.name = CentralWidget->RationEdit->text();
    CentralWidget->loadRation(shown);
    setCaption(shown.name);
    if (recoded)
        CentralWidget->undoStack()->resetClean();
    setWindowModified(recoded);
    if (!path.isEmpty()) {
        // A file that was read exists.
        if (stamp.exists)
            m_file.take(path, stamp);
        else
            m_file.take(path);
        Q_EMIT fileNameChanged(path);
    }
}

Ration TCalculateForm::ration() const { return CentralWidget->ration(); }

QStringList TCalculateForm::totals() const { return CentralWidget->totals(); }

QUndoStack *TCalculateForm::undoStack() const { return CentralWidget->undoStack(); }

void TCalculateForm::print() { RationPrinter::print(window(), CentralWidget->finishedRation()); }

void TCalculateForm::previewPrint()
{
    RationPrinter::preview(window(), CentralWidget->finishedRation());
}

void TCalculateForm::scale() { CentralWidget->ScaleSlot(); }

void TCalculateForm::techCard()
{
    if (!m_techCard)
        m_techCard = new TechCardDialog(CentralWidget->editor(), this);
    m_techCard->show();
    m_techCard->raise();
    m_techCard->activateWindow();
}

void TCalculateForm::copy()
{
    QWidget *focus = QApplication::focusWidget();
    if (auto *edit = qobject_cast<QLineEdit *>(focus); edit && isAncestorOf(edit)) {
        edit->copy();
        return;
    }
    if (focus == CentralWidget->FoodsList) {
        const QModelIndex product = CentralWidget->selectedProduct();
        if (!product.isValid())
            return;
        FigureTable table;
        FigureTable::Row cells;
        for (int c = 0; c < product.model()->columnCount(); ++c) {
            table.titles.append(product.model()->headerData(c, Qt::Horizontal).toString());
            const QString cell = TCentralWidget::foodText(product, c);
            cells.append(c == 0 ? FigureTable::text(cell) : FigureTable::figure(cell));
        }
        table.rows.append(cells);
        TableClipboard::put(table);
        return;
    }
    QList<int> rows;
    for (const QModelIndex &index : CentralWidget->FoodsTable->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    const Ration shown = CentralWidget->finishedRation();
    TableClipboard::put(rows.isEmpty() ? RationTable::of(shown) : RationTable::rowsOf(shown, rows));
}

void TCalculateForm::exportCsv() { CsvFiles::exportRation(this, CentralWidget->finishedRation()); }

void TCalculateForm::importCsv()
{
    const CsvFiles::Import import = CsvFiles::read(this, m_services.products().products());
    CentralWidget->editor()->addRows(import.rows);
    CsvFiles::report(this, import);
}

bool TCalculateForm::showFood(const QString &text, NameMatch::Mode mode)
{
    QTreeView *list = CentralWidget->FoodsList;
    const QModelIndex hit = FoodSearch::firstMatch(list, text, mode);
    if (!hit.isValid())
        return false;
    list->selectionModel()->setCurrentIndex(
        hit, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(hit);
    return true;
}

std::optional<EnergyValue::Product> TCalculateForm::selectedFood() const
{
    const QModelIndex row = CentralWidget->FoodsList->selectionModel()->selectedRows().value(0);
    if (!row.isValid())
        return std::nullopt;
    const auto value = [&row](Nutrients::Id column) {
        return TCentralWidget::foodText(row, FoodModel::columnOf(column));
    };
    return EnergyValue::Product{TCentralWidget::foodText(row, 0), value(Nutrients::Protein),
                                value(Nutrients::Fat), value(Nutrients::Carbohydrates),
                                value(Nutrients::Energy)};
}

QIcon TCalculateForm::rationIcon()
{
    const QString local = QStringLiteral("new.png");
    if (QFileInfo(local).isFile()) {
        QIcon icon(local);
        if (!icon.pixmap(16, 16).isNull())
            return icon;
    }
    return embeddedIcon(QStringLiteral("new.png"));
}

void TCalculateForm::setCaption(const QString &caption)
{
    // "[*]" marks where the modified sign goes; a literal "[*]" in the name
    // is written twice to keep it.
    QString title = caption;
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(title + QStringLiteral("[*]"));
}

QString TCalculateForm::caption() const
{
    QString title = windowTitle();
    title.chop(3);
    return title.replace(QStringLiteral("[*][*]"), QStringLiteral("[*]"));
}

bool TCalculateForm::maybeSave()
{
    if (!isWindowModified())
        return true;
    const MessageBox::Button answer = MessageBox::ask(
        this, QMessageBox::Warning, tr("Rationix"),
        tr("Сохранить изменения в рационе «%1»?").arg(CentralWidget->RationEdit->text()),
        {{QMessageBox::Save, tr("Сохранить")},
         {QMessageBox::Discard, tr("Не сохранять")},
         {QMessageBox::Cancel, tr("Отмена")}},
        QMessageBox::Save, QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

void TCalculateForm::closeEvent(QCloseEvent *event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}
