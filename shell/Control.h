// The control dialog, the program's switchboard: it opens the input, results
// and print dialogs and starts the data-file operations. Its View results,
// Print results and Save file buttons mean that valid results exist: a
// successful run enables them, DisableResultButtons disables them.
#pragma once

#include <QDialog>

class QPushButton;
class TBevel;
class TShape;

class TControlDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TControlDlg(QWidget* parent = nullptr);

    TBevel* Bevel1;
    TShape* Shape1;
    QPushButton* AutoButton;
    QPushButton* ResultsButton;
    QPushButton* LoadButton;
    QPushButton* SaveButton;
    QPushButton* PrintButton;
    QPushButton* CloseBtn;

    void AutoButtonClick();
    void ResultsButtonClick();
    void PrintButtonClick();
    void LoadButtonClick();
    void SaveButtonClick();
};

extern TControlDlg* ControlDlg;
