// The results dialog: the twelve boxes filled from a run, their two number
// formats, and "Forget it! " on yellow for a speed never reached.
#include "engine/Simulation.h"
#include "inputs/Othersubs.h"
#include "results/Output.h"

#include "TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Fills the results dialog from a run of the given car, as the OK action does.
void fillFrom(double horsepower, double carWeight, double dragCoefficient, double frontalArea)
{
    CarInputs car;
    car.horsepower = horsepower;
    car.carWeight = carWeight;
    car.dragCoefficient = dragCoefficient;
    car.frontalArea = frontalArea;
    car.spinTime = 0.75;
    car.quarterMileShifts = 2;
    car.availableShifts = 5;
    std::unique_ptr<SimulationRecord> record = NewRecordFor(car);
    record->RunSimulation({});
    FillResultsDialog(record->Results());
}

void fillDefaultCar()
{
    fillFrom(345, 3400, 0.29, FrontalArea(5.20, 13.61, 22));
}

// Top speed 69.75 mph: passes 60 but neither 80 nor 100.
void fillSlowCar()
{
    fillFrom(100, 1000, 0.4, FrontalArea(20, 20, 45));
}

} // namespace

class TestOutput : public QObject {
    Q_OBJECT

private slots:
    void init() { CreateWindows(); }
    void cleanup() { DestroyWindows(); }

    void startsEmptyAndCream();
    void defaultCar();
    void missedMarksSayForgetIt();
    void laterRunTurnsBoxesCreamAgain();
    void layoutAndColours();
};

void TestOutput::startsEmptyAndCream()
{
    for (QLineEdit* box : OutputDlg->findChildren<QLineEdit*>()) {
        QCOMPARE(box->text(), QString());
        QCOMPARE(BoxColour(box), TOutputDlg::Cream);
    }
}

void TestOutput::defaultCar()
{
    fillDefaultCar();
    QCOMPARE(OutputDlg->TTime->text(), QStringLiteral(" 13.87"));
    QCOMPARE(OutputDlg->TSpeed->text(), QStringLiteral("109.75"));
    QCOMPARE(OutputDlg->TDistance->text(), QStringLiteral("1,320.01"));
    QCOMPARE(OutputDlg->TPounds->text(), QStringLiteral(" 77.39"));
    QCOMPARE(OutputDlg->TopTime->text(), QStringLiteral("54.93"));
    QCOMPARE(OutputDlg->TopSpeed->text(), QStringLiteral("174.93"));
    QCOMPARE(OutputDlg->TopDistance->text(), QStringLiteral("10,312.34"));
    QCOMPARE(OutputDlg->TopForce->text(), QStringLiteral("196.57"));
    QCOMPARE(OutputDlg->TSixtyTime->text(), QStringLiteral("4.70"));
    QCOMPARE(OutputDlg->TEightyTime->text(), QStringLiteral("7.96"));
    QCOMPARE(OutputDlg->THundredTime->text(), QStringLiteral("11.66"));
    QCOMPARE(OutputDlg->SixtyToEighty->text(), QStringLiteral("2.76"));
    for (QLineEdit* box : OutputDlg->findChildren<QLineEdit*>())
        QCOMPARE(BoxColour(box), TOutputDlg::Cream);
}

void TestOutput::missedMarksSayForgetIt()
{
    fillSlowCar();
    QCOMPARE(OutputDlg->TopSpeed->text(), QStringLiteral(" 69.75"));
    QVERIFY(OutputDlg->TSixtyTime->text() != QStringLiteral("Forget it! "));
    QCOMPARE(BoxColour(OutputDlg->TSixtyTime), TOutputDlg::Cream);
    for (QLineEdit* box : { OutputDlg->TEightyTime, OutputDlg->SixtyToEighty, OutputDlg->THundredTime }) {
        QCOMPARE(box->text(), QStringLiteral("Forget it! "));
        QCOMPARE(BoxColour(box), TOutputDlg::Yellow);
    }
}

void TestOutput::laterRunTurnsBoxesCreamAgain()
{
    fillSlowCar();
    fillDefaultCar();
    for (QLineEdit* box : OutputDlg->findChildren<QLineEdit*>()) {
        QVERIFY(box->text() != QStringLiteral("Forget it! "));
        QCOMPARE(BoxColour(box), TOutputDlg::Cream);
    }
}

void TestOutput::layoutAndColours()
{
    QCOMPARE(OutputDlg->windowTitle(), QStringLiteral(" Torvane Results..."));
    QCOMPARE(OutputDlg->size(), QSize(594, 297));
    // Only the 0-80 box takes typing; no box takes the Tab key, but a click
    // focuses any of them.
    for (QLineEdit* box : OutputDlg->findChildren<QLineEdit*>()) {
        QCOMPARE(box->isReadOnly(), box != OutputDlg->TEightyTime);
        QCOMPARE(box->focusPolicy(), Qt::ClickFocus);
    }
    QCOMPARE(OutputDlg->TTime->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(OutputDlg->TDistance->palette().color(QPalette::Text), QColor(0, 0, 0));
    // OK closes the dialog with the OK result.
    TModalAnswerer answerer([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>("Button2"), Qt::LeftButton);
    });
    QCOMPARE(OutputDlg->exec(), int(QDialog::Accepted));
    QCOMPARE(answerer.SeenNames(), QStringList{ "OutputDlg" });
}

TORVANE_TEST_MAIN(TestOutput)
#include "tst_output.moc"
