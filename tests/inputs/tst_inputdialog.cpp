// SPDX-License-Identifier: GPL-3.0-or-later
// The input dialog and the reading of its boxes: conversions, the range
// tests in their order with their exact messages, the OK action with its
// gauge steps, results and buttons, the elapsed-time message, and Restore
// Inputs.
#include "engine/Simulation.h"
#include "inputs/InputDialog.h"
#include "widgets/InputMessages.h"
#include "ProgramFixture.h"
#include "results/ResultsDialog.h"
#include "shell/ControlDialog.h"
#include "widgets/DialogParts.h"
#include "widgets/ProgressGauge.h"

#include "TestSupport.h"

#include "core/InputChecks.h"
#include "widgets/ModalShowing.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <clocale>

namespace {

const char* const boxNames[] = { "THp",     "TGrillArea",       "TWindshieldArea",
                                 "TWeight", "TCoeff",           "TWindshieldAngle",
                                 "TAvailableShifts", "TNumberOfShifts", "TSpinTime" };

QLineEdit* box(const QString& name)
{
    return InputDlg()->findChild<QLineEdit*>(name);
}

bool resultButtonsEnabled()
{
    return Child<QPushButton>(ControlDlg(), "SaveButton")->isEnabled() && Child<QPushButton>(ControlDlg(), "PrintButton")->isEnabled()
           && Child<QPushButton>(ControlDlg(), "ResultsButton")->isEnabled();
}

bool resultButtonsDisabled()
{
    return !Child<QPushButton>(ControlDlg(), "SaveButton")->isEnabled() && !Child<QPushButton>(ControlDlg(), "PrintButton")->isEnabled()
           && !Child<QPushButton>(ControlDlg(), "ResultsButton")->isEnabled();
}

void enableResultButtons()
{
    Child<QPushButton>(ControlDlg(), "SaveButton")->setEnabled(true);
    Child<QPushButton>(ControlDlg(), "PrintButton")->setEnabled(true);
    Child<QPushButton>(ControlDlg(), "ResultsButton")->setEnabled(true);
}

// The alert messages shown while `action` runs.
template <typename Action>
QStringList alertsDuring(Action action)
{
    TModalAnswerer answerer;
    action();
    QStringList texts;
    for (const TModalSeen& seen : answerer.seen)
        texts << seen.text;
    return texts;
}

// Records the gauge's progress every time it paints.
class ProgressRecorder : public QObject {
public:
    explicit ProgressRecorder(TCGauge* gauge) : gauge(gauge) { gauge->installEventFilter(this); }
    QList<int> steps;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            steps << gauge->Progress();
        return false;
    }

private:
    TCGauge* gauge;
};

QStringList resultTexts()
{
    QStringList texts;
    for (QLineEdit* e : { Child<QLineEdit>(OutputDlg(), "TTime"), Child<QLineEdit>(OutputDlg(), "TSpeed"), Child<QLineEdit>(OutputDlg(), "TDistance"),
                          Child<QLineEdit>(OutputDlg(), "TPounds"), Child<QLineEdit>(OutputDlg(), "TopSpeed"), Child<QLineEdit>(OutputDlg(), "TopTime"),
                          Child<QLineEdit>(OutputDlg(), "TopDistance"), Child<QLineEdit>(OutputDlg(), "TopForce"), Child<QLineEdit>(OutputDlg(), "TSixtyTime"),
                          Child<QLineEdit>(OutputDlg(), "TEightyTime"), Child<QLineEdit>(OutputDlg(), "THundredTime"),
                          Child<QLineEdit>(OutputDlg(), "SixtyToEighty") })
        texts << e->text();
    return texts;
}

const QStringList defaultCarResults = { " 13.87", "109.75",    "1,320.01", " 77.39",
                                        "174.93", "54.93",     "10,312.34", "196.57",
                                        "4.70",   "7.96",      "11.66",     "2.76" };

} // namespace

class TestInputDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rangeMessages_data();
    void rangeMessages();
    void testOrder();
    void rangeFailureChangesNothingElse();
    void frontalAreaUsesTheOldDegreeFactor();
    void okRunsTheDefaultCar();
    void enterInABoxPressesOk();
    void timeLimitShowsElapsedTime();
    void restoreBeforeAnySavePointEmptiesTheBoxes();
    void restoreBringsBackTheLastRun();
    void showingSelectsHorsepower();
    void closingStopsTheTimer();
    void openingHelpRightAfterOkKeepsTheDialog_data();
    void openingHelpRightAfterOkKeepsTheDialog();
    void messagesStayAboveTheDialog();
    void commaDecimalLocale();
};

