// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs/InputDialog.h"

#include "widgets/DialogParts.h"
#include "widgets/DialogRun.h"
#include "widgets/Fonts.h"
#include "widgets/InputMessages.h"
#include "widgets/ModalShowing.h"
#include "widgets/ProgramServices.h"
#include "widgets/ProgressGauge.h"
#include "widgets/Shape.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// A label of the input dialog: Arial, 12 pixels high.
QLabel* addLabel(QGroupBox* group, const char* name, const QString& caption, int top)
{
    const QFont font = PixelFont(QStringLiteral("Arial"), 12);
    return MakeLabel(group, name, caption, 8, top, &font);
}

// A one-line input box: right-aligned on cream. Enter is left to the dialog,
// which presses its default button, OK.
QLineEdit* addBox(QGroupBox* group, const char* name, const QString& text, int left, int top,
                  int pixels = 11)
{
    auto* box = new QLineEdit(text, group);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(left, top, 57, 21);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFont(PixelFont(QStringLiteral("MS Sans Serif"), pixels));
    SetBoxColours(box, clCream);
    return box;
}

TShape* addShape(QWidget* parent, const char* name, QRect geometry, const QColor& pen, int width,
                 const QColor& fill = QColor())
{
    auto* shape = new TShape(parent);
    shape->setObjectName(QLatin1String(name));
    shape->setGeometry(geometry);
    shape->SetPen(pen, width);
    shape->SetBrush(fill);
    return shape;
}

} // namespace

