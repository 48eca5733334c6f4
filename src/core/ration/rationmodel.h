#pragma once

#include "core/ration/ration.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <array>

// The ration being edited: its name and its rows (the name, the mass, then
// each nutrient), shown to a view as a table. A ration with no rows shows one
// blank row, and the first row added fills it. The totals are the sums of the
// cells as shown; adding a row at the end costs the same whatever the
// ration's length.
class RationModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The nutrients follow the mass, in their order. A row's cells are the
    // ColumnCount first columns; while the waste is shown, two more follow
    // them: the row's waste and the gross mass it gives.
    enum Column {
        Name,
        Mass,
        FirstNutrient,
        ColumnCount = Ration::ColumnCount,
        WasteColumn = ColumnCount,
        GrossColumn
    };
    static constexpr int columnOf(Nutrients::Id id) { return Ration::columnOf(id); }

    explicit RationModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Whether the rows' waste and gross mass are shown as two columns more:
    // a setting of the view, not of the ration (off for a new model).
    bool showsWaste() const { return m_showsWaste; }
    void setShowsWaste(bool shown);
    // The gross mass of a row as shown: its mass with the waste peeled off
    // added back.
    static QString grossText(const RationRow &row);

    QString name() const { return m_name; }
    void setName(const QString &name);

    // The ration as a cooked dish: the yield as accepted ("" when none, '.'
    // as the decimal point) and the number of portions.
    QString yield() const { return m_yield; }
    int portions() const { return m_portions; }
    void setDish(const QString &yield, int portions);

    // Whom the ration is for and which part of the day it is, in per cent
    // (see Ration).
    const std::optional<Profile> &profile() const { return m_profile; }
    int share() const { return m_share; }
    void setNorm(const std::optional<Profile> &profile, int share);

    // The dish's technological card as the ration keeps it.
    const CardData &card() const { return m_card; }
    void setCard(const CardData &card);

    // Text of a cell; empty for the blank row and for a cell out of range.
    QString text(int row, int column) const;
    RationRow row(int row) const;
    const QList<RationRow> &rows() const { return m_rows; }
    // True while the ration holds no row: the view shows one blank row.
    bool isBlank() const { return m_rows.isEmpty(); }
    // Rows the ration holds (0 while blank).
    int size() const { return int(m_rows.size()); }

    // Adds a row at the end (filling the blank row); returns its index.
    int appendRow(const RationRow &row);
    // Puts rows back at the given positions (ascending), as removeRowsAt
    // took them.
    void insertRowsAt(const QList<int> &positions, const QList<RationRow> &rows);
    // Removes the rows at the given positions (any order, repeats allowed)
    // and returns them in ascending order of position.
    QList<RationRow> removeRowsAt(QList<int> positions);
    void replaceRow(int row, const RationRow &texts);
    // Replaces every row at once (the ration of a file).
    void setRows(const QList<RationRow> &rows);
    // The same as setRows(rows() + ration's rows), without copying them:
    // a model without rows shares the ration's and takes its sums when it
    // has them; the sums of rows held go on over the ration's.
    void addRows(const Ration &ration);

    // The mass, then each nutrient, as shown below the table.
    QStringList totals() const;
    // The ration as the files and the printer take it: the blank row is
    // one row of empty texts.
    Ration ration() const;

    // The cells of a product added with a mass: the mass as given, each
    // per-100-g value scaled to it.
    static RationRow productRow(const QString &product, const QString &mass,
                                const QStringList &per100g);
    // A row's texts with a new mass: per100g when the product is known,
    // else the row's own values scaled by new mass / old mass.
    static RationRow withMass(const RationRow &row, const QString &mass,
                              const QStringList &per100g = {});

Q_SIGNALS:
    void totalsChanged();
    void nameChanged(const QString &name);
    void dishChanged();
    void normChanged();
    void cardChanged();
    void showsWasteChanged(bool shown);

private:
    void addToSums(const RationRow &row);
    void recomputeSums();
    // A row in or out at a position; a ration without rows shows one blank
    // row, which the first row fills and the last one leaves behind.
    void putRow(int at, const RationRow &row);
    void takeRow(int at);

    QString m_name;
    QString m_yield;
    int m_portions = 1;
    std::optional<Profile> m_profile;
    int m_share = 100;
    CardData m_card;
    bool m_showsWaste = false;
    QList<RationRow> m_rows;
    std::array<double, ColumnCount - 1> m_sums{};
};
