// SPDX-License-Identifier: GPL-3.0-or-later
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
    void printTitleHoldsAtMost111Characters();
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

// The report's title line has room for 111 characters: the edit takes no
// more, and what it holds is saved and restored whole.
void TestSavePoints::printTitleHoldsAtMost111Characters()
{
    auto* edit = Child<QLineEdit>(PrintTitleDlg(), "PrintTitle");
    QCOMPARE(edit->text(), QStringLiteral("Simulation results"));
    const QString title = QStringLiteral("A report title well beyond one hundred and eleven characters, "
                                         "written to check what becomes of its end on the way back");
    QVERIFY(title.size() > 111);
    edit->setText(title);
    QCOMPARE(edit->text(), title.left(111));
    PrintTitleDlg()->SavePrintTitle();
    QCOMPARE(State().previousPrintTitle, title.left(111));
    edit->setText(QStringLiteral("Changed"));
    PrintTitleDlg()->RestorePrintTitle();
    QCOMPARE(edit->text(), title.left(111));
}

QTEST_MAIN(TestSavePoints)
#include "tst_savepoints.moc"
