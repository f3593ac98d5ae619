// The print dialog: asks for the report title and prints a one-page report
// of the current car on the default printer. Its OK reads the input dialog's
// boxes again, runs a simulation of its own on the dialog's gauge and prints
// from that (results/Report); the dialog closes itself one second after the
// page has gone to the printer. Cancel brings back the title of the last
// save point (PreviousPrintTitle in inputs/Othersubs).
#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QGroupBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTimer;
class TCGauge;
class TShape;
struct CarInputs;

class TPrintTitleDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TPrintTitleDlg(QWidget* parent = nullptr);

    TShape* Shape1;
    QGroupBox* GroupBox1;
    QLineEdit* PrintTitle;
    QGroupBox* GroupBox4;
    TCGauge* CGauge1;
    QPushButton* OkButton;
    QPushButton* CancelButton;
    // 1000 ms, stopped until a page has been printed.
    QTimer* Timer1;

    void FormShow();
    // The print job: reads and checks the inputs, then PrintCar.
    void OkButtonClick();
    // The print job once the inputs have passed their range tests: one run
    // on the gauge, then the elapsed-time message when the run gave up, or
    // the report on the printer, the title saved and the timer started. A
    // printing failure shows the standard error box and leaves the gauge at 5.
    void PrintCar(const CarInputs& inputs);
    void CancelButtonClick();
    void Timer1Timer();

    // Where the page goes: a printer ready to print, or null with the reason
    // in `error`. The default is the default printer (OpenDefaultPrinter);
    // an empty source puts the default back.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>(QString& error)>;
    void SetPrinterSource(PrinterSource source);

public slots:
    // Closing the dialog any other way than by its timer also ends a running
    // timer and empties the gauge, so the next showing is not closed by a
    // tick that belonged to the last one.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // Esc presses CancelButton, so that it brings back the previous title.
    void keyPressEvent(QKeyEvent* event) override;

private:
    PrinterSource printerSource;
};

extern TPrintTitleDlg* PrintTitleDlg;
