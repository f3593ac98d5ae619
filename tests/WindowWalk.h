// SPDX-License-Identifier: GPL-3.0-or-later
// Walking the classic program's windows: every widget of each window, with
// Qt's own file dialogs (children of the main window) left out, since Qt
// draws and translates them itself.
#pragma once

#include <QFileDialog>
#include <QList>
#include <QWidget>

// The window and every widget within it, in creation order, except what
// lies inside a file dialog.
inline QList<QWidget*> WidgetsOf(QWidget* window)
{
    QList<QWidget*> widgets{ window };
    for (QWidget* child : window->findChildren<QWidget*>()) {
        bool inFileDialog = false;
        for (QWidget* w = child; w && w != window; w = w->parentWidget())
            inFileDialog = inFileDialog || qobject_cast<QFileDialog*>(w);
        if (!inFileDialog)
            widgets << child;
    }
    return widgets;
}
