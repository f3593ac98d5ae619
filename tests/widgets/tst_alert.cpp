// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "widgets/Alert.h"
#include "widgets/ModalShowing.h"
#include "widgets/WrappedLabel.h"

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
    void longMessageWrapsAndTheAlertGrows();
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

void TestAlert::longMessageWrapsAndTheAlertGrows()
{
    // A message no line can hold, without a space to break at.
    const QString message(200, QLatin1Char('W'));
    QRect textBounds;
    QRect labelRect;
    QSize alertSize;
    TModalAnswerer answerer([&](QWidget*) {
        auto* label = Child<TWrappedLabel>(alert.get(), "Label1");
        textBounds = label->TextBounds();
        labelRect = label->geometry();
        alertSize = alert->size();
    });
    alert->ShowMessage(message);
    QCOMPARE(answerer.seen[0].text, message);
    QCOMPARE(labelRect.topLeft(), QPoint(24, 32));
    QCOMPARE(labelRect.width(), 497);
    QVERIFY(labelRect.height() >= 3 * 13);
    QVERIFY(QRect(QPoint(), labelRect.size()).contains(textBounds));
    QCOMPARE(alertSize.width(), 546);
    QCOMPARE(alertSize.height(), 127 + labelRect.height() - 17);
    QVERIFY(Child<QPushButton>(alert.get(), "BitBtn1")->y() > labelRect.bottom());

    // The next short message brings the alert back to its designed size.
    alert->ShowMessage(QStringLiteral("Short"));
    QCOMPARE(alert->size(), QSize(546, 127));
    QCOMPARE(Child<QLabel>(alert.get(), "Label1")->geometry(), QRect(24, 32, 497, 17));
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
