// SPDX-License-Identifier: GPL-3.0-or-later
// Every message the program can show, in the window that shows it, with
// long paths where a message names one: each must be shown whole, wrapped
// and grown as needed, never smaller than the window as designed.
#include "ProgramFixture.h"
#include "FileSupport.h"
#include "TestSupport.h"

#include "core/InputChecks.h"
#include "core/VehicleFile.h"
#include "results/Report.h"
#include "widgets/ErrorBox.h"
#include "widgets/ModalShowing.h"
#include "widgets/WrappedLabel.h"

#include <QDir>
#include <QMessageBox>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// A folder whose path is far wider than any message window.
QString longFolder(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QString(60, QLatin1Char('f')) + "/nested_folder_with_a_long_name_"
                                      + QString(60, QLatin1Char('g')));
    QDir().mkpath(path);
    return path;
}

// Whether the message's text lies wholly inside its label and the label
// inside its window, and the window is no smaller than `least`.
QString fitProblem(QWidget* window, const char* labelName, const QSize& least)
{
    auto* label = Child<TWrappedLabel>(window, labelName);
    if (!label->contentsRect().contains(label->TextBounds()))
        return QStringLiteral("text %1 outside label %2")
            .arg(QDebug::toString(label->TextBounds()), QDebug::toString(label->contentsRect()));
    if (!window->rect().contains(QRect(label->mapTo(window, QPoint()), label->size())))
        return QStringLiteral("label outside window");
    if (window->width() < least.width() || window->height() < least.height())
        return QStringLiteral("window smaller than designed");
    return QString();
}

} // namespace

class TestMessages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { StartProgram(); }
    void cleanup() { EndProgram(); }

    void alertShowsEveryMessageWhole_data();
    void alertShowsEveryMessageWhole();
    void errorBoxShowsEveryMessageWhole_data();
    void errorBoxShowsEveryMessageWhole();

private:
    QTemporaryDir dir;
};

void TestMessages::initTestCase()
{
    QVERIFY(dir.isValid());
    // No print server: the printer messages are those of a machine without one.
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/torvane-no-cups.sock"));
}

void TestMessages::alertShowsEveryMessageWhole_data()
{
    QTest::addColumn<QString>("message");
    CarInputs wrong = CarInputs::DefaultCar();
    for (const RangeTest& test : RangeTests()) {
        CarInputs car = wrong;
        car.SetValue(test.field, -1);
        QTest::newRow(qPrintable(FieldKey(test.field))) << FieldRangeMessage(car, test.field);
    }
    QTest::newRow("elapsed time") << ElapsedTimeMessage(61.751);
    QTest::newRow("extension") << ExtensionMessage();

    const QString folder = longFolder(dir);
    const QString path = folder + "/car.trv";
    const QString pipe = folder + "/pipe.trv";
    ::mkfifo(QFile::encodeName(pipe).constData(), 0600);
    QTest::newRow("no such file") << VehicleFile::Load(folder + "/absent.trv").error;
    QTest::newRow("a folder") << VehicleFile::Load(folder).error;
    QTest::newRow("a named pipe") << VehicleFile::Load(pipe).error;
    const QString name = folder + "/" + QString(120, QLatin1Char('n')) + ".trv";
    writeAll(name, "345 0.29");
    QTest::newRow("too few values") << VehicleFile::Load(name).error;
    writeAll(name, QByteArray(100, '7'));
    QTest::newRow("overlong value") << VehicleFile::Load(name).error;
    writeAll(name, QByteArray(VehicleFile::MaxScannedBytes - 2, ' ') + "2.75 0.29");
    QTest::newRow("value cut by the bound") << VehicleFile::Load(name).error;

    QStringList texts = VehicleFile::TextsInFileOrder(CarTexts::DefaultCar());
    QStringList empty = texts;
    empty[2] = QString();
    QTest::newRow("empty box") << VehicleFile::Save(path, empty);
    QStringList spaced = texts;
    spaced[7] = "1 2";
    QTest::newRow("space in a box") << VehicleFile::Save(path, spaced);
    QStringList longest = texts;
    longest[4] = QString(80, QLatin1Char('9'));
    QTest::newRow("value too long to save") << VehicleFile::Save(path, longest);
    QTest::newRow("saving onto a folder") << VehicleFile::Save(folder, texts);
    QTest::newRow("saving into no folder") << VehicleFile::Save(folder + "/none/car.trv", texts);
    QSaveFile failing(path);
    failing.open(QIODevice::WriteOnly);
    QTest::newRow("saving onto a full disk") << QStringLiteral("Could not write %1: No space left on device.").arg(path);
    failing.cancelWriting();
}

void TestMessages::alertShowsEveryMessageWhole()
{
    QFETCH(QString, message);
    QVERIFY(!message.isEmpty());
    QString problem = QStringLiteral("not shown");
    TModalAnswerer answerer([&](QWidget* alert) { problem = fitProblem(alert, "Label1", QSize(546, 127)); });
    TheProgram()->ShowAlert(message);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, message);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestMessages::errorBoxShowsEveryMessageWhole_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("visible window") << QString::fromLatin1(VisibleModalRefusal);
    QString error;
    QTest::newRow("no default printer") << (OpenDefaultPrinter(error), error);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(longFolder(dir) + "/none/report.pdf");
    QTest::newRow("report file not writable") << PrintReport(printer, QStringLiteral("Title"), ReportValues());
}

void TestMessages::errorBoxShowsEveryMessageWhole()
{
    QFETCH(QString, message);
    QVERIFY(!message.isEmpty());
    QString problem = QStringLiteral("not shown");
    TModalAnswerer answerer([&](QWidget* box) { problem = fitProblem(box, "ErrorText", QSize(1, 1)); });
    ShowErrorBox(message);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, ErrorBoxText(message));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
