// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/WindowOwner.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace {

bool staysOnTop(const QWidget* window)
{
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// Whether `window`, or a window it belongs to, stays on top: the window
// manager then keeps it in the top layer too.
bool inTopLayer(const QWidget* window)
{
    if (staysOnTop(window))
        return true;
    for (const QWindow* handle = window->windowHandle(); handle; handle = handle->transientParent())
        for (const QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == handle && staysOnTop(top))
                return true;
    return false;
}

} // namespace

QWidget* ModalOwner(const QWidget* dialog, QWidget* fallback)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner || owner == dialog)
        owner = QApplication::activeWindow();
    if (!owner || owner == dialog)
        owner = fallback;
    if (owner == dialog)
        owner = nullptr;
    if (owner && inTopLayer(owner))
        return owner;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != dialog && top->isVisible() && staysOnTop(top))
            return top;
    return owner;
}

void SetOwner(QWidget* dialog, QWidget* owner)
{
    if (!owner)
        return;
    dialog->winId();
    owner->winId();
    dialog->windowHandle()->setTransientParent(owner->windowHandle());
}
