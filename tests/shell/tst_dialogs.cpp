// SPDX-License-Identifier: GPL-3.0-or-later
// The about, input help and conditions help dialogs.

#include "ProgramFixture.h"
#include "TestSupport.h"
#include "widgets/ModalShowing.h"

#include "shell/AboutDialog.h"
#include "widgets/Bevel.h"
#include "inputs/ConditionsHelp.h"
#include "widgets/DialogParts.h"
#include "widgets/Hints.h"
#include "inputs/InputHelp.h"
#include "shell/MainWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

namespace {

QDialog* DialogNamed(const QString& name)
{
    for (QWidget* window : TheProgram()->Windows())
        if (window->objectName() == name)
            return qobject_cast<QDialog*>(window);
    return nullptr;
}

QStringList AboutLines()
{
    return Child<QPlainTextEdit>(AboutDlg(), "Memo1")->toPlainText().split(QLatin1Char('\n'));
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void frames_data();
    void frames();
    void enterCloses_data();
    void enterCloses();
    void helpOkHidesTheDialog_data();
    void helpOkHidesTheDialog();

    void helpLabels_data();
    void helpLabels();
    void conditionsTextWrapsWithinItsBox();

    void aboutMemoScrollsButIsNotEditable();
    void aboutTextHeadingsAndRules();
    void aboutRangeTable_data();
    void aboutRangeTable();
};

void TestDialogs::init()
{
    StartProgram();
    MainForm()->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm()));
}

void TestDialogs::cleanup()
{
    EndProgram();
    QVERIFY2(OpenWindows().isEmpty(), qPrintable(OpenWindows().join(u',')));
}

void TestDialogs::frames_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("okButton");
    QTest::newRow("about") << "AboutDlg" << "About program Torvane..." << QSize(778, 482)
                           << QRect(8, 8, 761, 465) << QPoint(351, 432);
    QTest::newRow("input help") << "InputHelpDlg" << "Input help..." << QSize(394, 305)
                                << QRect(16, 16, 361, 273) << QPoint(159, 248);
    QTest::newRow("conditions help") << "CondHelpDlg" << "Conditions help..." << QSize(362, 338)
                                     << QRect(16, 16, 329, 305) << QPoint(144, 280);
}

void TestDialogs::frames()
{
    QFETCH(QString, dialog);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    QFETCH(QRect, frame);
    QFETCH(QPoint, okButton);
    QDialog* window = DialogNamed(dialog);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), clientSize);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(window->findChild<QWidget*>(QStringLiteral("Shape1"))->geometry(), frame);
    auto* ok = window->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QCOMPARE(ok->geometry(), QRect(okButton, QSize(75, 25)));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(ok->toolTip(), QString());
    QCOMPARE(LongHintFor(ok), QStringLiteral("Close this dialog box..."));
}

void TestDialogs::enterCloses_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("about") << "AboutDlg";
    QTest::newRow("input help") << "InputHelpDlg";
    QTest::newRow("conditions help") << "CondHelpDlg";
}

void TestDialogs::enterCloses()
{
    QFETCH(QString, dialog);
    QDialog* window = DialogNamed(dialog);
    TModalAnswerer answerer([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); }, MainForm());
    const int result = ShowCentredModal(window, MainForm());
    QCOMPARE(answerer.SeenNames(), QStringList{dialog});
    QVERIFY(answerer.seen[0].centredOnMain);
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!window->isVisible());
}

void TestDialogs::helpOkHidesTheDialog_data()
{
    enterCloses_data();
}

void TestDialogs::helpOkHidesTheDialog()
{
    QFETCH(QString, dialog);
    QDialog* window = DialogNamed(dialog);
    TModalAnswerer answerer([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    });
    QCOMPARE(ShowModal(window, MainForm()), int(QDialog::Accepted));
    QVERIFY(!window->isVisible());
    // Hidden, not gone: it opens again.
    QCOMPARE(ShowModal(window, MainForm()), int(QDialog::Accepted));
    QCOMPARE(answerer.seen.size(), 2);
}

