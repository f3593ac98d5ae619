// SPDX-License-Identifier: GPL-3.0-or-later
// Which window a dialog belongs to, so that the window manager keeps the
// dialog above it. A window that stays on top of all others (the control
// dialog opened from the View menu) would otherwise cover a dialog that
// belongs to a window below it.
#pragma once

class QWidget;

// The window a dialog about to be shown belongs to: the modal window on top,
// else the active window, else `fallback`; and when that window lies under a
// visible window that stays on top, that window instead. Never the dialog
// itself; null when there is none.
QWidget* ModalOwner(const QWidget* dialog, QWidget* fallback = nullptr);

// Tells the window system that `dialog` belongs to `owner`.
void SetOwner(QWidget* dialog, QWidget* owner);
