// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the printed report: the seventeen lines with their formats and
// slots, the "Forget it!" rules, the fonts, the placing of every line on the
// canvas, a PDF page read back as text, and the failures of the printing.
//
// Run with --print-default-car, the program instead prints the default car's
// report on the default printer and exits with 0 when the page has gone to
// the printer, or 1 with the reason on stderr. The print-queue test script
// uses that mode.
#include "results/Report.h"
#include "FileSupport.h"

#include "core/CarRun.h"
#include "widgets/Fonts.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMap>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextItem>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>

Q_DECLARE_METATYPE(ReportValues)
Q_DECLARE_METATYPE(ReportLine)

namespace {

// A car of the input dialog, run as the print job runs it.
ReportValues RunCar(double horsepower, double carWeight = 3400, double dragCoefficient = 0.29,
                    int quarterMileShifts = 2, double spinTime = 0.75)
{
    CarInputs car = CarInputs::DefaultCar();
    car.horsepower = horsepower;
    car.carWeight = carWeight;
    car.dragCoefficient = dragCoefficient;
    car.spinTime = spinTime;
    car.quarterMileShifts = quarterMileShifts;
    return ReportValuesFor(car, RunCar(car).results);
}

ReportValues DefaultCar()
{
    return RunCar(345);
}

// Prints the default car's report under the default title into a PDF file
// through `printer`; the error text, empty on success.
QString PrintDefaultCarToPdf(QPrinter& printer, const QString& pdf)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return PrintReport(printer, QStringLiteral("Simulation results"), DefaultCar());
}

// The default car's report as a PDF file at `pdf` in `dir`, for reading back
// with pdftotext; skips the test when pdftotext is missing.
void PrintDefaultCarForReading(const QTemporaryDir& dir, const QString& pdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed (poppler-utils)");
    QVERIFY(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    QCOMPARE(PrintDefaultCarToPdf(printer, pdf), QString());
}

// The default car's page, as it must read.
const QList<ReportLine> defaultCarPage = {
    { 2, "Simulation results", ReportLine::Title },
    { 4, "Engine horsepower:               345.00 Horsepower " },
    { 5, "Car weight:                     3400.00 Pounds " },
    { 6, "Drag coefficient:                  0.29 " },
    { 8, "Number of shifts:                     2 " },
    { 9, "Spin time:                         0.75 Seconds " },
    { 11, "Zero to 60 time:                   4.70 Seconds " },
    { 12, "Zero to 80 time:                   7.96 Seconds " },
    { 13, "60 to 80 time:                     2.76 Seconds " },
    { 14, "Zero to 100 time:                 11.66 Seconds " },
    { 16, "Quarter mile time:                13.87 Seconds " },
    { 17, "Quarter mile speed:              109.75 Miles per hour " },
    { 18, "Quarter mile distance:          1320.01 Feet " },
    { 19, "Quarter mile wind force:          77.39 Pounds " },
    { 21, "Top speed time:                   54.93 Seconds " },
    { 22, "Top speed:                       174.93 Miles per hour " },
    { 23, "Top speed distance:            10312.34 Feet " },
    { 24, "Top speed wind force:            196.57 Pounds " },
};

// The text of the line on `slot`, or a null string.
QString LineOn(const QList<ReportLine>& lines, int slot)
{
    for (const ReportLine& line : lines) {
        if (line.slot == slot)
            return line.text;
    }
    return {};
}

// What the report asked of a canvas, call by call.
struct CanvasCall {
    enum Kind { Font, Height, Text } kind;
    QFont font;
    QString text;
    int x = 0, y = 0, height = 0;
};

// Answers every height measurement with a new value, so that a line placed
// with a stale or a made-up height shows.
class RecordingCanvas : public ReportCanvas {
public:
    QList<CanvasCall> calls;
    int nextHeight = 17;

    void SetFont(const QFont& font) override { calls.append({ CanvasCall::Font, font, {} }); }
    int TextHeight(const QString& text) override
    {
        CanvasCall call{ CanvasCall::Height, {}, text };
        call.height = nextHeight++;
        calls.append(call);
        return call.height;
    }
    void TextOut(int x, int y, const QString& text) override
    {
        CanvasCall call{ CanvasCall::Text, {}, text };
        call.x = x;
        call.y = y;
        calls.append(call);
    }
};

// A paint device of a printer's resolution that keeps every text the painter
// draws on it, with the font and the baseline position.
struct DrawnText {
    QPointF baseline;
    QString text;
    QFont font;
};

class TextRecordingEngine : public QPaintEngine {
public:
    QList<DrawnText> texts;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    // Underlines come as lines; the base class would turn them into polygons
    // and those back into points forever.
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        texts.append({ p, item.text(), item.font() });
    }
    Type type() const override { return User; }
};

