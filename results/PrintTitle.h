#pragma once

#include <QDialog>

class QLineEdit;

// The print dialog. For now it only owns the report title box.
class TPrintTitleDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TPrintTitleDlg(QWidget* parent = nullptr);

    QLineEdit* PrintTitle;
};

extern TPrintTitleDlg* PrintTitleDlg;
