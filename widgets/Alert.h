// SPDX-License-Identifier: GPL-3.0-or-later
// The alert dialog, the one channel for the program's own messages: a
// message goes into Label1, the dialog is centred on the main window and
// shown modally until the user presses OK.
#pragma once

#include <QDialog>

class QPushButton;
class TShape;
class TWrappedLabel;

class TAlertDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TAlertDlg(QWidget* mainWindow = nullptr);

    // The alert protocol: shows one message and returns when the user
    // presses OK.
    void ShowMessage(const QString& message);
    QString Message() const;

private:
    QWidget* mainWindow;
    TShape* frame;
    // Centred and bold. A message longer than one line wraps, and the alert
    // grows downwards to show it whole.
    TWrappedLabel* messageLabel;
    QPushButton* okButton;
};