class TextRecordingDevice : public QPaintDevice {
public:
    static constexpr int dpi = 600;
    TextRecordingEngine engine;

    QPaintEngine* paintEngine() const override { return const_cast<TextRecordingEngine*>(&engine); }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return 8 * dpi;
        case PdmHeight: return 11 * dpi;
        case PdmWidthMM: return 203;
        case PdmHeightMM: return 279;
        case PdmNumColors: return INT_MAX;
        case PdmDepth: return 32;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return dpi;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }
};

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void defaultCarLines_data();
    void defaultCarLines();
    void valuesEndInColumn39_data();
    void valuesEndInColumn39();
    void forgetIt_data();
    void forgetIt();
    void carThatNeverReaches80();
    void emptyTitleKeepsPositions();
    void numbersIgnoreTheLocale();

    void fontsArePinnedAndFixedPitch();
    void drawingMeasuresBeforeEveryLine();
    void drawingInPrinterUnits();

    void pdfPageReadsBack();
    void pdfLineSpacingInDeviceUnits();
    void unwritableFileFails();
    void printerWithoutOutputFails();
    void fileThatTakesNothingFails();
    void noDefaultPrinterFails();
};

void TestReport::initTestCase()
{
    // No print server for this test: the default printer must be missing
    // whatever the machine has set up (the print-queue test may be running
    // next to this one). libcups reads the variable when it first connects.
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/torvane-no-cups.sock"));
}

void TestReport::defaultCarLines_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<ReportLine>("expected");
    for (int i = 0; i < defaultCarPage.size(); ++i) {
        const ReportLine& line = defaultCarPage[i];
        const QString name = line.style == ReportLine::Title ? QStringLiteral("title")
                                                             : line.text.section(':', 0, 0);
        QTest::addRow("%d %s", line.slot, qPrintable(name)) << i << line;
    }
}

void TestReport::defaultCarLines()
{
    QFETCH(int, index);
    QFETCH(ReportLine, expected);
    const QList<ReportLine> lines = ReportLines(QStringLiteral("Simulation results"), DefaultCar());
    QCOMPARE(lines.size(), 18);
    QCOMPARE(lines[index].slot, expected.slot);
    QCOMPARE(lines[index].text, expected.text);
    QCOMPARE(lines[index].style, expected.style);
}

void TestReport::valuesEndInColumn39_data()
{
    QTest::addColumn<ReportValues>("values");
    QTest::newRow("default car") << DefaultCar();
    QTest::newRow("no speed mark passed") << ReportValues{ 100, 4500, 0.4, 1, 3, 1, 2, 3, 4 };
    ReportValues big{ 1500, 1000, 0.2, 4, 0.75 };
    big.results.topSpeedDistance = 99999.99;
    big.results.zeroToSixtyTime = big.results.zeroToEightyTime = big.results.sixtyToEightyTime = 1.25;
    big.results.zeroToHundredTime = 0;
    QTest::newRow("large numbers, no 100") << big;
}

