// SPDX-License-Identifier: GPL-3.0-or-later
// The area calculator: single-precision areas from inches, the Transfer
// button's states, and the texts it writes into the input dialog.
#include "inputs/AreaCalculator.h"
#include "inputs/InputDialog.h"
#include "ProgramFixture.h"

#include "TestSupport.h"
#include "core/AreaSums.h"

#include "widgets/InputMessages.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestAreaCalculator : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        StartProgram();
        State().areaTexts.fill(QString());
    }
    void cleanup() { EndProgram(); }

    void areas_data();
    void areas();
    void transferWritesTheInputBoxes();
    void transferOnlyAfterCalculate();
    void inchesAreKeptBetweenOpenings();
    void transferredAreaPassesTheInputChecks();
    void openingSelectsTheGrillWidth();
};

// Opening the calculator from the input dialog selects the first box's
// text, so that typing a measurement replaces "00.00" instead of following
// it ("00.0060"); so does every later opening, whatever had the focus.
void TestAreaCalculator::openingSelectsTheGrillWidth()
{
    QStringList typedInto;
    TModalAnswerer typing([&](QWidget* modal) {
        if (modal != CalculatorDlg())
            return;
        // The widget that takes the keys once the window is active (the
        // offscreen test platform activates no window).
        QWidget* focused = CalculatorDlg()->focusWidget();
        typedInto << (focused ? focused->objectName() : QString());
        if (focused)
            QTest::keyClicks(focused, QStringLiteral("60"));
        QTest::keyClick(Child<QPushButton>(CalculatorDlg(), "CalculateButton"), Qt::Key_Space);
        Child<QPushButton>(CalculatorDlg(), "BitBtn1")->setFocus();
        CalculatorDlg()->reject();
    });
    InputDlg()->show();
    for (int opening = 0; opening < 2; ++opening) {
        Child<QPushButton>(InputDlg(), "CalculatorButton")->click();
        QCOMPARE(Child<QLineEdit>(CalculatorDlg(), "TGrillWidthInches")->text(), QStringLiteral("60"));
    }
    InputDlg()->hide();
    QCOMPARE(typedInto, (QStringList{ "TGrillWidthInches", "TGrillWidthInches" }));
}

void TestAreaCalculator::areas_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("area");
    QTest::newRow("the starting texts") << "00.00" << "00.00" << "0.00  ";
    QTest::newRow("grill 30 x 25") << "30" << "25" << "5.21  ";
    QTest::newRow("windshield 72 x 24") << "72" << "24" << "12.00 ";
    // In single precision this is 13.6124992..., which stays below the half.
    QTest::newRow("windshield 60 x 32.67") << "60" << "32.67" << "13.61 ";
    QTest::newRow("not a number") << "wide" << "25" << "0.00  ";
    QTest::newRow("one negative") << "-12" << "24" << "-2.00 ";
    QTest::newRow("two negatives") << "-12" << "-24" << "2.00  ";
    QTest::newRow("large") << "12000" << "12000" << "1000000.00";
}

void TestAreaCalculator::areas()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, area);
    QCOMPARE(AreaText(width, height), area);
}

void TestAreaCalculator::transferWritesTheInputBoxes()
{
    Child<QLineEdit>(CalculatorDlg(), "TGrillWidthInches")->setText("30");
    Child<QLineEdit>(CalculatorDlg(), "TGrillHeightInches")->setText("25");
    Child<QLineEdit>(CalculatorDlg(), "TGlassWidthInches")->setText("60");
    Child<QLineEdit>(CalculatorDlg(), "TGlassHeightInches")->setText("32.67");
    CalculatorDlg()->show();
    Child<QPushButton>(CalculatorDlg(), "CalculateButton")->click();
    QCOMPARE(Child<QLineEdit>(CalculatorDlg(), "TGrillAreaFeet")->text(), QStringLiteral("5.21  "));
    QCOMPARE(Child<QLineEdit>(CalculatorDlg(), "TGlassAreaFeet")->text(), QStringLiteral("13.61 "));
    QVERIFY(Child<QPushButton>(CalculatorDlg(), "SaveButton")->isEnabled());
    Child<QPushButton>(CalculatorDlg(), "SaveButton")->click();
    QCOMPARE(Child<QLineEdit>(InputDlg(), "TGrillArea")->text(), QStringLiteral("5.21  "));
    QCOMPARE(Child<QLineEdit>(InputDlg(), "TWindshieldArea")->text(), QStringLiteral("13.61 "));
    QVERIFY(!CalculatorDlg()->isVisible());
    QCOMPARE(CalculatorDlg()->result(), int(QDialog::Accepted));
    QVERIFY(!Child<QPushButton>(CalculatorDlg(), "SaveButton")->isEnabled());
    QCOMPARE(Child<QLineEdit>(CalculatorDlg(), "TGrillAreaFeet")->text(), QString());
    QCOMPARE(Child<QLineEdit>(CalculatorDlg(), "TGlassAreaFeet")->text(), QString());
}

