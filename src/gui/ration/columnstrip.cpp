#include "gui/ration/columnstrip.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>

ColumnStrip::ColumnStrip(int columns, QWidget *parent)
    : QWidget(parent), m_columns(columns), m_band(new QWidget(this)),
      m_grid(new QGridLayout(m_band))
{
    m_band->setObjectName(QStringLiteral("ColumnBand"));
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(0);
    for (int c = 1; c < columns; ++c)
        m_grid->setColumnStretch(c, 1);
}

void ColumnStrip::addCell(QWidget *cell, int row, int column)
{
    // The column's width, not the text's, decides where the cell stands.
    cell->setSizePolicy(QSizePolicy::Ignored, cell->sizePolicy().verticalPolicy());
    if (auto *label = qobject_cast<QLabel *>(cell))
        label->setAlignment(Qt::AlignCenter);
    m_grid->addWidget(cell, row, column);
}

void ColumnStrip::setBandName(const QString &name)
{
    setAccessibleName(name);
    m_band->setAccessibleName(name);
}

void ColumnStrip::follow(QTableView *table)
{
    m_table = table;
    QHeaderView *header = table->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, &ColumnStrip::place);
    connect(header, &QHeaderView::geometriesChanged, this, &ColumnStrip::place);
    connect(table->horizontalScrollBar(), &QScrollBar::valueChanged, this, &ColumnStrip::place);
    // The last grid column takes what the table's columns leave.
    for (int c = 1; c < m_columns; ++c)
        m_grid->setColumnStretch(c, 0);
    m_grid->setColumnStretch(m_columns, 1);
    place();
}

QSize ColumnStrip::sizeHint() const { return m_grid->sizeHint(); }

// As narrow as anything: the table decides the widths.
QSize ColumnStrip::minimumSizeHint() const { return {0, m_grid->minimumSize().height()}; }

void ColumnStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    place();
}

void ColumnStrip::place()
{
    if (!m_table) {
        m_band->setGeometry(rect());
        return;
    }
    const QHeaderView *header = m_table->horizontalHeader();
    // Where the table's columns start, seen from this band.
    const int viewportLeft =
        m_table->viewport()->mapTo(window(), QPoint()).x() - mapTo(window(), QPoint()).x();
    const int shift = header->sectionViewportPosition(0);
    int total = 0;
    for (int c = 0; c < m_columns; ++c) {
        const int width = header->sectionSize(c) + (c == 0 ? viewportLeft : 0);
        m_grid->setColumnMinimumWidth(c, width);
        total += width;
    }
    m_band->setGeometry(shift, 0, std::max(total, width() - shift), height());
}