void TestReport::valuesEndInColumn39()
{
    QFETCH(ReportValues, values);
    const QList<ReportLine> lines = ReportLines(QStringLiteral("A title"), values);
    QCOMPARE(lines.size(), 18);
    for (const ReportLine& line : lines.mid(1)) {
        const QString& text = line.text;
        QVERIFY2(text.size() > ReportValueColumn, qPrintable(text));
        // Label from column 1, then spaces, then the value ending in column
        // 39, then a space; the line ends with a space.
        QVERIFY2(!text.at(0).isSpace(), qPrintable(text));
        QVERIFY2(!text.at(ReportValueColumn - 1).isSpace(), qPrintable(text));
        QCOMPARE(text.at(ReportValueColumn), QLatin1Char(' '));
        QVERIFY2(text.endsWith(QLatin1Char(' ')), qPrintable(text));
        const int colon = text.indexOf(QLatin1Char(':'));
        QVERIFY2(colon > 0 && colon < ReportValueColumn - 10, qPrintable(text));
        const QString value = text.mid(colon + 1, ReportValueColumn - colon - 1).trimmed();
        QVERIFY2(value == QLatin1String(ForgetIt)
                     || QRegularExpression(QStringLiteral("^\\d+(\\.\\d\\d)?$")).match(value).hasMatch(),
                 qPrintable(text));
    }
}

void TestReport::forgetIt_data()
{
    QTest::addColumn<ReportValues>("values");
    QTest::addColumn<QString>("sixty");
    QTest::addColumn<QString>("eighty");
    QTest::addColumn<QString>("sixtyToEighty");
    QTest::addColumn<QString>("hundred");

    const QString forget = QString::fromLatin1(ForgetIt);
    ReportValues v = DefaultCar();
    QTest::newRow("every mark passed") << v << "4.70" << "7.96" << "2.76" << "11.66";

    ReportValues none = v;
    none.results.zeroToSixtyTime = none.results.zeroToEightyTime = none.results.sixtyToEightyTime = none.results.zeroToHundredTime = 0;
    QTest::newRow("no mark passed") << none << forget << forget << forget << forget;

    ReportValues no80 = v;
    no80.results.zeroToEightyTime = 0;
    no80.results.zeroToHundredTime = 0;
    no80.results.sixtyToEightyTime = 3.33;   // ignored: the 60-80 line follows 0-80
    QTest::newRow("60-80 follows a missing 0-80") << no80 << "4.70" << forget << forget << forget;

    ReportValues zero6080 = v;
    zero6080.results.sixtyToEightyTime = 0;  // printed: 0-80 was reached
    QTest::newRow("60-80 of 0 after a 0-80 time") << zero6080 << "4.70" << "7.96" << "0.00" << "11.66";

    ReportValues no100 = v;
    no100.results.zeroToHundredTime = 0;
    QTest::newRow("no 100") << no100 << "4.70" << "7.96" << "2.76" << forget;

    ReportValues no60 = v;
    no60.results.zeroToSixtyTime = 0;        // a mark decides on its own time
    QTest::newRow("no 60, later marks kept") << no60 << forget << "7.96" << "2.76" << "11.66";

    ReportValues tiny = v;
    tiny.results.zeroToSixtyTime = 1e-300;   // not exactly 0: a number
    QTest::newRow("a tiny time is a number") << tiny << "0.00" << "7.96" << "2.76" << "11.66";
}

void TestReport::forgetIt()
{
    QFETCH(ReportValues, values);
    QFETCH(QString, sixty);
    QFETCH(QString, eighty);
    QFETCH(QString, sixtyToEighty);
    QFETCH(QString, hundred);

    const QList<ReportLine> lines = ReportLines(QString(), values);
    auto expected = [](const char* label, const QString& value) {
        return (QString::fromLatin1(label) + value.rightJustified(ReportValueColumn - int(std::strlen(label))))
               + QStringLiteral(" Seconds ");
    };
    QCOMPARE(LineOn(lines, 11), expected("Zero to 60 time: ", sixty));
    QCOMPARE(LineOn(lines, 12), expected("Zero to 80 time: ", eighty));
    QCOMPARE(LineOn(lines, 13), expected("60 to 80 time: ", sixtyToEighty));
    QCOMPARE(LineOn(lines, 14), expected("Zero to 100 time: ", hundred));
}

