// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog: asks for the report title and prints a one-page report
// of the current car on the default printer. Its OK reads the input
// dialog's boxes again, runs a simulation of its own on the dialog's gauge
// and prints from that (results/Report); the dialog closes itself one second
// after the page has gone to the printer. Cancel brings back the title of
// the last save point.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class DialogRun;
struct CarInputs;
class ProgramServices;
class QLineEdit;
class QPrinter;
class QPushButton;
class TCGauge;

class TPrintTitleDlg : public QDialog
{
    Q_OBJECT

public:
    // The longest title the report's title line holds.
    static constexpr int MaxTitleLength = 111;

    explicit TPrintTitleDlg(ProgramServices& services);

    QString Title() const;
    void SetTitle(const QString& title);
    // The title becomes the one Cancel brings back, and back.
    void SavePrintTitle();
    void RestorePrintTitle();

    void FormShow();
    // The print job: reads and checks the inputs, runs the car on the gauge,
    // then shows the elapsed-time message when the run gave up, or prints
    // the report, saves the title and starts the timer. A printing failure
    // empties the gauge and shows the standard error box.
    void OkButtonClick();
    // The print job once the inputs have passed their range tests.
    void PrintCar(const CarInputs& car);
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
    // Esc presses Cancel, so that it brings back the previous title.
    void keyPressEvent(QKeyEvent* event) override;

private:
    ProgramServices& services;
    PrinterSource printerSource;
    QLineEdit* titleEdit;
    TCGauge* gauge;
    DialogRun* run;
    QPushButton* okButton;
    QPushButton* cancelButton;
};
