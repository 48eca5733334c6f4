#pragma once

#include <QObject>

namespace DialogSlot {

// Keeps *slot pointing at the dialog while it lives and clears it when the
// dialog is destroyed, so that a dialog that is gone is never used. The
// slot is reached by its address, as a dialog still open goes down with
// its parent window after the window's own destructor has run.
template <typename Dialog> void hold(QObject *owner, Dialog **slot, Dialog *dialog)
{
    *slot = dialog;
    QObject::connect(dialog, &QObject::destroyed, owner, [slot, dialog] {
        if (*slot == dialog)
            *slot = nullptr;
    });
}

} // namespace DialogSlot
