#include "gui/widgets/plaintext.h"

#include <QAction>
#include <QTextDocument>

namespace PlainText {

QString toolTip(const QString &text) { return Qt::convertFromPlainText(text); }

void keepToolTipPlain(QAction *action)
{
    // The icon text is the text without its '&' marks, as a tooltip shows
    // it. Setting the same tooltip again reports no change, so this ends.
    const auto follow = [action] {
        action->setToolTip(toolTip(action->iconText()));
    };
    follow();
    QObject::connect(action, &QAction::changed, action, follow);
}

} // namespace PlainText