void TestReport::carThatNeverReaches80()
{
    // 22 hp puts the default body's top speed near 70 mph.
    const ReportValues values = RunCar(22);
    QVERIFY(values.results.topSpeed > 60 && values.results.topSpeed < 80);
    QVERIFY(values.results.zeroToSixtyTime > 0);
    const QList<ReportLine> lines = ReportLines(QStringLiteral("Slow"), values);
    QCOMPARE(LineOn(lines, 11), QString::asprintf("Zero to 60 time: %22.2f Seconds ", values.results.zeroToSixtyTime));
    QCOMPARE(LineOn(lines, 12), QStringLiteral("Zero to 80 time:             Forget it! Seconds "));
    QCOMPARE(LineOn(lines, 13), QStringLiteral("60 to 80 time:               Forget it! Seconds "));
    QCOMPARE(LineOn(lines, 14), QStringLiteral("Zero to 100 time:            Forget it! Seconds "));
}

void TestReport::emptyTitleKeepsPositions()
{
    const ReportValues values = DefaultCar();
    const QList<ReportLine> titled = ReportLines(QStringLiteral("Simulation results"), values);
    const QList<ReportLine> untitled = ReportLines(QString(), values);
    QCOMPARE(untitled.size(), titled.size());
    QCOMPARE(untitled[0].slot, 2);
    QVERIFY(untitled[0].text.isEmpty());
    QCOMPARE(untitled.mid(1), titled.mid(1));

    RecordingCanvas withTitle, withoutTitle;
    DrawReport(withTitle, titled);
    DrawReport(withoutTitle, untitled);
    QCOMPARE(withoutTitle.calls.size(), withTitle.calls.size());
    for (int i = 0; i < withTitle.calls.size(); ++i) {
        QCOMPARE(withoutTitle.calls[i].kind, withTitle.calls[i].kind);
        QCOMPARE(withoutTitle.calls[i].y, withTitle.calls[i].y);
        if (i > 2)
            QCOMPARE(withoutTitle.calls[i].text, withTitle.calls[i].text);
    }
}

void TestReport::numbersIgnoreTheLocale()
{
    const char* old = std::setlocale(LC_ALL, nullptr);
    const QByteArray saved = old ? QByteArray(old) : QByteArray("C");
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8"))
        QSKIP("The de_DE.UTF-8 locale is not installed (scripts/install-deps.sh makes it)");
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.2f", 0.5);
    const QString seenUnderGerman = QString::fromLatin1(probe);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    const QList<ReportLine> lines = ReportLines(QStringLiteral("Simulation results"), DefaultCar());

    std::setlocale(LC_ALL, saved.constData());
    QLocale::setDefault(QLocale::c());
    QCOMPARE(seenUnderGerman, QStringLiteral("0,50"));   // the locale was in force
    QCOMPARE(lines.size(), defaultCarPage.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i].text, defaultCarPage[i].text);
}

void TestReport::fontsArePinnedAndFixedPitch()
{
    const QString family = FamilyFor(QStringLiteral("Courier"));
    QVERIFY2(family == QLatin1String("Nimbus Mono PS") || family == QLatin1String("Liberation Mono"),
             qPrintable(family));

    const QFont title = ReportTitleFont();
    QCOMPARE(title.family(), family);
    QCOMPARE(title.pointSize(), 12);
    QVERIFY(title.bold());
    QVERIFY(title.underline());
    QVERIFY(!title.italic());

    const QFont value = ReportValueFont();
    QCOMPARE(value.family(), family);
    QCOMPARE(value.pointSize(), 10);
    QVERIFY(!value.bold());
    QVERIFY(!value.underline());
    QVERIFY(!value.italic());

    for (const QFont& font : { title, value }) {
        // The font system may add the foundry: "Nimbus Mono PS [urw]".
        const QFontInfo info(font);
        QCOMPARE(info.family().section(QStringLiteral(" ["), 0, 0), family);
        QVERIFY(info.fixedPitch());
        const QFontMetrics metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiiii")),
                 metrics.horizontalAdvance(QStringLiteral("WWWWW")));
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral(" ")),
                 metrics.horizontalAdvance(QStringLiteral("9")));
    }
}

