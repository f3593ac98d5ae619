// The alert dialog and the alert protocol, the one channel for the program's
// own messages: ShowAlert puts the message into Label1, centres the dialog
// on the main window and shows it modally until the user presses OK.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TShape;

class TAlertDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TAlertDlg(QWidget* parent = nullptr);

    TShape* Shape1;
    // Fixed size, centred, bold, one line: a message wider than the label is
    // cut off at both its edges.
    QLabel* Label1;
    QPushButton* BitBtn1;
};

extern TAlertDlg* AlertDlg;

// Shows one message in the alert dialog; returns when the user presses OK.
void ShowAlert(const QString& message);
