#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class TShape;

// Shows the read-only about text: disclaimer, the allowed input ranges,
// a warning and notes on the results and the method.
class TAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutDlg(QWidget* parent = nullptr);

    TShape* Shape1;
    QPlainTextEdit* Memo1;
    QPushButton* BitBtn1;
};

extern TAboutDlg* AboutDlg;

// The text the about dialog shows.
QString AboutText();
