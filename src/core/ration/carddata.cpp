#include "core/ration/carddata.h"

#include <QLocale>

#include <algorithm>

namespace {

QString batchRange()
{
    return CardData::tr("«%1»: целое число от 1 до %2.")
        .arg(CardData::batchField(), QLocale(QLocale::Russian).toString(CardData::MaxBatch));
}

} // namespace

QString CardData::numberField() { return tr("Номер карты"); }

QString CardData::dateField() { return tr("Дата"); }

QString CardData::batchField() { return tr("Количество порций для закладки"); }

QString CardData::technologyField() { return tr("Технология приготовления"); }

bool CardData::isEmpty() const
{
    return number.isEmpty() && date.isNull() && batch == 1 && technology.isEmpty();
}

bool CardData::operator==(const CardData &other) const
{
    return number == other.number && date == other.date && batch == other.batch
        && technology == other.technology;
}

QStringList CardData::problems() const
{
    // A date is a day or none: QDate holds no other.
    QStringList found{numberProblem(number), batchProblem(batch), technologyProblem(technology)};
    found.removeAll(QString());
    return found;
}

QString CardData::numberProblem(const QString &text)
{
    if (text.size() > MaxNumberLength)
        return tr("«%1»: не длиннее %2 знаков.").arg(numberField()).arg(MaxNumberLength);
    return {};
}

QString CardData::batchProblem(int portions)
{
    return portions >= 1 && portions <= MaxBatch ? QString() : batchRange();
}

QString CardData::technologyProblem(const QString &text)
{
    if (text.size() > MaxTechnologyLength) {
        return tr("«%1»: не длиннее %2 знаков (сейчас %3).")
            .arg(technologyField(), QLocale(QLocale::Russian).toString(MaxTechnologyLength),
                 QLocale(QLocale::Russian).toString(text.size()));
    }
    return {};
}

CardData::BatchReading CardData::readBatch(const QString &typed)
{
    BatchReading reading;
    const QString text = typed.trimmed();
    bool number = false;
    const int value = text.toInt(&number);
    // toInt() takes a sign, which no count of portions has
    const bool digits =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!number || !digits) {
        reading.why = text.isEmpty() ? batchRange()
                                     : tr("«%1»: «%2» — не целое число.").arg(batchField(), typed);
        return reading;
    }
    reading.why = batchProblem(value);
    reading.ok = reading.why.isEmpty();
    if (reading.ok)
        reading.batch = value;
    return reading;
}
