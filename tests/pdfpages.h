#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

// The number of pages of a PDF file that Qt wrote (its page objects).
inline int pdfPages(const QByteArray &pdf)
{
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page\\b"));
    return int(QString::fromLatin1(pdf).count(pageObject));
}
