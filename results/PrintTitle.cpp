#include "results/PrintTitle.h"

#include "inputs/Messagesx.h"
#include "inputs/Othersubs.h"
#include "results/Report.h"
#include "shell/Fonts.h"
#include "shell/Forms.h"
#include "shell/GroupBox.h"
#include "shell/Hints.h"
#include "shell/Shape.h"
#include "shell/Startup.h"
#include "widgets/Cgauges.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

TPrintTitleDlg* PrintTitleDlg = nullptr;

TPrintTitleDlg::TPrintTitleDlg(QWidget* parent) : QDialog(parent), printerSource(OpenDefaultPrinter)
{
    SetUpDialog(this, "PrintTitleDlg", QStringLiteral("Print Torvane results..."), QSize(329, 226));

    Shape1 = new TShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(24, 16, 281, 193);
    Shape1->SetPen(clBlue, 5);

    GroupBox1 = MakeGroupBox(this, "GroupBox1", QStringLiteral("Title"), QRect(51, 40, 228, 49));

    PrintTitle = new QLineEdit(QStringLiteral("Simulation results"), this);
    PrintTitle->setObjectName(QStringLiteral("PrintTitle"));
    PrintTitle->setGeometry(66, 56, 197, 21);
    PrintTitle->setFont(WindowFont());

    GroupBox4 = MakeGroupBox(this, "GroupBox4", QStringLiteral("Progress"), QRect(51, 96, 228, 49));

    CGauge1 = MakeRunGauge(GroupBox4, QRect(16, 16, 197, 21));
    CGauge1->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11, true));

    // The OK button prints; only Timer1 closes the dialog after a print.
    OkButton = MakeButton(this, "OkButton", QStringLiteral("OK"), QRect(79, 160, 75, 25),
                          QStringLiteral("Print the results on the default windows printer..."),
                          false, QStyle::SP_DialogOkButton);
    OkButton->setDefault(true);
    CancelButton = MakeButton(this, "CancelButton", QStringLiteral("Cancel"), QRect(175, 160, 75, 25),
                              QStringLiteral("Restore the previous title, and close this dialog box..."),
                              false, QStyle::SP_DialogCancelButton);

    setTabOrder(OkButton, PrintTitle);
    setTabOrder(PrintTitle, CancelButton);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    connect(OkButton, &QPushButton::clicked, this, &TPrintTitleDlg::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TPrintTitleDlg::CancelButtonClick);
    connect(Timer1, &QTimer::timeout, this, &TPrintTitleDlg::Timer1Timer);
}

void TPrintTitleDlg::SetPrinterSource(PrinterSource source)
{
    printerSource = source ? std::move(source) : PrinterSource(OpenDefaultPrinter);
}

void TPrintTitleDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPrintTitleDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        CancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPrintTitleDlg::FormShow()
{
    PrintTitle->setFocus();
}

void TPrintTitleDlg::OkButtonClick()
{
    // A range failure has shown its message and disabled the result buttons.
    const CarInputs inputs = ReadInputs();
    if (inputs.inputError)
        return;
    PrintCar(inputs);
}

void TPrintTitleDlg::PrintCar(const CarInputs& inputs)
{
    std::unique_ptr<SimulationRecord> record = NewRecordFor(inputs);
    record->RunSimulation([this](int step) { CGauge1->SetProgress(step); });

    bool timeLimitReached = false;
    double stopTime = 0;
    record->GetStopState(timeLimitReached, stopTime);
    if (timeLimitReached) {
        ShowElapsedTimeMessage(stopTime);
        record.reset();
        CGauge1->SetProgress(0);
        return;
    }

    const ReportValues values = ReportValuesFor(inputs, *record);
    record.reset();

    const QString title = PrintTitle->text();

    // A failure stops the job where it happens: the gauge stays at 5, the
    // title is not saved and the dialog stays open.
    QString error;
    const std::unique_ptr<QPrinter> printer = printerSource(error);
    if (printer)
        error = PrintReport(*printer, title, values);
    else if (error.isEmpty())
        error = QStringLiteral("There is no printer to print the report on.");
    if (!error.isEmpty()) {
        ShowErrorBox(error);
        return;
    }

    SavePrintTitle();
    CGauge1->SetProgress(6);
    Timer1->start();
}

void TPrintTitleDlg::CancelButtonClick()
{
    RestorePrintTitle();
    reject();
}

void TPrintTitleDlg::reject()
{
    if (Timer1->isActive()) {
        Timer1->stop();
        CGauge1->SetProgress(0);
    }
    QDialog::reject();
}

void TPrintTitleDlg::Timer1Timer()
{
    CGauge1->SetProgress(0);
    Timer1->stop();
    accept();
}