void TestAreaCalculator::transferOnlyAfterCalculate()
{
    QVERIFY(!Child<QPushButton>(CalculatorDlg(), "SaveButton")->isEnabled());
    CalculatorDlg()->show();
    Child<QPushButton>(CalculatorDlg(), "CalculateButton")->click();
    QVERIFY(Child<QPushButton>(CalculatorDlg(), "SaveButton")->isEnabled());
    Child<QPushButton>(CalculatorDlg(), "BitBtn1")->click();
    QCOMPARE(CalculatorDlg()->result(), int(QDialog::Rejected));
    QVERIFY(!Child<QPushButton>(CalculatorDlg(), "SaveButton")->isEnabled());
    // Esc closes it the same way.
    CalculatorDlg()->show();
    Child<QPushButton>(CalculatorDlg(), "CalculateButton")->click();
    QTest::keyClick(CalculatorDlg(), Qt::Key_Escape);
    QVERIFY(!CalculatorDlg()->isVisible());
    QVERIFY(!Child<QPushButton>(CalculatorDlg(), "SaveButton")->isEnabled());
    QCOMPARE(Child<QLineEdit>(CalculatorDlg(), "TGrillAreaFeet")->text(), QString());
    // The input dialog's boxes were never touched.
    QCOMPARE(Child<QLineEdit>(InputDlg(), "TGrillArea")->text(), QStringLiteral("5.20"));
}

void TestAreaCalculator::inchesAreKeptBetweenOpenings()
{
    InputDlg()->show();
    TModalAnswerer answerer([](QWidget* modal) {
        auto* width = Child<QLineEdit>(modal, "TGrillWidthInches");
        if (width->text() == QStringLiteral("00.00"))
            width->setText("40");
        Child<QPushButton>(modal, "CalculateButton")->click();
        Child<QPushButton>(modal, "BitBtn1")->click();
    });
    Child<QPushButton>(InputDlg(), "CalculatorButton")->click();
    Child<QPushButton>(InputDlg(), "CalculatorButton")->click();
    QCOMPARE(answerer.SeenNames(), (QStringList{ "CalculatorDlg", "CalculatorDlg" }));
    QCOMPARE(Child<QLineEdit>(CalculatorDlg(), "TGrillWidthInches")->text(), QStringLiteral("40"));
    QCOMPARE(Child<QLineEdit>(CalculatorDlg(), "TGrillHeightInches")->text(), QStringLiteral("00.00"));
    QVERIFY(!Child<QPushButton>(CalculatorDlg(), "SaveButton")->isEnabled());
    InputDlg()->hide();
}

void TestAreaCalculator::transferredAreaPassesTheInputChecks()
{
    Child<QLineEdit>(CalculatorDlg(), "TGrillWidthInches")->setText("30");
    Child<QLineEdit>(CalculatorDlg(), "TGrillHeightInches")->setText("25");
    Child<QLineEdit>(CalculatorDlg(), "TGlassWidthInches")->setText("72");
    Child<QLineEdit>(CalculatorDlg(), "TGlassHeightInches")->setText("24");
    Child<QPushButton>(CalculatorDlg(), "CalculateButton")->click();
    Child<QPushButton>(CalculatorDlg(), "SaveButton")->click();
    TModalAnswerer answerer;
    const ReadInputsResult inputs = ReadInputs(*TheProgram());
    QVERIFY(!inputs.inputError);
    QCOMPARE(answerer.seen.size(), 0);
    QCOMPARE(inputs.car.FrontalArea(), FrontalArea(5.21, 12.0, 22));
}

QTEST_MAIN(TestAreaCalculator)
#include "tst_areacalculator.moc"
