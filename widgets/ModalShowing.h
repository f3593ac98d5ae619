// SPDX-License-Identifier: GPL-3.0-or-later
// Placing and showing the program's dialogs: each is centred on the main
// window just before it is shown, shown modally, and kept above the window
// it was opened from.
#pragma once

#include <QtGlobal>

class QDialog;
class QWidget;

// Moves a window so that its centre lies on `anchor`'s centre.
void CentreOn(QWidget* window, const QWidget* anchor);

// The message of the refusal to show a visible dialog modally (translated
// where it is shown).
inline constexpr char VisibleModalRefusal[] =
    QT_TRANSLATE_NOOP("ModalShowing", "Cannot make a visible window modal");

// Shows a hidden dialog modally, above the window it belongs to, and
// returns its result. A dialog that is already visible (the control dialog
// opened modeless) cannot become modal: the standard error box says so, the
// dialog stays as it was, and the result is Rejected.
int ShowModal(QDialog* dialog, QWidget* fallbackOwner = nullptr);

// Centres the dialog on the main window and shows it modally.
int ShowCentredModal(QDialog* dialog, QWidget* mainWindow);
