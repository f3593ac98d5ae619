// SPDX-License-Identifier: GPL-3.0-or-later
// The control dialog, the program's switchboard: it opens the input, results
// and print dialogs and starts the data-file operations. Its View results,
// Print results and Save file buttons mean that valid results exist: a
// successful run enables them, every stale result disables them.
#pragma once

#include <QDialog>

class QPushButton;
class TorvaneProgram;

class TControlDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TControlDlg(TorvaneProgram& program);

    // Save file, Print results and View results, in this order.
    void SetResultButtonsEnabled(bool enabled);

    void AutoButtonClick();
    void ResultsButtonClick();
    void PrintButtonClick();
    void LoadButtonClick();
    void SaveButtonClick();

private:
    TorvaneProgram& program;
    QPushButton* viewInputButton;
    QPushButton* resultsButton;
    QPushButton* openButton;
    QPushButton* saveButton;
    QPushButton* printButton;
    QPushButton* closeButton;
};
