#include "inputs/Input.h"

#include "engine/Simulation.h"
#include "inputs/Calculator.h"
#include "inputs/Messagesx.h"
#include "inputs/Othersubs.h"
#include "shell/ConditionsHelp.h"
#include "shell/Control.h"
#include "shell/Fonts.h"
#include "shell/Forms.h"
#include "shell/GroupBox.h"
#include "shell/Hints.h"
#include "shell/InputHelp.h"
#include "shell/Labels.h"
#include "shell/Main.h"
#include "shell/Shape.h"
#include "widgets/Cgauges.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

TInputDlg* InputDlg = nullptr;

namespace {

// A label of the input dialog: Arial, 12 pixels high.
void addLabel(QGroupBox* group, const char* name, const QString& caption, int top)
{
    QLabel* label = MakeLabel(group, name, caption, 8, top);
    label->setFont(PixelFont(QStringLiteral("Arial"), 12));
    label->adjustSize();
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
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, clCream);
    box->setPalette(palette);
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

TInputDlg::TInputDlg(QWidget* parent)
    : QDialog(parent)
{
    SetUpDialog(this, "InputDlg", QStringLiteral(" Torvane Data Input,,,"), QSize(578, 338));

    // Decorations first, so that everything else lies above them.
    addShape(this, "Shape1", { 8, 8, 561, 321 }, clBlue, 5);
    addShape(this, "Shape2", { 296, 32, 257, 65 }, clBlue, 5, clCream);
    addShape(this, "Shape4", { 296, 104, 257, 89 }, clBlue, 5, clCream);
    addShape(this, "Shape5", { 312, 120, 225, 57 }, clRed, 3);
    addShape(this, "Shape3", { 296, 200, 257, 113 }, clPurple, 5);

    StaticText1 = new QLabel(QStringLiteral("Route 66"), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(344, 128, 161, 41);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setFont(PixelFont(QStringLiteral("Martina"), 32, true));
    StaticText1->setAutoFillBackground(true);
    QPalette cream = StaticText1->palette();
    cream.setColor(QPalette::Window, clCream);
    StaticText1->setPalette(cream);

    CGauge1 = MakeRunGauge(this, QRect(320, 49, 209, 33));

    QGroupBox* car = MakeGroupBox(this, "GroupBox1", QStringLiteral("Torvane data"),
                                  QRect(24, 26, 257, 177), 9);
    addLabel(car, "Label1", QStringLiteral("Engine horspower:"), 16);
    THp = addBox(car, "THp", QStringLiteral("345.00"), 184, 16);
    addLabel(car, "Label2", QStringLiteral("Grill area in sq-ft:"), 40);
    TGrillArea = addBox(car, "TGrillArea", QStringLiteral("5.20"), 184, 40);
    addLabel(car, "Label3", QStringLiteral("Windshield area in sq-ft:"), 64);
    TWindshieldArea = addBox(car, "TWindshieldArea", QStringLiteral("13.61"), 184, 64);
    addLabel(car, "Label4", QStringLiteral("Car weight in lbs:"), 88);
    TWeight = addBox(car, "TWeight", QStringLiteral("3400.00"), 184, 88);
    addLabel(car, "Label5", QStringLiteral("Drag coefficient:"), 112);
    TCoeff = addBox(car, "TCoeff", QStringLiteral("0.29"), 184, 112);
    addLabel(car, "Label6", QStringLiteral("Windshield angle in degrees:"), 138);
    TWindshieldAngle = addBox(car, "TWindshieldAngle", QStringLiteral("22.00"), 184, 138, 12);

    QGroupBox* conditions = MakeGroupBox(this, "GroupBox3", QStringLiteral("Conditions"),
                                         QRect(24, 210, 257, 103));
    addLabel(conditions, "Label7", QStringLiteral("Number of available shifts:"), 24);
    TAvailableShifts = addBox(conditions, "TAvailableShifts", QStringLiteral("5"), 185, 20);
    addLabel(conditions, "Label8", QStringLiteral("Number of quarter mile shifts:"), 48);
    TNumberOfShifts = addBox(conditions, "TNumberOfShifts", QStringLiteral("2"), 185, 44);
    addLabel(conditions, "Label9", QStringLiteral("Spin time in seconds:"), 72);
    TSpinTime = addBox(conditions, "TSpinTime", QStringLiteral("0.75"), 185, 68);

    InputHelp = MakeButton(this, "InputHelp", QStringLiteral("&Input Help  "),
                           QRect(310, 214, 110, 26), QStringLiteral("Show input help dialog..."),
                           false, QStyle::SP_DialogHelpButton);
    ConditionsHelp = MakeButton(this, "ConditionsHelp", QStringLiteral("&Conditions Help  "),
                                QRect(430, 214, 110, 26),
                                QStringLiteral("Show conditions help dialog..."), false,
                                QStyle::SP_DialogHelpButton);
    // Small help glyphs leave room for the longer caption within 110 pixels.
    for (QPushButton* help : { InputHelp, ConditionsHelp })
        help->setIconSize(QSize(10, 10));
    CalculatorButton = MakeButton(this, "CalculatorButton", QStringLiteral("Area Calculator"),
                                  QRect(310, 244, 110, 26),
                                  QStringLiteral("Calculate grill and windshield area square feet "
                                                 "from measurments in inches..."));
    RestoreButton = MakeButton(this, "RestoreButton", QStringLiteral("Restore Inputs"),
                               QRect(430, 244, 110, 26), QStringLiteral("Restore previous values..."));
    OkButton = MakeButton(this, "OkButton", QStringLiteral("OK  "), QRect(310, 274, 110, 26),
                          QStringLiteral("Take all input values and calculate performance..."),
                          false, QStyle::SP_DialogOkButton);
    OkButton->setDefault(true);
    BitBtn1 = MakeButton(this, "BitBtn1", QStringLiteral("&Close"), QRect(430, 274, 110, 26),
                         QStringLiteral("Close this dialog box..."), false,
                         QStyle::SP_DialogCloseButton);

    // Tab order: the buttons, then the car's boxes, then the conditions.
    const QList<QWidget*> order = { OkButton,  BitBtn1, InputHelp,   ConditionsHelp,
                                    CalculatorButton,   RestoreButton,
                                    THp,       TGrillArea, TWindshieldArea, TWeight, TCoeff,
                                    TWindshieldAngle,   TAvailableShifts, TNumberOfShifts,
                                    TSpinTime };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    connect(OkButton, &QPushButton::clicked, this, &TInputDlg::OkButtonClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(RestoreButton, &QPushButton::clicked, this, &TInputDlg::RestoreButtonClick);
    connect(InputHelp, &QPushButton::clicked, this, &TInputDlg::InputHelpClick);
    connect(ConditionsHelp, &QPushButton::clicked, this, &TInputDlg::ConditionsHelpClick);
    connect(CalculatorButton, &QPushButton::clicked, this, &TInputDlg::CalculatorButtonClick);
    connect(Timer1, &QTimer::timeout, this, &TInputDlg::Timer1Timer);

    enterHandlers = {
        { THp, &TInputDlg::THpEnter },
        { TGrillArea, &TInputDlg::TGrillAreaEnter },
        { TWindshieldArea, &TInputDlg::TWindshieldAreaEnter },
        { TWeight, &TInputDlg::TWeightEnter },
        { TCoeff, &TInputDlg::TCoeffEnter },
        { TWindshieldAngle, &TInputDlg::TWindshieldAngleEnter },
        { TAvailableShifts, &TInputDlg::TAvailableShiftsEnter },
        { TNumberOfShifts, &TInputDlg::TNumberOfShiftsEnter },
        { TSpinTime, &TInputDlg::TSpinTimeEnter },
    };
    for (QObject* box : enterHandlers.keys())
        box->installEventFilter(this);
}

// Reads and checks the inputs, runs one simulation with the gauge showing
// its steps, and on success fills the results dialog, remembers the inputs,
// enables the result buttons and lets the timer close the dialog. Pressing
// OK never closes the dialog by itself.
void TInputDlg::OkButtonClick()
{
    const CarInputs inputs = ReadInputs();
    if (!inputs.inputError)
        RunCar(inputs);
}

void TInputDlg::RunCar(const CarInputs& inputs)
{
    std::unique_ptr<SimulationRecord> record = NewRecordFor(inputs);
    record->RunSimulation([this](int step) { CGauge1->SetProgress(step); });
    bool timeLimitReached = false;
    double stopTime = 0;
    record->GetStopState(timeLimitReached, stopTime);
    if (timeLimitReached) {
        ShowElapsedTimeMessage(stopTime);
        return;
    }

    FillResultsDialog(record->Results());
    record.reset();
    SavePreviousInputs();
    ControlDlg->SaveButton->setEnabled(true);
    ControlDlg->PrintButton->setEnabled(true);
    ControlDlg->ResultsButton->setEnabled(true);
    CGauge1->SetProgress(6);
    Timer1->start();
}

void TInputDlg::reject()
{
    if (Timer1->isActive()) {
        Timer1->stop();
        CGauge1->SetProgress(0);
    }
    QDialog::reject();
}

void TInputDlg::Timer1Timer()
{
    CGauge1->SetProgress(0);
    Timer1->stop();
    accept();
}

void TInputDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TInputDlg::FormShow()
{
    THp->setFocus(Qt::OtherFocusReason);
    THpEnter();
}

void TInputDlg::RestoreButtonClick()
{
    RestorePreviousInputs();
}

void TInputDlg::InputHelpClick()
{
    CentreOnMainForm(InputHelpDlg);
    ShowModal(InputHelpDlg);
}

void TInputDlg::ConditionsHelpClick()
{
    CentreOnMainForm(CondHelpDlg);
    ShowModal(CondHelpDlg);
}

void TInputDlg::CalculatorButtonClick()
{
    CentreOnMainForm(CalculatorDlg);
    ShowModal(CalculatorDlg);
}

// Entering a box selects its whole text, so that typing replaces it.
void TInputDlg::THpEnter() { THp->selectAll(); }
void TInputDlg::TGrillAreaEnter() { TGrillArea->selectAll(); }
void TInputDlg::TWindshieldAreaEnter() { TWindshieldArea->selectAll(); }
void TInputDlg::TWeightEnter() { TWeight->selectAll(); }
void TInputDlg::TCoeffEnter() { TCoeff->selectAll(); }
void TInputDlg::TWindshieldAngleEnter() { TWindshieldAngle->selectAll(); }
void TInputDlg::TAvailableShiftsEnter() { TAvailableShifts->selectAll(); }
void TInputDlg::TNumberOfShiftsEnter() { TNumberOfShifts->selectAll(); }
void TInputDlg::TSpinTimeEnter() { TSpinTime->selectAll(); }

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
