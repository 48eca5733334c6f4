#include "gui/widgets/wraplabel.h"

#include <QEvent>

WrapLabel::WrapLabel(QWidget *parent) : QLabel(parent) { setWordWrap(true); }

int WrapLabel::heightForWidth(int width) const
{
    if (text() != m_text || textFormat() != m_format) {
        m_heights.clear();
        m_text = text();
        m_format = textFormat();
    }
    if (const auto found = m_heights.constFind(width); found != m_heights.cend())
        return *found;
    return *m_heights.insert(width, QLabel::heightForWidth(width));
}

void WrapLabel::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange: m_heights.clear(); break;
    default: break;
    }
    QLabel::changeEvent(event);
}
