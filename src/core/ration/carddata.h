#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

// What a kitchen's technological card keeps of its own, apart from the
// dish it describes: its number and date, the portions cooked at once and
// how the dish is made. It is kept with the ration, which the card's
// figures are worked out from (TechCard).
struct CardData {
    Q_DECLARE_TR_FUNCTIONS(CardData)

public:
    static constexpr qsizetype MaxNumberLength = 50;
    static constexpr int MaxBatch = 10000;
    // A page of text: a card's file keeps no more.
    static constexpr qsizetype MaxTechnologyLength = 4096;

    QString number;
    QDate date;
    // The portions cooked at once («Количество порций для закладки»).
    int batch = 1;
    // «Технология приготовления», line breaks and all.
    QString technology;

    // Whether there is nothing of the card to keep.
    bool isEmpty() const;
    bool operator==(const CardData &other) const;
    bool operator!=(const CardData &other) const { return !(*this == other); }

    // What is wrong with the card's data, each naming its field; empty when
    // nothing is.
    QStringList problems() const;
    // The same for one field as typed; empty when it can be taken.
    static QString numberProblem(const QString &number);
    static QString batchProblem(int batch);
    static QString technologyProblem(const QString &technology);

    struct BatchReading {
        bool ok = false;
        int batch = 1;
        QString why;
    };
    // A batch as typed: a whole number from 1 to MaxBatch, blanks around it
    // allowed.
    static BatchReading readBatch(const QString &typed);

    // The fields' captions, which every refusal names.
    static QString numberField();
    static QString dateField();
    static QString batchField();
    static QString technologyField();
};