TInputDlg::TInputDlg(ProgramServices& services) : services(services)
{
    SetUpDialog(this, "InputDlg", tr(" Torvane Data Input,,,"), QSize(578, 338));

    // Decorations first, so that everything else lies above them.
    addShape(this, "Shape1", { 8, 8, 561, 321 }, clBlue, 5);
    addShape(this, "Shape2", { 296, 32, 257, 65 }, clBlue, 5, clCream);
    addShape(this, "Shape4", { 296, 104, 257, 89 }, clBlue, 5, clCream);
    addShape(this, "Shape5", { 312, 120, 225, 57 }, clRed, 3);
    addShape(this, "Shape3", { 296, 200, 257, 113 }, clPurple, 5);

    auto* route66 = new QLabel(QStringLiteral("Route 66"), this);
    route66->setObjectName(QStringLiteral("StaticText1"));
    route66->setGeometry(344, 128, 161, 41);
    route66->setTextFormat(Qt::PlainText);
    route66->setAlignment(Qt::AlignCenter);
    route66->setFont(PixelFont(QStringLiteral("Martina"), 32, true));
    route66->setAutoFillBackground(true);
    SetBoxColours(route66, clCream);

    gauge = MakeRunGauge(this, QRect(320, 49, 209, 33));
    run = new DialogRun(this, gauge, services);

    const CarTexts defaults = CarTexts::DefaultCar();
    // Each box after its label, named after the label's caption.
    auto box = [&](QGroupBox* group, InputField field, const char* name, int left, int top,
                   const QLabel* caption, int pixels = 11) {
        QLineEdit* edit = addBox(group, name, defaults[field], left, top, pixels);
        NameAfterCaption(edit, caption);
        boxes[static_cast<int>(field)] = edit;
    };
    QGroupBox* car = MakeGroupBox(this, "GroupBox1", tr("Torvane data"),
                                  QRect(24, 26, 257, 177), 9);
    box(car, InputField::Horsepower, "THp", 184, 16,
        addLabel(car, "Label1", tr("Engine horspower:"), 16));
    box(car, InputField::GrillArea, "TGrillArea", 184, 40,
        addLabel(car, "Label2", tr("Grill area in sq-ft:"), 40));
    box(car, InputField::WindshieldArea, "TWindshieldArea", 184, 64,
        addLabel(car, "Label3", tr("Windshield area in sq-ft:"), 64));
    box(car, InputField::CarWeight, "TWeight", 184, 88,
        addLabel(car, "Label4", tr("Car weight in lbs:"), 88));
    box(car, InputField::DragCoefficient, "TCoeff", 184, 112,
        addLabel(car, "Label5", tr("Drag coefficient:"), 112));
    box(car, InputField::WindshieldAngle, "TWindshieldAngle", 184, 138,
        addLabel(car, "Label6", tr("Windshield angle in degrees:"), 138), 12);

    QGroupBox* conditions = MakeGroupBox(this, "GroupBox3", tr("Conditions"),
                                         QRect(24, 210, 257, 103));
    box(conditions, InputField::AvailableShifts, "TAvailableShifts", 185, 20,
        addLabel(conditions, "Label7", tr("Number of available shifts:"), 24));
    box(conditions, InputField::QuarterMileShifts, "TNumberOfShifts", 185, 44,
        addLabel(conditions, "Label8", tr("Number of quarter mile shifts:"), 48));
    box(conditions, InputField::SpinTime, "TSpinTime", 185, 68,
        addLabel(conditions, "Label9", tr("Spin time in seconds:"), 72));

    inputHelpButton = MakeButton(this, "InputHelp", tr("&Input Help  "),
                                 QRect(310, 214, 110, 26), tr("Show input help dialog..."),
                                 false, QStyle::SP_DialogHelpButton);
    conditionsHelpButton = MakeButton(this, "ConditionsHelp", tr("&Conditions Help  "),
                                      QRect(430, 214, 110, 26),
                                      tr("Show conditions help dialog..."), false,
                                      QStyle::SP_DialogHelpButton);
    // Small help glyphs leave room for the longer caption within 110 pixels.
    for (QPushButton* help : { inputHelpButton, conditionsHelpButton })
        help->setIconSize(QSize(10, 10));
    calculatorButton = MakeButton(this, "CalculatorButton", tr("Area Calculator"),
                                  QRect(310, 244, 110, 26),
                                  tr("Calculate grill and windshield area square feet "
                                                 "from measurments in inches..."));
    restoreButton = MakeButton(this, "RestoreButton", tr("Restore Inputs"),
                               QRect(430, 244, 110, 26), tr("Restore previous values..."));
    okButton = MakeButton(this, "OkButton", tr("OK  "), QRect(310, 274, 110, 26),
                          tr("Take all input values and calculate performance..."),
                          false, QStyle::SP_DialogOkButton);
    okButton->setDefault(true);
    closeButton = MakeButton(this, "BitBtn1", tr("&Close"), QRect(430, 274, 110, 26),
                             tr("Close this dialog box..."), false,
                             QStyle::SP_DialogCloseButton);

    // Tab order: the buttons, then the car's boxes, then the conditions.
    QList<QWidget*> order = { okButton,         closeButton,     inputHelpButton,
                              conditionsHelpButton, calculatorButton, restoreButton };
    for (InputField field : AllInputFields)
        order.append(Box(field));
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(okButton, &QPushButton::clicked, this, &TInputDlg::OkButtonClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(restoreButton, &QPushButton::clicked, this, &TInputDlg::RestoreButtonClick);
    connect(inputHelpButton, &QPushButton::clicked, this, &TInputDlg::InputHelpClick);
    connect(conditionsHelpButton, &QPushButton::clicked, this, &TInputDlg::ConditionsHelpClick);
    connect(calculatorButton, &QPushButton::clicked, this, &TInputDlg::CalculatorButtonClick);
    connect(run->CloseTimer(), &QTimer::timeout, this, &TInputDlg::Timer1Timer);

    enterHandlers = {
        { Box(InputField::Horsepower), &TInputDlg::THpEnter },
        { Box(InputField::GrillArea), &TInputDlg::TGrillAreaEnter },
        { Box(InputField::WindshieldArea), &TInputDlg::TWindshieldAreaEnter },
        { Box(InputField::CarWeight), &TInputDlg::TWeightEnter },
        { Box(InputField::DragCoefficient), &TInputDlg::TCoeffEnter },
        { Box(InputField::WindshieldAngle), &TInputDlg::TWindshieldAngleEnter },
        { Box(InputField::AvailableShifts), &TInputDlg::TAvailableShiftsEnter },
        { Box(InputField::QuarterMileShifts), &TInputDlg::TNumberOfShiftsEnter },
        { Box(InputField::SpinTime), &TInputDlg::TSpinTimeEnter },
    };
    for (QObject* box : enterHandlers.keys())
        box->installEventFilter(this);
}

CarTexts TInputDlg::Texts() const
{
    CarTexts texts;
    for (InputField field : AllInputFields)
        texts[field] = Box(field)->text();
    return texts;
}

void TInputDlg::SetTexts(const CarTexts& texts)
{
    for (InputField field : AllInputFields)
        Box(field)->setText(texts[field]);
}

void TInputDlg::SetText(InputField field, const QString& text)
{
    Box(field)->setText(text);
}

void TInputDlg::SavePreviousInputs()
{
    services.State().previousInputs = Texts();
}

void TInputDlg::RestorePreviousInputs()
{
    SetTexts(services.State().previousInputs);
}

void TInputDlg::SelectHorsepower()
{
    Box(InputField::Horsepower)->selectAll();
}

void TInputDlg::ResetGauge()
{
    gauge->SetProgress(0);
}

// Reads and checks the inputs, runs one simulation with the gauge showing
// its steps, and on success hands the results on, remembers the inputs,
// enables the result buttons and lets the timer close the dialog. Pressing
// OK never closes the dialog by itself.
void TInputDlg::OkButtonClick()
{
    const ReadInputsResult read = ReadInputs(services);
    if (!read.inputError)
        RunCar(read.car);
}

void TInputDlg::RunCar(const CarInputs& car)
{
    const std::optional<CarRun> result = run->Run(car);
    if (!result)
        return;
    services.FillResultsDialog(car, *result);
    SavePreviousInputs();
    services.SetResultButtonsEnabled(true);
    run->Finish();
}

void TInputDlg::reject()
{
    run->Abandon();
    QDialog::reject();
}

void TInputDlg::Timer1Timer()
{
    run->CloseOnTimer();
}

void TInputDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TInputDlg::FormShow()
{
    Box(InputField::Horsepower)->setFocus(Qt::OtherFocusReason);
    THpEnter();
}

void TInputDlg::RestoreButtonClick()
{
    RestorePreviousInputs();
}

void TInputDlg::InputHelpClick()
{
    ShowFromHere(ProgramDialog::InputHelp);
}

void TInputDlg::ConditionsHelpClick()
{
    ShowFromHere(ProgramDialog::ConditionsHelp);
}

void TInputDlg::CalculatorButtonClick()
{
    ShowFromHere(ProgramDialog::AreaCalculator);
}

// A dialog opened in the second after a run would otherwise lose the window
// it belongs to when the timer closes this one: the user has turned back to
// the inputs, so the automatic close is dropped and the dialog stays open.
void TInputDlg::ShowFromHere(ProgramDialog which)
{
    run->Abandon();
    ShowCentredModal(services.Dialog(which), services.MainWindow());
}

// Entering a box selects its whole text, so that typing replaces it.
void TInputDlg::THpEnter() { Box(InputField::Horsepower)->selectAll(); }
void TInputDlg::TGrillAreaEnter() { Box(InputField::GrillArea)->selectAll(); }
void TInputDlg::TWindshieldAreaEnter() { Box(InputField::WindshieldArea)->selectAll(); }
void TInputDlg::TWeightEnter() { Box(InputField::CarWeight)->selectAll(); }
void TInputDlg::TCoeffEnter() { Box(InputField::DragCoefficient)->selectAll(); }
void TInputDlg::TWindshieldAngleEnter() { Box(InputField::WindshieldAngle)->selectAll(); }
void TInputDlg::TAvailableShiftsEnter() { Box(InputField::AvailableShifts)->selectAll(); }
void TInputDlg::TNumberOfShiftsEnter() { Box(InputField::QuarterMileShifts)->selectAll(); }
void TInputDlg::TSpinTimeEnter() { Box(InputField::SpinTime)->selectAll(); }

bool TInputDlg::eventFilter(QObject* watched, QEvent* event)
{
    // Entering a box, not the dialog getting the focus back (after a message
    // or a dialog opened from here), which leaves the box as it was.
    const auto reason = event->type() == QEvent::FocusIn
                            ? static_cast<QFocusEvent*>(event)->reason()
                            : Qt::OtherFocusReason;
    if (event->type() == QEvent::FocusIn && reason != Qt::ActiveWindowFocusReason
        && reason != Qt::PopupFocusReason) {
        const auto handler = enterHandlers.value(watched);
        // After the event, so that the click that gave the focus does not
        // undo the selection.
        if (handler)
            QTimer::singleShot(0, this, [this, handler] { (this->*handler)(); });
    }
    return QDialog::eventFilter(watched, event);
}
