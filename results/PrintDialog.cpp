// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/PrintDialog.h"

#include "results/Report.h"
#include "widgets/DialogParts.h"
#include "widgets/DialogRun.h"
#include "widgets/ErrorBox.h"
#include "widgets/Fonts.h"
#include "widgets/InputMessages.h"
#include "widgets/ProgramServices.h"
#include "widgets/ProgressGauge.h"
#include "widgets/Shape.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

TPrintTitleDlg::TPrintTitleDlg(ProgramServices& services)
    : services(services), printerSource(OpenDefaultPrinter)
{
    SetUpDialog(this, "PrintTitleDlg", tr("Print Torvane results..."), QSize(329, 226));

    auto* frame = new TShape(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(24, 16, 281, 193);
    frame->SetPen(clBlue, 5);

    const QGroupBox* titleBox = MakeGroupBox(this, "GroupBox1", tr("Title"), QRect(51, 40, 228, 49));

    titleEdit = new QLineEdit(tr("Simulation results"), this);
    titleEdit->setObjectName(QStringLiteral("PrintTitle"));
    titleEdit->setGeometry(66, 56, 197, 21);
    titleEdit->setFont(WindowFont());
    // The report's title line has room for this many characters.
    titleEdit->setMaxLength(MaxTitleLength);
    titleEdit->setAccessibleName(titleBox->title());

    QGroupBox* progress = MakeGroupBox(this, "GroupBox4", tr("Progress"),
                                       QRect(51, 96, 228, 49));
    gauge = MakeRunGauge(progress, QRect(16, 16, 197, 21));
    gauge->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    run = new DialogRun(this, gauge, services);

    // The OK button prints; only the timer closes the dialog after a print.
    okButton = MakeButton(this, "OkButton", tr("OK"), QRect(79, 160, 75, 25),
                          tr("Print the results on the default windows printer..."),
                          false, QStyle::SP_DialogOkButton);
    okButton->setDefault(true);
    cancelButton = MakeButton(this, "CancelButton", tr("Cancel"), QRect(175, 160, 75, 25),
                              tr("Restore the previous title, and close this dialog box..."),
                              false, QStyle::SP_DialogCancelButton);

    setTabOrder(okButton, titleEdit);
    setTabOrder(titleEdit, cancelButton);

    connect(okButton, &QPushButton::clicked, this, &TPrintTitleDlg::OkButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &TPrintTitleDlg::CancelButtonClick);
    connect(run->CloseTimer(), &QTimer::timeout, this, &TPrintTitleDlg::Timer1Timer);
}

QString TPrintTitleDlg::Title() const
{
    return titleEdit->text();
}

void TPrintTitleDlg::SetTitle(const QString& title)
{
    titleEdit->setText(title);
}

void TPrintTitleDlg::SavePrintTitle()
{
    services.State().previousPrintTitle = Title();
}

void TPrintTitleDlg::RestorePrintTitle()
{
    SetTitle(services.State().previousPrintTitle);
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
        cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPrintTitleDlg::FormShow()
{
    titleEdit->setFocus();
}

void TPrintTitleDlg::OkButtonClick()
{
    // A range failure has shown its message and disabled the result buttons.
    const ReadInputsResult read = ReadInputs(services);
    if (!read.inputError)
        PrintCar(read.car);
}

void TPrintTitleDlg::PrintCar(const CarInputs& car)
{
    const std::optional<CarRun> result = run->Run(car);
    if (!result)
        return;
    const ReportValues values = ReportValuesFor(car, result->results);

    // A failure stops the job where it happens: the gauge empties as the
    // failure is shown, the title is not saved and the dialog stays open.
    QString error;
    const std::unique_ptr<QPrinter> printer = printerSource(error);
    if (printer)
        error = PrintReport(*printer, Title(), values);
    else if (error.isEmpty())
        error = tr("There is no printer to print the report on.");
    if (!error.isEmpty()) {
        gauge->SetProgress(0);
        ShowErrorBox(error);
        return;
    }

    SavePrintTitle();
    run->Finish();
}

void TPrintTitleDlg::CancelButtonClick()
{
    RestorePrintTitle();
    reject();
}

void TPrintTitleDlg::reject()
{
    run->Abandon();
    QDialog::reject();
}

void TPrintTitleDlg::Timer1Timer()
{
    run->CloseOnTimer();
}
