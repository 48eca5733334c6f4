#pragma once

#include <QStringList>
#include <QWidget>

class ColumnStrip;
class EnergyBar;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

// The ration as a cooked dish, shown under its totals: the weight of the
// finished dish (empty: the products' mass) and the number of portions, the
// values per 100 g and per portion of the dish, and its energy structure.
// The panel keeps only its own two inputs; the totals come from the window.
class DishPanel : public QWidget
{
    Q_OBJECT

public:
    explicit DishPanel(QWidget *parent = nullptr);
    ~DishPanel() override;

    // The ration's totals (the mass, then each nutrient) as number texts,
    // whenever they change.
    void setTotals(const QStringList &totals);

    // The yield as accepted ("" when none, '.' as the decimal point).
    QString yieldText() const { return m_yield; }
    // Takes a yield that is typed but not yet confirmed with Enter or by
    // leaving the field (a save by shortcut leaves it where it is), or
    // refuses it as Enter would.
    void commitTypedYield() { takeYield(); }
    int portions() const;
    // Shows a stored dish without asking and without dishChanged(): a yield
    // that is not a number the panel would take is shown as none.
    void setDish(const QString &yieldText, int portions);

    // Whether the table shows the rows' waste and gross mass, as the check
    // box says; set without wasteShown().
    bool showsWaste() const;
    void setShowsWaste(bool shown);

    // The texts shown in the rows "На 100 г" and "На порцию".
    QStringList per100gTexts() const;
    QStringList perPortionTexts() const;
    EnergyBar *energyBar() const { return m_energyBar; }

    // The panel's rows stand under a grid of totals whose captions name
    // their values, and take the grid's column widths (the first column as
    // wide as given, the six values sharing the rest evenly), or those of
    // the table the strip of values follows.
    int rowTitleWidth() const;
    void setRowTitleWidth(int width);
    ColumnStrip *valuesStrip() const { return m_valuesStrip; }

    // Folded, the panel shows only the energy structure: what a ration
    // that is not a dish needs.
    void setFolded(bool folded);
    bool isFolded() const;

Q_SIGNALS:
    // The user changed the yield or the number of portions.
    void dishChanged();
    // The user turned the waste's columns on or off.
    void wasteShown(bool shown);

private Q_SLOTS:
    void takeYield();
    void takePortions();

private:
    void showValues();
    QString refusal(int check) const;
    static QStringList textsOf(const QList<QLabel *> &labels);

    QLineEdit *m_yieldEdit = nullptr;
    QSpinBox *m_portionsSpin = nullptr;
    QCheckBox *m_wasteCheck = nullptr;
    QLabel *m_fitLabel = nullptr; // says why no values are shown
    QList<QLabel *> m_per100g;
    QList<QLabel *> m_perPortion;
    QList<QLabel *> m_rowTitles;
    QWidget *m_details = nullptr; // the inputs and the values of the dish
    ColumnStrip *m_valuesStrip = nullptr;
    QGridLayout *m_valuesLayout = nullptr;
    EnergyBar *m_energyBar = nullptr;
    QStringList m_totals;
    QString m_yield;
    bool m_refusing = false; // a refusal is on screen
};