void TestInputDialog::init()
{
    StartProgram();
    Child<QTimer>(InputDlg(), "Timer1")->setInterval(20);
}

void TestInputDialog::cleanup()
{
    EndProgram();
    QCOMPARE(OpenWindows(), QStringList());
}

void TestInputDialog::rangeMessages_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: the value passes

    auto row = [](const char* name, const char* boxName, const char* text, const char* message) {
        QTest::newRow(name) << boxName << text << message;
    };
    const char* hp = "The horsepower must be between 100.00 and 1500.00";
    row("horsepower 100 passes", "THp", "100", "");
    row("horsepower 1500 passes", "THp", "1500", "");
    row("horsepower 99.99", "THp", "99.99", hp);
    row("horsepower 1500.01", "THp", "1500.01", hp);
    row("horsepower empty", "THp", "", hp);
    row("horsepower letters", "THp", "lots", hp);
    row("horsepower with unit", "THp", "345 hp", "");
    row("horsepower leading blank", "THp", " 345", "");
    row("horsepower huge exponent", "THp", "1e999", hp);
    const char* grill = "The grill area must be between   2.00 and  20.00";
    row("grill 2 passes", "TGrillArea", "2", "");
    row("grill 1.99", "TGrillArea", "1.99", grill);
    row("grill 20.01", "TGrillArea", "20.01", grill);
    const char* windshield = "The windshield area must be between   2.00 and  20.00";
    row("windshield 20 passes", "TWindshieldArea", "20", "");
    row("windshield 1", "TWindshieldArea", "1", windshield);
    const char* weight = "The car weight must be between 1000.00 and 4500.00";
    row("weight 1000 passes", "TWeight", "1000", "");
    row("weight 4500 passes", "TWeight", "4500", "");
    row("weight 999", "TWeight", "999", weight);
    row("weight 4501", "TWeight", "4501", weight);
    const char* drag = "The drag coefficient must be between   0.20 and   0.40";
    row("drag 0.2 passes", "TCoeff", "0.2", "");
    row("drag 0.4 passes", "TCoeff", "0.4", "");
    row("drag 0.19", "TCoeff", "0.19", drag);
    row("drag 0.41", "TCoeff", "0.41", drag);
    const char* angle = "The windshield angle must be between  20.00 and  45.00";
    row("angle 20 passes", "TWindshieldAngle", "20", "");
    row("angle 45 passes", "TWindshieldAngle", "45", "");
    row("angle 19.9", "TWindshieldAngle", "19.9", angle);
    row("angle 46", "TWindshieldAngle", "46", angle);
    const char* available = "The number of available shifts must be between 1 and 5";
    const char* quarter = "The number of quarter mile shifts must be between 1 and available shifts - 1.";
    row("available 6", "TAvailableShifts", "6", available);
    row("available 0", "TAvailableShifts", "0", available);
    row("available beyond 32 bits", "TAvailableShifts", "4294967301", available);
    row("available 1 never passes the quarter-mile test", "TAvailableShifts", "1", quarter);
    row("quarter-mile 4 of 5 passes", "TNumberOfShifts", "4", "");
    row("quarter-mile 5 of 5", "TNumberOfShifts", "5", quarter);
    row("quarter-mile 0", "TNumberOfShifts", "0", quarter);
    row("quarter-mile 2.9 is 2", "TNumberOfShifts", "2.9", "");
    row("quarter-mile beyond 32 bits", "TNumberOfShifts", "99999999999", quarter);
    const char* spin = "The spin time must be between 0.75 and 3.00";
    row("spin 0.75 passes", "TSpinTime", "0.75", "");
    row("spin 3 passes", "TSpinTime", "3", "");
    row("spin 0.74", "TSpinTime", "0.74", spin);
    row("spin empty", "TSpinTime", "", spin);
}

void TestInputDialog::rangeMessages()
{
    QFETCH(QString, boxName);
    QFETCH(QString, text);
    QFETCH(QString, message);
    box(boxName)->setText(text);
    ReadInputsResult inputs;
    const QStringList alerts = alertsDuring([&] { inputs = ReadInputs(*TheProgram()); });
    QCOMPARE(inputs.inputError, !message.isEmpty());
    QCOMPARE(alerts, message.isEmpty() ? QStringList() : QStringList{ message });
}