void TestReport::drawingMeasuresBeforeEveryLine()
{
    RecordingCanvas canvas;
    const QList<ReportLine> lines = ReportLines(QStringLiteral("Simulation results"), DefaultCar());
    DrawReport(canvas, lines);

    // Title font, (measure, title), value font, then (measure, line) × 17.
    const QList<CanvasCall>& calls = canvas.calls;
    QCOMPARE(calls.size(), 1 + 2 + 1 + 2 * 17);
    QCOMPARE(calls[0].kind, CanvasCall::Font);
    QCOMPARE(calls[0].font, ReportTitleFont());
    QCOMPARE(calls[3].kind, CanvasCall::Font);
    QCOMPARE(calls[3].font, ReportValueFont());

    int line = 0;
    for (int i = 0; i < calls.size(); ++i) {
        if (calls[i].kind != CanvasCall::Text)
            continue;
        QVERIFY(i > 0);
        const CanvasCall& measure = calls[i - 1];
        QCOMPARE(measure.kind, CanvasCall::Height);
        QCOMPARE(measure.text, QStringLiteral("Hi there!"));
        QCOMPARE(calls[i].text, lines[line].text);
        QCOMPARE(calls[i].x, 1);
        QCOMPARE(calls[i].y, lines[line].slot * (measure.height + 10));
        ++line;
    }
    QCOMPARE(line, 18);
}

void TestReport::drawingInPrinterUnits()
{
    TextRecordingDevice device;
    QPainter painter(&device);
    DrawReport(painter, QStringLiteral("Simulation results"), DefaultCar());
    painter.end();

    const QList<DrawnText>& texts = device.engine.texts;
    QCOMPARE(texts.size(), 18);
    for (int i = 0; i < texts.size(); ++i) {
        const ReportLine& expected = defaultCarPage[i];
        const DrawnText& drawn = texts[i];
        const bool isTitle = expected.style == ReportLine::Title;
        QCOMPARE(drawn.text, expected.text);
        QCOMPARE(drawn.font.family(), FamilyFor(QStringLiteral("Courier")));
        QCOMPARE(drawn.font.pointSize(), isTitle ? 12 : 10);
        QCOMPARE(drawn.font.bold(), isTitle);
        QCOMPARE(drawn.font.underline(), isTitle);

        // Heights in the device's units: a 10-pt font at 600 dpi is some
        // 83 units high, and the 10 units between lines stay 10.
        const QFontMetrics metrics(isTitle ? ReportTitleFont() : ReportValueFont(), &device);
        const int h = metrics.size(Qt::TextSingleLine, QStringLiteral("Hi there!")).height();
        QVERIFY2(h > (isTitle ? 12 : 10) * TextRecordingDevice::dpi / 72, qPrintable(QString::number(h)));
        QCOMPARE(drawn.baseline.x(), 1.0);
        QCOMPARE(drawn.baseline.y() - metrics.ascent(), qreal(expected.slot * (h + 10)));
    }
}

void TestReport::pdfPageReadsBack()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    PrintDefaultCarForReading(dir, pdf);
    if (QTest::currentTestFailed() || !QFileInfo::exists(pdf))
        return;

    // One page: pdftotext ends every page with a form feed.
    const QString layout = PdfText(pdf, { QStringLiteral("-layout") });
    QCOMPARE(layout.count(QLatin1Char('\f')), 1);

    // In the 10-pt face every character is 6 points wide, so reading the page
    // on a 6-point grid gives back the columns exactly. The 12-pt title sits
    // on a wider grid, so only its words are compared.
    const QString text = PdfText(pdf, { QStringLiteral("-layout"), QStringLiteral("-fixed"), QStringLiteral("6") });
    QStringList read;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && line.trimmed() != QStringLiteral("\f"))
            read.append(line);
    }
    QCOMPARE(read.size(), 18);
    QCOMPARE(read[0].simplified(), QStringLiteral("Simulation results"));
    // The page's left margin shows as the same indent on every line.
    const qsizetype indent = read[1].indexOf(QRegularExpression(QStringLiteral("\\S")));
    QVERIFY(indent >= 0);
    for (int i = 1; i < read.size(); ++i) {
        QCOMPARE(read[i].left(indent), QString(indent, QLatin1Char(' ')));
        QString expected = defaultCarPage[i].text;
        while (expected.endsWith(QLatin1Char(' ')))
            expected.chop(1);
        QCOMPARE(read[i].mid(indent), expected);
    }
}

