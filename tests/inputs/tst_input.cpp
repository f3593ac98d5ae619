// The input dialog and the reading of its boxes: conversions, the range
// tests in their order with their exact messages, the OK action with its
// gauge steps, results and buttons, the elapsed-time message, and Restore
// Inputs.
#include "engine/Simulation.h"
#include "inputs/Input.h"
#include "inputs/Messagesx.h"
#include "inputs/Othersubs.h"
#include "results/Output.h"
#include "shell/Control.h"
#include "shell/Forms.h"
#include "widgets/Cgauges.h"

#include "TestSupport.h"

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
    return InputDlg->findChild<QLineEdit*>(name);
}

bool resultButtonsEnabled()
{
    return ControlDlg->SaveButton->isEnabled() && ControlDlg->PrintButton->isEnabled()
           && ControlDlg->ResultsButton->isEnabled();
}

bool resultButtonsDisabled()
{
    return !ControlDlg->SaveButton->isEnabled() && !ControlDlg->PrintButton->isEnabled()
           && !ControlDlg->ResultsButton->isEnabled();
}

void enableResultButtons()
{
    ControlDlg->SaveButton->setEnabled(true);
    ControlDlg->PrintButton->setEnabled(true);
    ControlDlg->ResultsButton->setEnabled(true);
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
    for (QLineEdit* e : { OutputDlg->TTime, OutputDlg->TSpeed, OutputDlg->TDistance,
                          OutputDlg->TPounds, OutputDlg->TopSpeed, OutputDlg->TopTime,
                          OutputDlg->TopDistance, OutputDlg->TopForce, OutputDlg->TSixtyTime,
                          OutputDlg->TEightyTime, OutputDlg->THundredTime,
                          OutputDlg->SixtyToEighty })
        texts << e->text();
    return texts;
}

const QStringList defaultCarResults = { " 13.87", "109.75",    "1,320.01", " 77.39",
                                        "174.93", "54.93",     "10,312.34", "196.57",
                                        "4.70",   "7.96",      "11.66",     "2.76" };

} // namespace

class TestInput : public QObject {
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
    void messagesStayAboveTheDialog();
    void commaDecimalLocale();
};

void TestInput::init()
{
    CreateWindows();
    PreviousInputs.fill(QString());
    PreviousPrintTitle.clear();
    InputDlg->Timer1->setInterval(20);
}

void TestInput::cleanup()
{
    DestroyWindows();
    QCOMPARE(OpenWindows(), QStringList());
}

void TestInput::rangeMessages_data()
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

void TestInput::rangeMessages()
{
    QFETCH(QString, boxName);
    QFETCH(QString, text);
    QFETCH(QString, message);
    box(boxName)->setText(text);
    CarInputs inputs;
    const QStringList alerts = alertsDuring([&] { inputs = ReadInputs(); });
    QCOMPARE(inputs.inputError, !message.isEmpty());
    QCOMPARE(alerts, message.isEmpty() ? QStringList() : QStringList{ message });
}

// With every value wrong, each message comes in turn as the earlier values
// are put right.
void TestInput::testOrder()
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
        QCOMPARE(alertsDuring([] { ReadInputs(); }), QStringList{ expected[i] });
        box(fixes[i].first)->setText(fixes[i].second);
    }
    QCOMPARE(alertsDuring([] { QVERIFY(!ReadInputs().inputError); }), QStringList());
}

void TestInput::rangeFailureChangesNothingElse()
{
    InputDlg->show();
    enableResultButtons();
    InputDlg->CGauge1->SetProgress(3);
    OutputDlg->TTime->setText("earlier");
    InputDlg->TWeight->setText("12");
    const QStringList alerts = alertsDuring([] { InputDlg->OkButton->click(); });
    QCOMPARE(alerts.size(), 1);
    QVERIFY(resultButtonsDisabled());
    QCOMPARE(InputDlg->CGauge1->Progress(), 3);
    QCOMPARE(InputDlg->TWeight->text(), QStringLiteral("12"));
    QCOMPARE(OutputDlg->TTime->text(), QStringLiteral("earlier"));
    QVERIFY(InputDlg->isVisible());
    QVERIFY(!InputDlg->Timer1->isActive());
    QCOMPARE(PreviousInputs[piHorsepower], QString());
    InputDlg->hide();
}