// With every value wrong, each message comes in turn as the earlier values
// are put right.
void TestInputDialog::testOrder()
{
    const QList<QPair<QString, QString>> fixes = {
        { "THp", "345" },          { "TGrillArea", "5" },       { "TWindshieldArea", "13" },
        { "TWeight", "3400" },     { "TCoeff", "0.3" },         { "TWindshieldAngle", "22" },
        { "TAvailableShifts", "5" }, { "TNumberOfShifts", "2" }, { "TSpinTime", "1" },
    };
    for (const char* name : boxNames)
        box(name)->setText(name == QStringLiteral("TAvailableShifts") ? "9" : "");
    const QStringList expected = {
        "The horsepower must be between 100.00 and 1500.00",
        "The grill area must be between   2.00 and  20.00",
        "The windshield area must be between   2.00 and  20.00",
        "The car weight must be between 1000.00 and 4500.00",
        "The drag coefficient must be between   0.20 and   0.40",
        "The windshield angle must be between  20.00 and  45.00",
        "The number of available shifts must be between 1 and 5",
        "The number of quarter mile shifts must be between 1 and available shifts - 1.",
        "The spin time must be between 0.75 and 3.00",
    };
    for (int i = 0; i < fixes.size(); ++i) {
        QCOMPARE(alertsDuring([] { ReadInputs(*TheProgram()); }), QStringList{ expected[i] });
        box(fixes[i].first)->setText(fixes[i].second);
    }
    QCOMPARE(alertsDuring([] { QVERIFY(!ReadInputs(*TheProgram()).inputError); }), QStringList());
}