void TestReport::pdfLineSpacingInDeviceUnits()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    PrintDefaultCarForReading(dir, pdf);
    if (QTest::currentTestFailed() || !QFileInfo::exists(pdf))
        return;

    // The top and the left of every line, in points. pdftotext lists the
    // words in columns, so a line is the set of words with one top.
    const QString boxes = PdfText(pdf, { QStringLiteral("-bbox") });
    const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\""));
    QMap<double, double> leftOfLineAt;
    for (auto match = word.globalMatch(boxes); match.hasNext();) {
        const auto m = match.next();
        const double left = m.captured(1).toDouble();
        const double top = m.captured(2).toDouble();
        leftOfLineAt[top] = leftOfLineAt.contains(top) ? std::min(leftOfLineAt[top], left) : left;
    }
    const QList<double> tops = leftOfLineAt.keys();
    const QList<double> lefts = leftOfLineAt.values();
    QCOMPARE(tops.size(), 18);

    // Slot k of the value lines lies k × (h + 10) device units down, with h
    // measured for the printer: the 10 units are not scaled with the font.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("metrics.pdf")));
    QPainter painter(&printer);   // metrics of the device the page was printed for
    const int h = QFontMetrics(ReportValueFont(), &printer)
                      .size(Qt::TextSingleLine, QStringLiteral("Hi there!")).height();
    painter.end();
    const double pointsPerUnit = 72.0 / printer.resolution();
    for (int i = 2; i < tops.size(); ++i) {
        const int slotsDown = defaultCarPage[i].slot - defaultCarPage[1].slot;
        QVERIFY2(std::abs((tops[i] - tops[1]) - slotsDown * (h + 10) * pointsPerUnit) < 0.01,
                 qPrintable(QStringLiteral("line %1: %2 pt below the first").arg(i).arg(tops[i] - tops[1])));
        QCOMPARE(lefts[i], lefts[1]);
    }
    QCOMPARE(lefts[0], lefts[1]);
}

void TestReport::unwritableFileFails()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent/folder/report.pdf"));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QCOMPARE(PrintReport(printer, QStringLiteral("Simulation results"), DefaultCar()),
             QStringLiteral("The report could not be printed: the file \"/nonexistent/folder/report.pdf\" "
                            "could not be opened for writing."));
}

void TestReport::printerWithoutOutputFails()
{
    // A PDF printer with no file to write to cannot begin a document.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QCOMPARE(PrintReport(printer, QStringLiteral("Simulation results"), DefaultCar()),
             QStringLiteral("The report could not be printed: the printer could not start a document."));
}

void TestReport::fileThatTakesNothingFails()
{
    // /dev/full opens, takes no byte and keeps its size of 0: a printer that
    // silently prints nothing must not pass for one that printed.
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full on this system");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/dev/full"));
    QCOMPARE(PrintReport(printer, QStringLiteral("Simulation results"), DefaultCar()),
             QStringLiteral("Nothing was written to the file \"/dev/full\": the report was not printed."));
}

void TestReport::noDefaultPrinterFails()
{
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    QString error;
    QVERIFY(!OpenDefaultPrinter(error));
    const QString expected = QStringLiteral("There is no default printer. Set up a printer as the "
                                            "default printer, then print the report again.");
    QCOMPARE(error, expected);
    QCOMPARE(PrintReportOnDefaultPrinter(QStringLiteral("Simulation results"), DefaultCar()), expected);
}

// The print-queue test's mode: the default car's report, with the title
// given on the command line, on the default printer.
static int PrintDefaultCar(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString title = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("Simulation results");
    const QString error = PrintReportOnDefaultPrinter(title, DefaultCar());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("The report went to the printer \"%s\".\n",
                qPrintable(QPrinterInfo::defaultPrinter().printerName()));
    return 0;
}

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--print-default-car") == 0)
        return PrintDefaultCar(argc, argv);
    QApplication app(argc, argv);
    TestReport test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_report.moc"
