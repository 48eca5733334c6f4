#include "core/catalogue/ownproducts.h"

#include "core/catalogue/namematch.h"
#include "core/catalogue/waste.h"
#include "core/nutrition/numbertext.h"
#include "core/nutrition/nutrients.h"
#include "core/platform/tsvlines.h"

#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

enum { NameField = 1, FirstValue = 2, FieldCount = 2 + Nutrients::Count, WasteField = FieldCount };

QString fieldTitle(const Nutrients::Nutrient &nutrient)
{
    return QCoreApplication::translate("OwnProducts", nutrient.name);
}

// A value as the file and the dialog hold it: a whole decimal number, with a
// point or a comma, and nothing else.
std::optional<double> numberOf(const QString &typed)
{
    const double value = NumberText::typedValue(typed, false);
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// A first line whose value fields hold no number names the columns: the
// header this program writes, or one a spreadsheet wrote in other words.
// A first line with a number among them is a product (or a damaged one).
bool isHeader(const QStringList &fields)
{
    for (qsizetype c = FirstValue; c < fields.size(); ++c) {
        if (numberOf(fields[c]))
            return false;
    }
    return fields.size() == FieldCount || fields.size() == FieldCount + 1;
}

// A waste as a product keeps it: none is no text.
QString keptWaste(const Waste::Reading &waste)
{
    return waste.percent == 0.0 ? QString() : waste.text;
}

// The product as it is kept: each value as the number rule reads it, with a
// decimal point, so that "64,7" is used as 64.7 and not as 64.
FoodTable::Product kept(FoodTable::Product product)
{
    for (QString &value : product.values)
        value = NumberText::keptText(value);
    const Waste::Reading waste = Waste::read(product.waste);
    product.waste = waste.ok ? keptWaste(waste) : QString();
    return product;
}

QString foldedName(const QString &name) { return NameMatch::partForm(name.trimmed()); }

bool takenByBuiltIn(const QString &folded)
{
    static const QSet<QString> names = [] {
        QSet<QString> builtIn;
        for (const FoodTable::Group &group : FoodTable::builtIn().groups()) {
            for (const FoodTable::Product &product : group.products)
                builtIn.insert(foldedName(product.name));
        }
        return builtIn;
    }();
    return names.contains(folded);
}

} // namespace

QString OwnProducts::groupName() { return tr(GroupTitle); }

bool OwnProducts::sameName(const QString &a, const QString &b)
{
    return foldedName(a) == foldedName(b);
}

QString OwnProducts::Refusal::message() const { return tr("%1: %2.").arg(field, reason); }

OwnProducts OwnProducts::fromTsv(const QByteArray &data, QList<Problem> *problems,
                                 QStringList *taken)
{
    OwnProducts own;
    QList<Problem> found;
    if (data.size() > MaxFileSize) {
        found.append({0, tr("файл больше 10 МБ")});
    } else {
        for (const TsvLines::Line &line : TsvLines::read(data, MaxLineLength, isHeader, &found)) {
            const QStringList &fields = line.fields;
            const int number = line.number;
            if (fields.size() != FieldCount && fields.size() != FieldCount + 1) {
                found.append({number, tr("%1 полей вместо %2").arg(fields.size()).arg(FieldCount)});
                continue;
            }
            FoodTable::Product product;
            product.name = fields[NameField];
            QStringList values = fields.mid(FirstValue);
            for (int c = 0; c < Nutrients::Count; ++c)
                product.values[size_t(c)] = values[c];
            const Waste::Reading waste = Waste::read(fields.value(WasteField));
            if (!waste.ok) {
                found.append({number, waste.why});
                continue;
            }
            product.waste = keptWaste(waste);
            const std::optional<Refusal> refusal = own.check(product.name, values);
            if (refusal && refusal->taken && taken) {
                taken->append(product.name);
                continue;
            }
            if (refusal) {
                found.append({number, refusal->message()});
                continue;
            }
            own.m_byName.insert(foldedName(product.name), own.m_products.size());
            own.m_products.append(kept(product));
        }
    }
    if (problems)
        *problems = found;
    return own;
}

