// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ModalShowing.h"

#include "widgets/ErrorBox.h"
#include "widgets/WindowOwner.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QWidget>
#include <QWindow>

void CentreOn(QWidget* window, const QWidget* anchor)
{
    if (!anchor || !window || window == anchor)
        return;
    // The size the window will have when shown: Qt fits a window that was
    // never given a size to its contents as it shows it.
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    const QRect main = anchor->frameGeometry();
    // A window that has not been shown yet has no frame; assume the one the
    // anchor has.
    QSize outer = window->frameGeometry().size();
    if (!window->testAttribute(Qt::WA_WState_Created) || !window->isVisible())
        outer = window->size() + (main.size() - anchor->size());
    window->move(main.left() + (main.width() - outer.width()) / 2,
                 main.top() + (main.height() - outer.height()) / 2);
}

int ShowModal(QDialog* dialog, QWidget* fallbackOwner)
{
    if (dialog->isVisible()) {
        ShowErrorBox(QCoreApplication::translate("ModalShowing", VisibleModalRefusal));
        return QDialog::Rejected;
    }
    // The program's dialogs have no parent window, so the window system is
    // told which window each belongs to: it then keeps the dialog above it,
    // also above the control dialog, which stays on top.
    SetOwner(dialog, ModalOwner(dialog, fallbackOwner));
    return dialog->exec();
}

int ShowCentredModal(QDialog* dialog, QWidget* mainWindow)
{
    CentreOn(dialog, mainWindow);
    return ShowModal(dialog, mainWindow);
}
