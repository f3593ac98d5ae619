// The previous inputs, the previous print title and the result buttons'
// common switch (DisableResultButtons is covered with the control dialog).

#include "TestSupport.h"

#include "inputs/Input.h"
#include "inputs/Othersubs.h"
#include "results/PrintTitle.h"

#include <QLineEdit>
#include <QtTest>

class TestOthersubs : public QObject
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

void TestOthersubs::initTestCase()
{
    // Nothing has been saved yet in this program.
    for (const QString& text : PreviousInputs)
        QCOMPARE(text, QString());
    QCOMPARE(PreviousPrintTitle, QString());
}

void TestOthersubs::init()
{
    CreateWindows();
}

void TestOthersubs::cleanup()
{
    DestroyWindows();
    PreviousInputs = {};
    PreviousPrintTitle.clear();
}

void TestOthersubs::saveAndRestoreEachInput_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("defaultText");
    QTest::newRow("horsepower") << "THp" << int(piHorsepower) << "345.00";
    QTest::newRow("grill area") << "TGrillArea" << int(piGrillArea) << "5.20";
    QTest::newRow("windshield area") << "TWindshieldArea" << int(piWindshieldArea) << "13.61";
    QTest::newRow("car weight") << "TWeight" << int(piCarWeight) << "3400.00";
    QTest::newRow("drag coefficient") << "TCoeff" << int(piDragCoefficient) << "0.29";
    QTest::newRow("windshield angle") << "TWindshieldAngle" << int(piWindshieldAngle) << "22.00";
    QTest::newRow("quarter-mile shifts") << "TNumberOfShifts" << int(piQuarterMileShifts) << "2";
    QTest::newRow("spin time") << "TSpinTime" << int(piSpinTime) << "0.75";
    QTest::newRow("available shifts") << "TAvailableShifts" << int(piAvailableShifts) << "5";
}

void TestOthersubs::saveAndRestoreEachInput()
{
    QFETCH(QString, memo);
    QFETCH(int, slot);
    QFETCH(QString, defaultText);
    auto* box = InputDlg->findChild<QLineEdit*>(memo);
    QVERIFY(box);
    QCOMPARE(box->text(), defaultText);

    SavePreviousInputs();
    QCOMPARE(PreviousInputs[slot], defaultText);

    // Longer than the fourteen characters of the old fixed slots, with
    // letters typed in: kept whole.
    const QString typed = defaultText + QStringLiteral(" as typed by the user");
    box->setText(typed);
    SavePreviousInputs();
    QCOMPARE(PreviousInputs[slot], typed);
    for (int other = 0; other < previousInputCount; ++other)
        if (other != slot)
            QVERIFY(PreviousInputs[other] != typed);

    box->setText(QStringLiteral("999"));
    RestorePreviousInputs();
    QCOMPARE(box->text(), typed);
}

void TestOthersubs::restoreBeforeAnySaveEmptiesTheBoxes()
{
    RestorePreviousInputs();
    for (QLineEdit* box : InputDlg->findChildren<QLineEdit*>())
        QCOMPARE(box->text(), QString());
}

void TestOthersubs::printTitleKeepsTheWholeText()
{
    QCOMPARE(PrintTitleDlg->PrintTitle->text(), QStringLiteral("Simulation results"));
    const QString title = QStringLiteral("A report title well beyond one hundred and eleven characters, "
                                         "written to check that nothing at its end is lost on the way back");
    QVERIFY(title.size() > 111);
    PrintTitleDlg->PrintTitle->setText(title);
    SavePrintTitle();
    QCOMPARE(PreviousPrintTitle, title);
    PrintTitleDlg->PrintTitle->setText(QStringLiteral("Changed"));
    RestorePrintTitle();
    QCOMPARE(PrintTitleDlg->PrintTitle->text(), title);
}

TORVANE_TEST_MAIN(TestOthersubs)
#include "tst_othersubs.moc"