QByteArray OwnProducts::toTsv() const
{
    QString text = QStringLiteral("group\tproduct");
    for (const Nutrients::Nutrient &nutrient : Nutrients::all())
        text += QLatin1Char('\t') + QLatin1String(nutrient.fileKey);
    // Without waste the file stays as older programs wrote and read it.
    const bool waste = std::any_of(m_products.cbegin(), m_products.cend(),
                                   [](const FoodTable::Product &p) { return !p.waste.isEmpty(); });
    if (waste)
        text += QStringLiteral("\twaste");
    text += QLatin1Char('\n');
    for (const FoodTable::Product &product : m_products) {
        text += groupName() + QLatin1Char('\t') + product.name;
        for (const QString &value : product.values)
            text += QLatin1Char('\t') + value;
        if (!product.waste.isEmpty())
            text += QLatin1Char('\t') + product.waste;
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

const FoodTable::Product *OwnProducts::find(const QString &name) const
{
    const auto found = m_byName.constFind(foldedName(name));
    return found == m_byName.cend() ? nullptr : &m_products[*found];
}

void OwnProducts::put(const FoodTable::Product &product, const QString &oldName)
{
    const auto found = m_byName.constFind(foldedName(oldName.isEmpty() ? product.name : oldName));
    if (found == m_byName.cend()) {
        m_byName.insert(foldedName(product.name), m_products.size());
        m_products.append(kept(product));
        return;
    }
    m_products[*found] = kept(product);
    reindex();
}

bool OwnProducts::remove(const QString &name)
{
    const auto found = m_byName.constFind(foldedName(name));
    if (found == m_byName.cend())
        return false;
    m_products.removeAt(*found);
    reindex();
    return true;
}

void OwnProducts::reindex()
{
    m_byName.clear();
    for (qsizetype i = 0; i < m_products.size(); ++i)
        m_byName.insert(foldedName(m_products[i].name), i);
}

std::optional<OwnProducts::Refusal>
OwnProducts::check(const QString &name, const QStringList &values, const QString &oldName) const
{
    const QString nameField = tr("Название");
    if (name.trimmed().isEmpty())
        return Refusal{false, nameField, tr("название не может быть пустым")};
    if (name.size() > MaxNameLength)
        return Refusal{false, nameField, tr("название длиннее %1 знаков").arg(MaxNameLength)};
    if (name.contains(QLatin1Char('\t')) || name.contains(QLatin1Char('\n'))
        || name.contains(QLatin1Char('\r')))
        return Refusal{false, nameField,
                       tr("название не может содержать табуляцию или перенос строки")};
    const QString folded = foldedName(name);
    if (takenByBuiltIn(folded))
        return Refusal{true, nameField, tr("такой продукт уже есть во встроенной таблице")};
    if (m_byName.contains(folded) && !(!oldName.isEmpty() && sameName(name, oldName)))
        return Refusal{true, nameField, tr("такой продукт уже есть среди ваших продуктов")};

    double grams = 0.0;
    for (const Nutrients::Nutrient &nutrient : Nutrients::all()) {
        const std::optional<double> value = numberOf(values.value(nutrient.id));
        if (!value)
            return Refusal{false, fieldTitle(nutrient), tr("значение не является числом")};
        if (*value < 0.0)
            return Refusal{false, fieldTitle(nutrient), tr("значение не может быть отрицательным")};
        if (nutrient.inGrams() && *value > 100.0)
            return Refusal{false, fieldTitle(nutrient),
                           tr("в 100 г продукта не может быть больше 100 г")};
        if (!nutrient.inGrams() && *value > MaxEnergy)
            return Refusal{false, fieldTitle(nutrient),
                           tr("в 100 г продукта не может быть больше %1 ккал (в 100 г чистого "
                              "жира их около 940)")
                               .arg(MaxEnergy)};
        if (nutrient.inGrams())
            grams += *value;
    }
    if (grams > 100.5)
        return Refusal{false, tr("Состав"),
                       tr("вода, белок, жиры и углеводы вместе больше 100 г на 100 г продукта")};
    return std::nullopt;
}

double OwnProducts::energyOf(const QStringList &values)
{
    std::array<double, Nutrients::Count> grams{};
    for (int c = 0; c < Nutrients::Count; ++c)
        grams[std::size_t(c)] = numberOf(values.value(c)).value_or(0.0);
    return Nutrients::energyOf(grams);
}

bool OwnProducts::energyStrays(const QStringList &values)
{
    const double computed = energyOf(values);
    const double typed = numberOf(values.value(Nutrients::Energy)).value_or(0.0);
    if (computed <= 0.0)
        return typed > 0.0;
    return std::fabs(typed - computed) > EnergyTolerance * computed;
}
