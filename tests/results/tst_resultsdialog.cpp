// SPDX-License-Identifier: GPL-3.0-or-later
// The results dialog: the twelve boxes filled from a run, their two number
// formats, and "Forget it! " on yellow for a speed never reached.
#include "core/CarRun.h"
#include "widgets/DialogParts.h"
#include "ProgramFixture.h"
#include "results/ResultsDialog.h"

#include "TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Fills the results dialog from a run of the given car, as the OK action does.
void fillFrom(const CarInputs& car)
{
    OutputDlg()->FillResultsDialog(RunCar(car).results);
}

void fillDefaultCar()
{
    fillFrom(CarInputs::DefaultCar());
}

// Top speed 69.75 mph: passes 60 but neither 80 nor 100.
void fillSlowCar()
{
    CarInputs car = CarInputs::DefaultCar();
    car.horsepower = 100;
    car.carWeight = 1000;
    car.dragCoefficient = 0.4;
    car.grillArea = 20;
    car.windshieldArea = 20;
    car.windshieldAngle = 45;
    fillFrom(car);
}

} // namespace

class TestResultsDialog : public QObject {
    Q_OBJECT

private slots:
    void init() { StartProgram(); }
    void cleanup() { EndProgram(); }

    void startsEmptyAndCream();
    void defaultCar();
    void missedMarksSayForgetIt();
    void laterRunTurnsBoxesCreamAgain();
    void layoutAndColours();
};

void TestResultsDialog::startsEmptyAndCream()
{
    for (QLineEdit* box : OutputDlg()->findChildren<QLineEdit*>()) {
        QCOMPARE(box->text(), QString());
        QCOMPARE(BoxColour(box), clCream);
    }
}

void TestResultsDialog::defaultCar()
{
    fillDefaultCar();
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TTime")->text(), QStringLiteral(" 13.87"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TSpeed")->text(), QStringLiteral("109.75"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TDistance")->text(), QStringLiteral("1,320.01"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TPounds")->text(), QStringLiteral(" 77.39"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TopTime")->text(), QStringLiteral("54.93"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TopSpeed")->text(), QStringLiteral("174.93"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TopDistance")->text(), QStringLiteral("10,312.34"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TopForce")->text(), QStringLiteral("196.57"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TSixtyTime")->text(), QStringLiteral("4.70"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TEightyTime")->text(), QStringLiteral("7.96"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "THundredTime")->text(), QStringLiteral("11.66"));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "SixtyToEighty")->text(), QStringLiteral("2.76"));
    for (QLineEdit* box : OutputDlg()->findChildren<QLineEdit*>())
        QCOMPARE(BoxColour(box), clCream);
}

void TestResultsDialog::missedMarksSayForgetIt()
{
    fillSlowCar();
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TopSpeed")->text(), QStringLiteral(" 69.75"));
    QVERIFY(Child<QLineEdit>(OutputDlg(), "TSixtyTime")->text() != QStringLiteral("Forget it! "));
    QCOMPARE(BoxColour(Child<QLineEdit>(OutputDlg(), "TSixtyTime")), clCream);
    for (QLineEdit* box : { Child<QLineEdit>(OutputDlg(), "TEightyTime"), Child<QLineEdit>(OutputDlg(), "SixtyToEighty"), Child<QLineEdit>(OutputDlg(), "THundredTime") }) {
        QCOMPARE(box->text(), QStringLiteral("Forget it! "));
        QCOMPARE(BoxColour(box), clYellow);
    }
}

void TestResultsDialog::laterRunTurnsBoxesCreamAgain()
{
    fillSlowCar();
    fillDefaultCar();
    for (QLineEdit* box : OutputDlg()->findChildren<QLineEdit*>()) {
        QVERIFY(box->text() != QStringLiteral("Forget it! "));
        QCOMPARE(BoxColour(box), clCream);
    }
}

void TestResultsDialog::layoutAndColours()
{
    QCOMPARE(OutputDlg()->windowTitle(), QStringLiteral(" Torvane Results..."));
    QCOMPARE(OutputDlg()->size(), QSize(594, 297));
    // Only the 0-80 box takes typing; no box takes the Tab key, but a click
    // focuses any of them.
    for (QLineEdit* box : OutputDlg()->findChildren<QLineEdit*>()) {
        QCOMPARE(box->isReadOnly(), box != Child<QLineEdit>(OutputDlg(), "TEightyTime"));
        QCOMPARE(box->focusPolicy(), Qt::ClickFocus);
    }
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TTime")->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(Child<QLineEdit>(OutputDlg(), "TDistance")->palette().color(QPalette::Text), QColor(0, 0, 0));
    // OK closes the dialog with the OK result.
    TModalAnswerer answerer([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>("Button2"), Qt::LeftButton);
    });
    QCOMPARE(OutputDlg()->exec(), int(QDialog::Accepted));
    QCOMPARE(answerer.SeenNames(), QStringList{ "OutputDlg" });
}

QTEST_MAIN(TestResultsDialog)
#include "tst_resultsdialog.moc"