void TestInputDialog::rangeFailureChangesNothingElse()
{
    InputDlg()->show();
    enableResultButtons();
    Child<TCGauge>(InputDlg(), "CGauge1")->SetProgress(3);
    Child<QLineEdit>(OutputDlg(), "TTime")->setText("earlier");
    Child<QLineEdit>(InputDlg(), "TWeight")->setText("12");
    const QStringList alerts = alertsDuring([] { Child<QPushButton>(InputDlg(), "OkButton")->click(); });
    QCOMPARE(alerts.size(), 1);
    QVERIFY(resultButtonsDisabled());
    QCOMPARE(Child<TCGauge>(InputDlg(), "CGauge1")->Progress(), 3);
    QCOMPARE(Child<QLineEdit>(InputDlg(), "TWeight")->text(), QStringLiteral("12"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TTime")->text(), QStringLiteral("earlier"));
    QVERIFY(InputDlg()->isVisible());
    QVERIFY(!Child<QTimer>(InputDlg(), "Timer1")->isActive());
    QCOMPARE(State().previousInputs[InputField::Horsepower], QString());
    InputDlg()->hide();
}

void TestInputDialog::frontalAreaUsesTheOldDegreeFactor()
{
    const ReadInputsResult inputs = ReadInputs(*TheProgram());
    QVERIFY(!inputs.inputError);
    QCOMPARE(QString::asprintf("%.9f", inputs.car.FrontalArea()), QStringLiteral("10.298038846"));
    // With an exact degree factor it would be 10.298395...
    QVERIFY(std::abs(inputs.car.FrontalArea() - 10.298395) > 1e-4);
}

void TestInputDialog::okRunsTheDefaultCar()
{
    InputDlg()->show();
    QVERIFY(QTest::qWaitForWindowExposed(InputDlg()));
    ProgressRecorder recorder(Child<TCGauge>(InputDlg(), "CGauge1"));
    const QStringList alerts = alertsDuring([] { Child<QPushButton>(InputDlg(), "OkButton")->click(); });
    QCOMPARE(alerts, QStringList());
    // The gauge showed each step while the run went on, then the full gauge.
    QCOMPARE(recorder.steps, (QList<int>{ 3, 4, 5, 6 }));
    QCOMPARE(resultTexts(), defaultCarResults);
    QVERIFY(resultButtonsEnabled());
    QCOMPARE(State().previousInputs[InputField::Horsepower], QStringLiteral("345.00"));
    QCOMPARE(State().previousInputs[InputField::AvailableShifts], QStringLiteral("5"));
    // OK alone leaves the dialog open; the timer closes it and empties the gauge.
    QVERIFY(InputDlg()->isVisible());
    QVERIFY(Child<QTimer>(InputDlg(), "Timer1")->isActive());
    QTRY_VERIFY(!InputDlg()->isVisible());
    QCOMPARE(InputDlg()->result(), int(QDialog::Accepted));
    QCOMPARE(Child<TCGauge>(InputDlg(), "CGauge1")->Progress(), 0);
    QVERIFY(!Child<QTimer>(InputDlg(), "Timer1")->isActive());
}

void TestInputDialog::enterInABoxPressesOk()
{
    InputDlg()->show();
    Child<QLineEdit>(InputDlg(), "TSpinTime")->setText("1.5");
    QTest::keyClick(Child<QLineEdit>(InputDlg(), "TSpinTime"), Qt::Key_Return);
    QVERIFY(resultButtonsEnabled());
    QCOMPARE(State().previousInputs[InputField::SpinTime], QStringLiteral("1.5"));
    QTRY_VERIFY(!InputDlg()->isVisible());
}

// No car within the ranges gives up, so the run is given a 1 hp car directly.
void TestInputDialog::timeLimitShowsElapsedTime()
{
    InputDlg()->show();
    QVERIFY(QTest::qWaitForWindowExposed(InputDlg()));
    enableResultButtons();
    Child<QLineEdit>(OutputDlg(), "TTime")->setText("earlier");
    CarInputs weak = ReadInputs(*TheProgram()).car;
    weak.horsepower = 1;
    ProgressRecorder recorder(Child<TCGauge>(InputDlg(), "CGauge1"));
    const QStringList alerts = alertsDuring([&] { InputDlg()->RunCar(weak); });
    QCOMPARE(alerts, QStringList{ "The 1/4 mile e.t. is larger than  61.75 seconds." });
    QCOMPARE(recorder.steps, (QList<int>{ 3, 0 }));
    QVERIFY(resultButtonsDisabled());
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TTime")->text(), QStringLiteral("earlier"));
    QCOMPARE(State().previousInputs[InputField::Horsepower], QString());
    QVERIFY(!Child<QTimer>(InputDlg(), "Timer1")->isActive());
    QVERIFY(InputDlg()->isVisible());
    InputDlg()->hide();

    QCOMPARE(ElapsedTimeMessage(61.751), QStringLiteral("The 1/4 mile e.t. is larger than  61.75 seconds."));
    QCOMPARE(ElapsedTimeMessage(123.456), QStringLiteral("The 1/4 mile e.t. is larger than 123.46 seconds."));
}

void TestInputDialog::restoreBeforeAnySavePointEmptiesTheBoxes()
{
    Child<QPushButton>(InputDlg(), "RestoreButton")->click();
    for (const char* name : boxNames)
        QCOMPARE(box(name)->text(), QString());
}

void TestInputDialog::restoreBringsBackTheLastRun()
{
    InputDlg()->show();
    Child<QLineEdit>(InputDlg(), "THp")->setText("345 hp");
    alertsDuring([] { InputDlg()->OkButtonClick(); });
    QVERIFY(resultButtonsEnabled());
    Child<QTimer>(InputDlg(), "Timer1")->stop();
    Child<QLineEdit>(InputDlg(), "THp")->setText("999");
    Child<QLineEdit>(InputDlg(), "TCoeff")->setText("x");
    Child<TCGauge>(InputDlg(), "CGauge1")->SetProgress(2);
    Child<QPushButton>(InputDlg(), "RestoreButton")->click();
    QCOMPARE(Child<QLineEdit>(InputDlg(), "THp")->text(), QStringLiteral("345 hp"));
    QCOMPARE(Child<QLineEdit>(InputDlg(), "TCoeff")->text(), QStringLiteral("0.29"));
    // Nothing else is touched.
    QCOMPARE(Child<TCGauge>(InputDlg(), "CGauge1")->Progress(), 2);
    QVERIFY(resultButtonsEnabled());
    InputDlg()->hide();
}

void TestInputDialog::showingSelectsHorsepower()
{
    Child<QLineEdit>(InputDlg(), "THp")->deselect();
    InputDlg()->show();
    QCOMPARE(Child<QLineEdit>(InputDlg(), "THp")->selectedText(), QStringLiteral("345.00"));
    InputDlg()->hide();
    // Entering another box selects its text...
    Child<QLineEdit>(InputDlg(), "TWeight")->deselect();
    QFocusEvent clickedIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(Child<QLineEdit>(InputDlg(), "TWeight"), &clickedIn);
    QTRY_COMPARE(Child<QLineEdit>(InputDlg(), "TWeight")->selectedText(), QStringLiteral("3400.00"));
    // ...but the dialog getting the focus back, after a message, leaves it
    // as the user had it.
    Child<QLineEdit>(InputDlg(), "TWeight")->deselect();
    QFocusEvent windowBack(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Child<QLineEdit>(InputDlg(), "TWeight"), &windowBack);
    QCoreApplication::processEvents();
    QCOMPARE(Child<QLineEdit>(InputDlg(), "TWeight")->selectedText(), QString());
}

// Closing the dialog during the second after a run ends that second: the
// next showing is not closed by the old tick.
void TestInputDialog::closingStopsTheTimer()
{
    InputDlg()->show();
    alertsDuring([] { InputDlg()->OkButtonClick(); });
    QVERIFY(Child<QTimer>(InputDlg(), "Timer1")->isActive());
    Child<QPushButton>(InputDlg(), "BitBtn1")->click();
    QVERIFY(!InputDlg()->isVisible());
    QVERIFY(!Child<QTimer>(InputDlg(), "Timer1")->isActive());
    QCOMPARE(Child<TCGauge>(InputDlg(), "CGauge1")->Progress(), 0);
    InputDlg()->show();
    QTest::qWait(3 * Child<QTimer>(InputDlg(), "Timer1")->interval());
    QVERIFY(InputDlg()->isVisible());
    InputDlg()->hide();
}

// A message shown from the modal input dialog belongs to that dialog, so the
// window system keeps it above it.
void TestInputDialog::messagesStayAboveTheDialog()
{
    QWindow* alertOwner = nullptr;
    QStringList seen;
    // A timer does not fire again inside its own handler, so the message
    // that opens on top of the input dialog gets an answerer of its own.
    TModalAnswerer answerer([&](QWidget*) {
        Child<QLineEdit>(InputDlg(), "THp")->setText("1");
        TModalAnswerer inner([&](QWidget* alert) {
            alertOwner = alert->windowHandle()->transientParent();
        });
        Child<QPushButton>(InputDlg(), "OkButton")->click();
        seen = inner.SeenNames();
        Child<QPushButton>(InputDlg(), "BitBtn1")->click();
    });
    ShowModal(InputDlg(), MainForm());
    QCOMPARE(answerer.SeenNames(), QStringList{ "InputDlg" });
    QCOMPARE(seen, QStringList{ "AlertDlg" });
    QVERIFY(alertOwner);
    QCOMPARE(alertOwner, InputDlg()->windowHandle());
}

void TestInputDialog::openingHelpRightAfterOkKeepsTheDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("input help") << "InputHelp";
    QTest::newRow("conditions help") << "ConditionsHelp";
    QTest::newRow("area calculator") << "CalculatorButton";
}

// A dialog opened in the second after OK: the pending close is dropped, so
// the input dialog stays under it and open after it, with an empty gauge.
void TestInputDialog::openingHelpRightAfterOkKeepsTheDialog()
{
    QFETCH(QString, button);
    InputDlg()->show();
    Child<QPushButton>(InputDlg(), "OkButton")->click();
    QVERIFY(Child<QTimer>(InputDlg(), "Timer1")->isActive());
    bool inputStayed = false;
    TModalAnswerer answerer([&](QWidget*) {
        QTest::qWait(100);
        inputStayed = InputDlg()->isVisible();
    });
    Child<QPushButton>(InputDlg(), qPrintable(button))->click();
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY(inputStayed);
    QTest::qWait(100);
    QVERIFY(InputDlg()->isVisible());
    QVERIFY(!Child<QTimer>(InputDlg(), "Timer1")->isActive());
    QCOMPARE(Child<TCGauge>(InputDlg(), "CGauge1")->Progress(), 0);
    QVERIFY(resultButtonsEnabled());
    InputDlg()->hide();
}

// Under a comma-decimal locale the boxes are read as before and the printf
// fields keep their points; only the picture fields take the locale's
// separators.
void TestInputDialog::commaDecimalLocale()
{
    QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"),
             "the de_DE.UTF-8 locale is missing: scripts/install-deps.sh generates it");
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    alertsDuring([] { InputDlg()->OkButtonClick(); });
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(saved);
    Child<QTimer>(InputDlg(), "Timer1")->stop();
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TTime")->text(), QStringLiteral(" 13.87"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TDistance")->text(), QStringLiteral("1.320,01"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TSixtyTime")->text(), QStringLiteral("4,70"));
}

QTEST_MAIN(TestInputDialog)
#include "tst_inputdialog.moc"