void TestInput::frontalAreaUsesTheOldDegreeFactor()
{
    const CarInputs inputs = ReadInputs();
    QVERIFY(!inputs.inputError);
    QCOMPARE(QString::asprintf("%.9f", inputs.frontalArea), QStringLiteral("10.298038846"));
    // With an exact degree factor it would be 10.298395...
    QVERIFY(std::abs(inputs.frontalArea - 10.298395) > 1e-4);
}

void TestInput::okRunsTheDefaultCar()
{
    InputDlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(InputDlg));
    ProgressRecorder recorder(InputDlg->CGauge1);
    const QStringList alerts = alertsDuring([] { InputDlg->OkButton->click(); });
    QCOMPARE(alerts, QStringList());
    // The gauge showed each step while the run went on, then the full gauge.
    QCOMPARE(recorder.steps, (QList<int>{ 3, 4, 5, 6 }));
    QCOMPARE(resultTexts(), defaultCarResults);
    QVERIFY(resultButtonsEnabled());
    QCOMPARE(PreviousInputs[piHorsepower], QStringLiteral("345.00"));
    QCOMPARE(PreviousInputs[piAvailableShifts], QStringLiteral("5"));
    // OK alone leaves the dialog open; the timer closes it and empties the gauge.
    QVERIFY(InputDlg->isVisible());
    QVERIFY(InputDlg->Timer1->isActive());
    QTRY_VERIFY(!InputDlg->isVisible());
    QCOMPARE(InputDlg->result(), int(QDialog::Accepted));
    QCOMPARE(InputDlg->CGauge1->Progress(), 0);
    QVERIFY(!InputDlg->Timer1->isActive());
}

void TestInput::enterInABoxPressesOk()
{
    InputDlg->show();
    InputDlg->TSpinTime->setText("1.5");
    QTest::keyClick(InputDlg->TSpinTime, Qt::Key_Return);
    QVERIFY(resultButtonsEnabled());
    QCOMPARE(PreviousInputs[piSpinTime], QStringLiteral("1.5"));
    QTRY_VERIFY(!InputDlg->isVisible());
}

// No car within the ranges gives up, so the run is given a 1 hp car directly.
void TestInput::timeLimitShowsElapsedTime()
{
    InputDlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(InputDlg));
    enableResultButtons();
    OutputDlg->TTime->setText("earlier");
    CarInputs weak = ReadInputs();
    weak.horsepower = 1;
    ProgressRecorder recorder(InputDlg->CGauge1);
    const QStringList alerts = alertsDuring([&] { InputDlg->RunCar(weak); });
    QCOMPARE(alerts, QStringList{ "The 1/4 mile e.t. is larger than  61.75 seconds." });
    QCOMPARE(recorder.steps, (QList<int>{ 3, 0 }));
    QVERIFY(resultButtonsDisabled());
    QCOMPARE(OutputDlg->TTime->text(), QStringLiteral("earlier"));
    QCOMPARE(PreviousInputs[piHorsepower], QString());
    QVERIFY(!InputDlg->Timer1->isActive());
    QVERIFY(InputDlg->isVisible());
    InputDlg->hide();

    QCOMPARE(ElapsedTimeMessage(61.751), QStringLiteral("The 1/4 mile e.t. is larger than  61.75 seconds."));
    QCOMPARE(ElapsedTimeMessage(123.456), QStringLiteral("The 1/4 mile e.t. is larger than 123.46 seconds."));
}

void TestInput::restoreBeforeAnySavePointEmptiesTheBoxes()
{
    InputDlg->RestoreButton->click();
    for (const char* name : boxNames)
        QCOMPARE(box(name)->text(), QString());
}

