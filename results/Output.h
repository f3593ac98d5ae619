#pragma once

#include <QDialog>

// The results dialog. For now an empty dialog.
class TOutputDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TOutputDlg(QWidget* parent = nullptr);
};

extern TOutputDlg* OutputDlg;
