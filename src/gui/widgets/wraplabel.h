#pragma once

#include <QHash>
#include <QLabel>

// A label that wraps its words and remembers the height it needs for each
// width it was asked about. A layout asks a wrapping label many times while
// a window takes its size, and a plain QLabel lays its text out anew for
// every question; this one does so once per width until the text, its
// format, the font, the style or the margins change.
class WrapLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WrapLabel(QWidget *parent = nullptr);

    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    mutable QHash<int, int> m_heights;
    mutable QString m_text;
    mutable Qt::TextFormat m_format = Qt::AutoText;
};
