#include "TestSupport.h"

#include "shell/Alert.h"
#include "shell/Main.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// Whether any pixel of the column is darker than the label's background.
bool ColumnHasInk(const QImage& image, int x)
{
    for (int y = 0; y < image.height(); ++y)
        if (qGray(image.pixel(x, y)) < 128)
            return true;
    return false;
}

} // namespace

class TestAlert : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheMessageCentredAndModal();
    void twoMessagesInARow();
    void longMessageIsCutAtBothEdges();
    void shortMessageIsCentred();
    void enterClosesTheAlert();
    void noCloseBoxInTheTitleBar();
};

void TestAlert::init()
{
    CreateWindows();
    MainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm));
}

void TestAlert::cleanup()
{
    DestroyWindows();
    QVERIFY2(OpenWindows().isEmpty(), qPrintable(OpenWindows().join(u',')));
}

void TestAlert::showsTheMessageCentredAndModal()
{
    QCOMPARE(AlertDlg->Label1->text(), QStringLiteral("Label1"));
    MainForm->move(MainForm->pos() + QPoint(40, -30));
    Qt::WindowModality modality = Qt::NonModal;
    TModalAnswerer answerer([&](QWidget* modal) { modality = modal->windowModality(); }, MainForm);
    ShowAlert(QStringLiteral("Engine horsepower must be between 100 and 1500"));
    QCOMPARE(answerer.SeenNames(), QStringList{QStringLiteral("AlertDlg")});
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Alert..."));
    QCOMPARE(answerer.seen[0].text, QStringLiteral("Engine horsepower must be between 100 and 1500"));
    QVERIFY(answerer.seen[0].centredOnMain);
    QCOMPARE(modality, Qt::ApplicationModal);
    // The label keeps the last message.
    QCOMPARE(AlertDlg->Label1->text(), QStringLiteral("Engine horsepower must be between 100 and 1500"));
    QVERIFY(!AlertDlg->isVisible());
}

void TestAlert::twoMessagesInARow()
{
    const QSize size = AlertDlg->size();
    TModalAnswerer answerer;
    ShowAlert(QStringLiteral("First message"));
    ShowAlert(QStringLiteral("A second, longer message that replaces the first"));
    QCOMPARE(answerer.seen.size(), 2);
    QCOMPARE(answerer.seen[0].text, QStringLiteral("First message"));
    QCOMPARE(answerer.seen[1].text, QStringLiteral("A second, longer message that replaces the first"));
    QCOMPARE(AlertDlg->size(), size);
}

void TestAlert::longMessageIsCutAtBothEdges()
{
    const QString message(200, QLatin1Char('W'));
    TModalAnswerer answerer;
    ShowAlert(message);
    QCOMPARE(answerer.seen[0].text, message);
    QCOMPARE(AlertDlg->Label1->geometry(), QRect(24, 32, 497, 17));
    QCOMPARE(AlertDlg->size(), QSize(546, 127));
    QVERIFY(!AlertDlg->Label1->wordWrap());

    const QImage image = AlertDlg->Label1->grab().toImage();
    QCOMPARE(image.width(), 497);
    QVERIFY(ColumnHasInk(image, 0));
    QVERIFY(ColumnHasInk(image, 1));
    QVERIFY(ColumnHasInk(image, 495));
    QVERIFY(ColumnHasInk(image, 496));
}

void TestAlert::shortMessageIsCentred()
{
    AlertDlg->Label1->setText(QStringLiteral("Short"));
    const QImage image = AlertDlg->Label1->grab().toImage();
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        if (ColumnHasInk(image, x)) {
            if (first < 0)
                first = x;
            last = x;
        }
    QVERIFY(first > 0);
    QVERIFY(qAbs(first - (image.width() - 1 - last)) <= 2);
}

void TestAlert::enterClosesTheAlert()
{
    int result = -1;
    TModalAnswerer answerer([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    AlertDlg->Label1->setText(QStringLiteral("Press Enter"));
    CentreOnMainForm(AlertDlg);
    result = AlertDlg->exec();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(result, int(QDialog::Accepted));
}

void TestAlert::noCloseBoxInTheTitleBar()
{
    const Qt::WindowFlags flags = AlertDlg->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(AlertDlg->BitBtn1->isDefault());
    QCOMPARE(AlertDlg->BitBtn1->toolTip(), QString());
}

TORVANE_TEST_MAIN(TestAlert)
#include "tst_alert.moc"