void TestDialogs::helpLabels_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("text");
    const QString input = QStringLiteral("InputHelpDlg");
    QTest::newRow("input Label1") << input << "Label1" << QPoint(64, 48)
                                  << "Horsepower is the rated horsepower of the engine.";
    QTest::newRow("input Label2") << input << "Label2" << QPoint(64, 72)
                                  << "Car weight is the weight of the car with the passengers";
    QTest::newRow("input Label3") << input << "Label3" << QPoint(64, 96)
                                  << "Frontal area primarily depends on the following factors:";
    QTest::newRow("input Label4") << input << "Label4" << QPoint(80, 120)
                                  << "1. The flat front end of the car, or grill area.";
    QTest::newRow("input Label6") << input << "Label6" << QPoint(80, 136) << "2. The windshield glass area.";
    QTest::newRow("input Label5") << input << "Label5" << QPoint(80, 152)
                                  << "3. The windshield angle from horizontal.";
    QTest::newRow("input Label8") << input << "Label8" << QPoint(64, 176)
                                  << "The drag coefficient is the aerodynamic drag coefficient";
    QTest::newRow("input Label9") << input << "Label9" << QPoint(64, 192)
                                  << "of the car body.  This is usually available from the car";
    QTest::newRow("input Label10") << input << "Label10" << QPoint(64, 208) << "manufacturer or brochures.";
    const QString conditions = QStringLiteral("CondHelpDlg");
    QTest::newRow("conditions Label1") << conditions << "Label1" << QPoint(44, 48)
                                       << "The spin time is the total wheel spin time in seconds.";
    QTest::newRow("conditions Label4") << conditions << "Label4" << QPoint(48, 72) << "Example:";
    QTest::newRow("conditions Label6") << conditions << "Label6" << QPoint(48, 92) << "Spin time = .20 seconds";
    QTest::newRow("conditions Label8") << conditions << "Label8" << QPoint(48, 120)
                                       << "Spin time can vary between almost zero, for a low";
    QTest::newRow("conditions Label9") << conditions << "Label9" << QPoint(48, 136)
                                       << "power car, to 1 second or more for a high-power car.";
    QTest::newRow("conditions Label10") << conditions << "Label10" << QPoint(48, 152)
                                        << "Traction control can cut spin time to almost zero...";
}

void TestDialogs::helpLabels()
{
    QFETCH(QString, dialog);
    QFETCH(QString, label);
    QFETCH(QPoint, place);
    QFETCH(QString, text);
    QDialog* window = DialogNamed(dialog);
    auto* theLabel = window->findChild<QLabel*>(label);
    QVERIFY(theLabel);
    QCOMPARE(theLabel->text(), text);
    QCOMPARE(theLabel->pos(), place);
    // The whole text shows, inside the sunken frame.
    const int textWidth = theLabel->fontMetrics().horizontalAdvance(text);
    QVERIFY2(theLabel->width() >= textWidth, qPrintable(QString::number(textWidth)));
    QRect inside = window->findChild<TBevel*>(QStringLiteral("Bevel1"))->geometry().adjusted(1, 1, -1, -1);
    QVERIFY2(inside.contains(QRect(place, QSize(textWidth, theLabel->fontMetrics().height()))),
             qPrintable(QStringLiteral("text ends at %1").arg(place.x() + textWidth)));
}

void TestDialogs::conditionsTextWrapsWithinItsBox()
{
    QLabel* text = Child<QLabel>(CondHelpDlg(), "StaticText1");
    QCOMPARE(text->geometry(), QRect(48, 184, 265, 73));
    QVERIFY(text->wordWrap());
    const QRect needed =
        text->fontMetrics().boundingRect(QRect(0, 0, text->width(), 1000), Qt::TextWordWrap, text->text());
    QVERIFY2(needed.height() <= text->height(), qPrintable(QString::number(needed.height())));
    QVERIFY(text->text().endsWith(QStringLiteral("Six gears, would require five shifts.")));
}

