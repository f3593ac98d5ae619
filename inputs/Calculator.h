#pragma once

#include <QDialog>

// The area calculator (grill and windshield areas from measurements in
// inches). For now an empty dialog.
class TCalculatorDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TCalculatorDlg(QWidget* parent = nullptr);
};

extern TCalculatorDlg* CalculatorDlg;
