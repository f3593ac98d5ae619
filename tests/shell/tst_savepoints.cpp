// The previous inputs, the previous print title and the result buttons'
// common switch (DisableResultButtons is covered with the control dialog).

#include "TestSupport.h"

#include "inputs/InputDialog.h"
#include "ProgramFixture.h"
#include "results/PrintDialog.h"

#include <QLineEdit>
#include <QtTest>

class TestSavePoints : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void saveAndRestoreEachInput_data();
    void saveAndRestoreEachInput();
    void restoreBeforeAnySaveEmptiesTheBoxes();
    void printTitleKeepsTheWholeText();
};

void TestSavePoints::initTestCase() {}

void TestSavePoints::init()
{
    StartProgram();
    // Nothing has been saved yet in this program.
    QCOMPARE(State().previousInputs, CarTexts());
    QCOMPARE(State().previousPrintTitle, QString());
}

void TestSavePoints::cleanup()
{
    EndProgram();
}

void TestSavePoints::saveAndRestoreEachInput_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("defaultText");
    QTest::newRow("horsepower") << "THp" << int(InputField::Horsepower) << "345.00";
    QTest::newRow("grill area") << "TGrillArea" << int(InputField::GrillArea) << "5.20";
    QTest::newRow("windshield area") << "TWindshieldArea" << int(InputField::WindshieldArea) << "13.61";
    QTest::newRow("car weight") << "TWeight" << int(InputField::CarWeight) << "3400.00";
    QTest::newRow("drag coefficient") << "TCoeff" << int(InputField::DragCoefficient) << "0.29";
    QTest::newRow("windshield angle") << "TWindshieldAngle" << int(InputField::WindshieldAngle) << "22.00";
    QTest::newRow("quarter-mile shifts") << "TNumberOfShifts" << int(InputField::QuarterMileShifts) << "2";
    QTest::newRow("spin time") << "TSpinTime" << int(InputField::SpinTime) << "0.75";
    QTest::newRow("available shifts") << "TAvailableShifts" << int(InputField::AvailableShifts) << "5";
}

void TestSavePoints::saveAndRestoreEachInput()
{
    QFETCH(QString, memo);
    QFETCH(int, slot);
    const InputField field = static_cast<InputField>(slot);
    QFETCH(QString, defaultText);
    auto* box = InputDlg()->findChild<QLineEdit*>(memo);
    QVERIFY(box);
    QCOMPARE(box->text(), defaultText);

    InputDlg()->SavePreviousInputs();
    QCOMPARE(State().previousInputs[field], defaultText);

    // Longer than the fourteen characters of the old fixed slots, with
    // letters typed in: kept whole.
    const QString typed = defaultText + QStringLiteral(" as typed by the user");
    box->setText(typed);
    InputDlg()->SavePreviousInputs();
    QCOMPARE(State().previousInputs[field], typed);
    for (InputField other : AllInputFields)
        if (other != field)
            QVERIFY(State().previousInputs[other] != typed);

    box->setText(QStringLiteral("999"));
    InputDlg()->RestorePreviousInputs();
    QCOMPARE(box->text(), typed);
}

void TestSavePoints::restoreBeforeAnySaveEmptiesTheBoxes()
{
    InputDlg()->RestorePreviousInputs();
    for (QLineEdit* box : InputDlg()->findChildren<QLineEdit*>())
        QCOMPARE(box->text(), QString());
}

void TestSavePoints::printTitleKeepsTheWholeText()
{
    QCOMPARE(Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->text(), QStringLiteral("Simulation results"));
    const QString title = QStringLiteral("A report title well beyond one hundred and eleven characters, "
                                         "written to check that nothing at its end is lost on the way back");
    QVERIFY(title.size() > 111);
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->setText(title);
    PrintTitleDlg()->SavePrintTitle();
    QCOMPARE(State().previousPrintTitle, title);
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->setText(QStringLiteral("Changed"));
    PrintTitleDlg()->RestorePrintTitle();
    QCOMPARE(Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->text(), title);
}

QTEST_MAIN(TestSavePoints)
#include "tst_savepoints.moc"
