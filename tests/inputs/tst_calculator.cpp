// The area calculator: single-precision areas from inches, the Transfer
// button's states, and the texts it writes into the input dialog.
#include "inputs/Calculator.h"
#include "inputs/Input.h"
#include "inputs/Othersubs.h"

#include "TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestCalculator : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        CreateWindows();
        AreaTexts.fill(QString());
    }
    void cleanup() { DestroyWindows(); }

    void areas_data();
    void areas();
    void transferWritesTheInputBoxes();
    void transferOnlyAfterCalculate();
    void inchesAreKeptBetweenOpenings();
    void transferredAreaPassesTheInputChecks();
};

void TestCalculator::areas_data()
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

void TestCalculator::areas()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, area);
    QCOMPARE(AreaText(width, height), area);
}

void TestCalculator::transferWritesTheInputBoxes()
{
    CalculatorDlg->TGrillWidthInches->setText("30");
    CalculatorDlg->TGrillHeightInches->setText("25");
    CalculatorDlg->TGlassWidthInches->setText("60");
    CalculatorDlg->TGlassHeightInches->setText("32.67");
    CalculatorDlg->show();
    CalculatorDlg->CalculateButton->click();
    QCOMPARE(CalculatorDlg->TGrillAreaFeet->text(), QStringLiteral("5.21  "));
    QCOMPARE(CalculatorDlg->TGlassAreaFeet->text(), QStringLiteral("13.61 "));
    QVERIFY(CalculatorDlg->SaveButton->isEnabled());
    CalculatorDlg->SaveButton->click();
    QCOMPARE(InputDlg->TGrillArea->text(), QStringLiteral("5.21  "));
    QCOMPARE(InputDlg->TWindshieldArea->text(), QStringLiteral("13.61 "));
    QVERIFY(!CalculatorDlg->isVisible());
    QCOMPARE(CalculatorDlg->result(), int(QDialog::Accepted));
    QVERIFY(!CalculatorDlg->SaveButton->isEnabled());
    QCOMPARE(CalculatorDlg->TGrillAreaFeet->text(), QString());
    QCOMPARE(CalculatorDlg->TGlassAreaFeet->text(), QString());
}

void TestCalculator::transferOnlyAfterCalculate()
{
    QVERIFY(!CalculatorDlg->SaveButton->isEnabled());
    CalculatorDlg->show();
    CalculatorDlg->CalculateButton->click();
    QVERIFY(CalculatorDlg->SaveButton->isEnabled());
    CalculatorDlg->BitBtn1->click();
    QCOMPARE(CalculatorDlg->result(), int(QDialog::Rejected));
    QVERIFY(!CalculatorDlg->SaveButton->isEnabled());
    // Esc closes it the same way.
    CalculatorDlg->show();
    CalculatorDlg->CalculateButton->click();
    QTest::keyClick(CalculatorDlg, Qt::Key_Escape);
    QVERIFY(!CalculatorDlg->isVisible());
    QVERIFY(!CalculatorDlg->SaveButton->isEnabled());
    QCOMPARE(CalculatorDlg->TGrillAreaFeet->text(), QString());
    // The input dialog's boxes were never touched.
    QCOMPARE(InputDlg->TGrillArea->text(), QStringLiteral("5.20"));
}

void TestCalculator::inchesAreKeptBetweenOpenings()
{
    InputDlg->show();
    TModalAnswerer answerer([](QWidget* modal) {
        auto* dialog = static_cast<TCalculatorDlg*>(modal);
        if (dialog->TGrillWidthInches->text() == QStringLiteral("00.00"))
            dialog->TGrillWidthInches->setText("40");
        dialog->CalculateButton->click();
        dialog->BitBtn1->click();
    });
    InputDlg->CalculatorButton->click();
    InputDlg->CalculatorButton->click();
    QCOMPARE(answerer.SeenNames(), (QStringList{ "CalculatorDlg", "CalculatorDlg" }));
    QCOMPARE(CalculatorDlg->TGrillWidthInches->text(), QStringLiteral("40"));
    QCOMPARE(CalculatorDlg->TGrillHeightInches->text(), QStringLiteral("00.00"));
    QVERIFY(!CalculatorDlg->SaveButton->isEnabled());
    InputDlg->hide();
}

void TestCalculator::transferredAreaPassesTheInputChecks()
{
    CalculatorDlg->TGrillWidthInches->setText("30");
    CalculatorDlg->TGrillHeightInches->setText("25");
    CalculatorDlg->TGlassWidthInches->setText("72");
    CalculatorDlg->TGlassHeightInches->setText("24");
    CalculatorDlg->CalculateButton->click();
    CalculatorDlg->SaveButton->click();
    TModalAnswerer answerer;
    const CarInputs inputs = ReadInputs();
    QVERIFY(!inputs.inputError);
    QCOMPARE(answerer.seen.size(), 0);
    QCOMPARE(inputs.frontalArea, FrontalArea(5.21, 12.0, 22));
}

TORVANE_TEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