void TestInput::restoreBringsBackTheLastRun()
{
    InputDlg->show();
    InputDlg->THp->setText("345 hp");
    alertsDuring([] { InputDlg->OkButtonClick(); });
    QVERIFY(resultButtonsEnabled());
    InputDlg->Timer1->stop();
    InputDlg->THp->setText("999");
    InputDlg->TCoeff->setText("x");
    InputDlg->CGauge1->SetProgress(2);
    InputDlg->RestoreButton->click();
    QCOMPARE(InputDlg->THp->text(), QStringLiteral("345 hp"));
    QCOMPARE(InputDlg->TCoeff->text(), QStringLiteral("0.29"));
    // Nothing else is touched.
    QCOMPARE(InputDlg->CGauge1->Progress(), 2);
    QVERIFY(resultButtonsEnabled());
    InputDlg->hide();
}

void TestInput::showingSelectsHorsepower()
{
    InputDlg->THp->deselect();
    InputDlg->show();
    QCOMPARE(InputDlg->THp->selectedText(), QStringLiteral("345.00"));
    InputDlg->hide();
    // Entering another box selects its text...
    InputDlg->TWeight->deselect();
    QFocusEvent clickedIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(InputDlg->TWeight, &clickedIn);
    QTRY_COMPARE(InputDlg->TWeight->selectedText(), QStringLiteral("3400.00"));
    // ...but the dialog getting the focus back, after a message, leaves it
    // as the user had it.
    InputDlg->TWeight->deselect();
    QFocusEvent windowBack(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(InputDlg->TWeight, &windowBack);
    QCoreApplication::processEvents();
    QCOMPARE(InputDlg->TWeight->selectedText(), QString());
}

// Closing the dialog during the second after a run ends that second: the
// next showing is not closed by the old tick.
void TestInput::closingStopsTheTimer()
{
    InputDlg->show();
    alertsDuring([] { InputDlg->OkButtonClick(); });
    QVERIFY(InputDlg->Timer1->isActive());
    InputDlg->BitBtn1->click();
    QVERIFY(!InputDlg->isVisible());
    QVERIFY(!InputDlg->Timer1->isActive());
    QCOMPARE(InputDlg->CGauge1->Progress(), 0);
    InputDlg->show();
    QTest::qWait(3 * InputDlg->Timer1->interval());
    QVERIFY(InputDlg->isVisible());
    InputDlg->hide();
}

// A message shown from the modal input dialog belongs to that dialog, so the
// window system keeps it above it.
void TestInput::messagesStayAboveTheDialog()
{
    QWindow* alertOwner = nullptr;
    QStringList seen;
    // A timer does not fire again inside its own handler, so the message
    // that opens on top of the input dialog gets an answerer of its own.
    TModalAnswerer answerer([&](QWidget*) {
        InputDlg->THp->setText("1");
        TModalAnswerer inner([&](QWidget* alert) {
            alertOwner = alert->windowHandle()->transientParent();
        });
        InputDlg->OkButton->click();
        seen = inner.SeenNames();
        InputDlg->BitBtn1->click();
    });
    ShowModal(InputDlg);
    QCOMPARE(answerer.SeenNames(), QStringList{ "InputDlg" });
    QCOMPARE(seen, QStringList{ "AlertDlg" });
    QVERIFY(alertOwner);
    QCOMPARE(alertOwner, InputDlg->windowHandle());
}

// Under a comma-decimal locale the boxes are read as before and the printf
// fields keep their points; only the picture fields take the locale's
// separators.
void TestInput::commaDecimalLocale()
{
    QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"),
             "the de_DE.UTF-8 locale is missing: scripts/install-deps.sh generates it");
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    alertsDuring([] { InputDlg->OkButtonClick(); });
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(saved);
    InputDlg->Timer1->stop();
    QCOMPARE(OutputDlg->TTime->text(), QStringLiteral(" 13.87"));
    QCOMPARE(OutputDlg->TDistance->text(), QStringLiteral("1.320,01"));
    QCOMPARE(OutputDlg->TSixtyTime->text(), QStringLiteral("4,70"));
}

TORVANE_TEST_MAIN(TestInput)
#include "tst_input.moc"
