#include "TestSupport.h"

#include "widgets/Alert.h"
#include "widgets/ModalShowing.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

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

private:
    std::unique_ptr<QWidget> mainWindow;
    std::unique_ptr<TAlertDlg> alert;
};

void TestAlert::init()
{
    mainWindow = std::make_unique<QWidget>();
    mainWindow->resize(506, 373);
    alert = std::make_unique<TAlertDlg>(mainWindow.get());
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
}

void TestAlert::cleanup()
{
    alert.reset();
    mainWindow.reset();
    QVERIFY2(OpenWindows().isEmpty(), qPrintable(OpenWindows().join(u',')));
}

void TestAlert::showsTheMessageCentredAndModal()
{
    QCOMPARE(Child<QLabel>(alert.get(), "Label1")->text(), QStringLiteral("Label1"));
    mainWindow.get()->move(mainWindow.get()->pos() + QPoint(40, -30));
    Qt::WindowModality modality = Qt::NonModal;
    TModalAnswerer answerer([&](QWidget* modal) { modality = modal->windowModality(); }, mainWindow.get());
    alert->ShowMessage(QStringLiteral("Engine horsepower must be between 100 and 1500"));
    QCOMPARE(answerer.SeenNames(), QStringList{QStringLiteral("AlertDlg")});
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Alert..."));
    QCOMPARE(answerer.seen[0].text, QStringLiteral("Engine horsepower must be between 100 and 1500"));
    QVERIFY(answerer.seen[0].centredOnMain);
    QCOMPARE(modality, Qt::ApplicationModal);
    // The label keeps the last message.
    QCOMPARE(Child<QLabel>(alert.get(), "Label1")->text(), QStringLiteral("Engine horsepower must be between 100 and 1500"));
    QVERIFY(!alert.get()->isVisible());
}

void TestAlert::twoMessagesInARow()
{
    const QSize size = alert.get()->size();
    TModalAnswerer answerer;
    alert->ShowMessage(QStringLiteral("First message"));
    alert->ShowMessage(QStringLiteral("A second, longer message that replaces the first"));
    QCOMPARE(answerer.seen.size(), 2);
    QCOMPARE(answerer.seen[0].text, QStringLiteral("First message"));
    QCOMPARE(answerer.seen[1].text, QStringLiteral("A second, longer message that replaces the first"));
    QCOMPARE(alert.get()->size(), size);
}

void TestAlert::longMessageIsCutAtBothEdges()
{
    const QString message(200, QLatin1Char('W'));
    TModalAnswerer answerer;
    alert->ShowMessage(message);
    QCOMPARE(answerer.seen[0].text, message);
    QCOMPARE(Child<QLabel>(alert.get(), "Label1")->geometry(), QRect(24, 32, 497, 17));
    QCOMPARE(alert.get()->size(), QSize(546, 127));
    QVERIFY(!Child<QLabel>(alert.get(), "Label1")->wordWrap());

    const QImage image = Child<QLabel>(alert.get(), "Label1")->grab().toImage();
    QCOMPARE(image.width(), 497);
    QVERIFY(ColumnHasInk(image, 0));
    QVERIFY(ColumnHasInk(image, 1));
    QVERIFY(ColumnHasInk(image, 495));
    QVERIFY(ColumnHasInk(image, 496));
}

void TestAlert::shortMessageIsCentred()
{
    Child<QLabel>(alert.get(), "Label1")->setText(QStringLiteral("Short"));
    const QImage image = Child<QLabel>(alert.get(), "Label1")->grab().toImage();
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
    Child<QLabel>(alert.get(), "Label1")->setText(QStringLiteral("Press Enter"));
    CentreOn(alert.get(), mainWindow.get());
    result = alert.get()->exec();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(result, int(QDialog::Accepted));
}

void TestAlert::noCloseBoxInTheTitleBar()
{
    const Qt::WindowFlags flags = alert.get()->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(Child<QPushButton>(alert.get(), "BitBtn1")->isDefault());
    QCOMPARE(Child<QPushButton>(alert.get(), "BitBtn1")->toolTip(), QString());
}

QTEST_MAIN(TestAlert)
#include "tst_alert.moc"