void TestDialogs::aboutMemoScrollsButIsNotEditable()
{
    QPlainTextEdit* memo = Child<QPlainTextEdit>(AboutDlg(), "Memo1");
    QCOMPARE(memo->geometry(), QRect(24, 24, 729, 393));
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!(memo->focusPolicy() & Qt::TabFocus));

    AboutDlg()->show();
    QVERIFY(QTest::qWaitForWindowExposed(AboutDlg()));
    QVERIFY(memo->verticalScrollBar()->maximum() > 0);
    const QString before = memo->toPlainText();
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("typed"));
    QCOMPARE(memo->toPlainText(), before);
    AboutDlg()->hide();
}

void TestDialogs::aboutTextHeadingsAndRules()
{
    const QStringList lines = AboutLines();
    const QString equals(98, QLatin1Char('='));
    const QString dashes(98, QLatin1Char('-'));
    QCOMPARE(lines.value(0), QStringLiteral("Program Torvane"));
    QCOMPARE(lines.value(1), equals);
    const qsizetype disclaimer = lines.indexOf(QStringLiteral("Disclaimer - Agreement:"));
    const qsizetype ranges = lines.indexOf(QStringLiteral("Current allowable Range of Input Values..."));
    QVERIFY(disclaimer > 1);
    QVERIFY(ranges > disclaimer);
    // A rule closes the disclaimer, before the range heading.
    QVERIFY(lines.mid(disclaimer, ranges - disclaimer).contains(equals));
    // Rules frame the head of the table.
    const qsizetype head = lines.indexOf(QStringLiteral("Parameter\tLow\tHigh\tUnits"));
    QVERIFY(head > ranges);
    QCOMPARE(lines.value(head - 1), equals);
    QCOMPARE(lines.value(head + 1), equals);
    QVERIFY(lines.count(dashes) >= 2);
    for (const QString& line : lines)
        if (line.startsWith(QLatin1Char('=')) || line.startsWith(QLatin1Char('-')))
            QVERIFY2(line == equals || line == dashes, qPrintable(line));
    QVERIFY(lines.indexOf(QRegularExpression(QStringLiteral(".*Examples folder.*"))) > head);
    // The licence, before the rule that closes the disclaimer.
    const qsizetype licence = lines.indexOf(QRegularExpression(QStringLiteral(".*GPL-3.0-or-later.*")));
    QVERIFY(licence > disclaimer);
    QVERIFY(licence < ranges);
    QCOMPARE(lines.last(), QString());
}

void TestDialogs::aboutRangeTable_data()
{
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<QString>("units");
    QTest::newRow("horsepower") << "Engine horsepower" << "100" << "1500" << "Engine horsepower";
    QTest::newRow("drag") << "Coefficient of drag" << ".20" << ".40" << "Dimensionless (from manufacturer)";
    QTest::newRow("weight") << "Weight" << "1000" << "4500" << "Pounds (with driver and fuel)";
    QTest::newRow("grill") << "Grill area" << "2.0" << "20.0" << "Square feet (height times width)";
    QTest::newRow("windshield") << "Windshield area" << "2.0" << "20.0" << "Square feet (height times width)";
    QTest::newRow("angle") << "Windshield angle" << "20.0" << "45.0" << "Degrees from horizontal";
    QTest::newRow("spin") << "Wheelspin time" << "0.75" << "3.0" << "Seconds (Blue smoke time)";
    QTest::newRow("available shifts") << "Available shifts" << "1" << "5" << "Dimensionless";
    QTest::newRow("quarter mile shifts") << "Quarter mile shifts" << "1" << "Available shifts" << "Dimensionless";
}

void TestDialogs::aboutRangeTable()
{
    QFETCH(QString, parameter);
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(QString, units);
    const QStringList lines = AboutLines();
    const qsizetype head = lines.indexOf(QStringLiteral("Parameter\tLow\tHigh\tUnits"));
    QStringList row;
    for (qsizetype i = head + 2; i < lines.size() && !lines[i].startsWith(QLatin1Char('=')); ++i) {
        const QStringList columns = lines[i].split(QLatin1Char('\t'));
        if (columns.value(0).trimmed() == parameter)
            row = columns;
    }
    QCOMPARE(row, (QStringList{parameter, low, high, units}));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
