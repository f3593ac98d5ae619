#include "results/Report.h"

#include "engine/Simulation.h"
#include "inputs/Othersubs.h"
#include "shell/Fonts.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <dlfcn.h>

ReportValues ReportValuesFor(const CarInputs& inputs, const SimulationRecord& record)
{
    ReportValues v;
    v.horsepower = inputs.horsepower;
    v.carWeight = inputs.carWeight;
    v.dragCoefficient = inputs.dragCoefficient;
    v.quarterMileShifts = inputs.quarterMileShifts;
    v.spinTime = inputs.spinTime;
    record.GetResults(v.topSpeedTime, v.topSpeed, v.topSpeedDistance, v.topSpeedWindForce,
                      v.zeroToSixtyTime, v.zeroToHundredTime, v.zeroToEightyTime,
                      v.sixtyToEightyTime, v.quarterMileTime, v.quarterMileSpeed,
                      v.quarterMileDistance, v.quarterMileWindForce);
    return v;
}

QList<ReportLine> ReportLines(const QString& title, const ReportValues& v)
{
    // A speed mark the car never passes has the time 0; the 60-80 time is
    // only meaningful when the car reached 80 mph, so it follows the 0-80 time.
    const bool noSixty = v.zeroToSixtyTime == 0;
    const bool noEighty = v.zeroToEightyTime == 0;
    const bool noHundred = v.zeroToHundredTime == 0;

    return {
        { 2, title, ReportLine::Title },
        { 4, QString::asprintf("Engine horsepower: %20.2f Horsepower ", v.horsepower) },
        { 5, QString::asprintf("Car weight: %27.2f Pounds ", v.carWeight) },
        { 6, QString::asprintf("Drag coefficient: %21.2f ", v.dragCoefficient) },
        { 8, QString::asprintf("Number of shifts: %21i ", v.quarterMileShifts) },
        { 9, QString::asprintf("Spin time: %28.2f Seconds ", v.spinTime) },
        { 11, noSixty ? QString::asprintf("Zero to 60 time: %22s Seconds ", ForgetIt)
                      : QString::asprintf("Zero to 60 time: %22.2f Seconds ", v.zeroToSixtyTime) },
        { 12, noEighty ? QString::asprintf("Zero to 80 time: %22s Seconds ", ForgetIt)
                       : QString::asprintf("Zero to 80 time: %22.2f Seconds ", v.zeroToEightyTime) },
        { 13, noEighty ? QString::asprintf("60 to 80 time: %24s Seconds ", ForgetIt)
                       : QString::asprintf("60 to 80 time: %24.2f Seconds ", v.sixtyToEightyTime) },
        { 14, noHundred ? QString::asprintf("Zero to 100 time: %21s Seconds ", ForgetIt)
                        : QString::asprintf("Zero to 100 time: %21.2f Seconds ", v.zeroToHundredTime) },
        { 16, QString::asprintf("Quarter mile time: %20.2f Seconds ", v.quarterMileTime) },
        { 17, QString::asprintf("Quarter mile speed: %19.2f Miles per hour ", v.quarterMileSpeed) },
        { 18, QString::asprintf("Quarter mile distance: %16.2f Feet ", v.quarterMileDistance) },
        { 19, QString::asprintf("Quarter mile wind force: %14.2f Pounds ", v.quarterMileWindForce) },
        { 21, QString::asprintf("Top speed time: %23.2f Seconds ", v.topSpeedTime) },
        { 22, QString::asprintf("Top speed: %28.2f Miles per hour ", v.topSpeed) },
        { 23, QString::asprintf("Top speed distance: %19.2f Feet ", v.topSpeedDistance) },
        { 24, QString::asprintf("Top speed wind force: %17.2f Pounds ", v.topSpeedWindForce) },
    };
}

// "Courier" is whichever fixed-pitch family shell/Fonts stands in for it.
static QFont ReportFont(int points, bool emphasised)
{
    QFont font = PointFont(QStringLiteral("Courier"), points, emphasised);
    font.setUnderline(emphasised);
    return font;
}

QFont ReportTitleFont()
{
    return ReportFont(12, true);
}

QFont ReportValueFont()
{
    return ReportFont(10, false);
}

void PainterCanvas::SetFont(const QFont& font)
{
    painter.setFont(font);
}

int PainterCanvas::TextHeight(const QString& text)
{
    return painter.fontMetrics().size(Qt::TextSingleLine, text).height();
}

void PainterCanvas::TextOut(int x, int y, const QString& text)
{
    // QPainter places text on its baseline; the report places the top of the
    // text's cell.
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

void DrawReport(ReportCanvas& canvas, const QList<ReportLine>& lines)
{
    bool fontSet = false;
    ReportLine::Style style = ReportLine::Value;
    for (const ReportLine& line : lines) {
        if (!fontSet || line.style != style) {
            style = line.style;
            fontSet = true;
            canvas.SetFont(style == ReportLine::Title ? ReportTitleFont() : ReportValueFont());
        }
        const int h = canvas.TextHeight(QString::fromLatin1(ReportSampleText));
        canvas.TextOut(ReportLeft, line.slot * (h + ReportLineGap), line.text);
    }
}

void DrawReport(QPainter& painter, const QString& title, const ReportValues& values)
{
    PainterCanvas canvas(painter);
    DrawReport(canvas, ReportLines(title, values));
}

std::unique_ptr<QPrinter> OpenDefaultPrinter(QString& error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        error = QStringLiteral("There is no default printer. Set up a printer as the default "
                               "printer, then print the report again.");
        return nullptr;
    }
    error.clear();
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

// Qt's CUPS printing hands the finished page to the print server and does
// not look at the answer, so a queue that refuses jobs, or a server that has
// gone away, would print nothing while the job looks done. The server's
// answer stays readable, per thread, in the CUPS library that Qt's print
// plugin has loaded. Returns the server's reason when it refused the job.
static QString PrintServerRefusal()
{
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return {};
    QString refusal;
    using StatusFunction = int (*)();
    using TextFunction = const char* (*)();
    const auto lastError = reinterpret_cast<StatusFunction>(dlsym(cups, "cupsLastError"));
    const auto lastErrorText = reinterpret_cast<TextFunction>(dlsym(cups, "cupsLastErrorString"));
    // IPP status codes from 0x0400 on are client and server errors.
    constexpr int firstErrorStatus = 0x0400;
    if (lastError && lastError() >= firstErrorStatus) {
        const char* text = lastErrorText ? lastErrorText() : nullptr;
        refusal = text && *text ? QString::fromLocal8Bit(text)
                                : QStringLiteral("status 0x%1").arg(lastError(), 4, 16, QLatin1Char('0'));
    }
    dlclose(cups);
    return refusal;
}

QString PrintReport(QPrinter& printer, const QString& title, const ReportValues& values)
{
    const QList<ReportLine> lines = ReportLines(title, values);
    const QString outputFile = printer.outputFileName();
    const bool toFile = !outputFile.isEmpty();
    const QString where = toFile ? QStringLiteral("the file \"%1\"").arg(outputFile)
                          : printer.printerName().isEmpty()
                              ? QStringLiteral("the printer")
                              : QStringLiteral("the printer \"%1\"").arg(printer.printerName());

    QPainter painter;
    if (!painter.begin(&printer)) {
        return toFile ? QStringLiteral("The report could not be printed: %1 could not be opened "
                                       "for writing.").arg(where)
                      : QStringLiteral("The report could not be printed: %1 could not start a "
                                       "document.").arg(where);
    }
    PainterCanvas canvas(painter);
    DrawReport(canvas, lines);
    const bool ended = painter.end();

    if (printer.printerState() == QPrinter::Aborted)
        return QStringLiteral("The print job on %1 was aborted: the report was not printed.").arg(where);
    if (!ended || printer.printerState() == QPrinter::Error)
        return QStringLiteral("The report could not be finished: %1 reported an error at the "
                              "end of the document, so the page may not have been printed.").arg(where);
    if (toFile) {
        if (QFileInfo(outputFile).size() <= 0)
            return QStringLiteral("Nothing was written to %1: the report was not printed.").arg(where);
    } else if (printer.outputFormat() == QPrinter::NativeFormat) {
        const QString refusal = PrintServerRefusal();
        if (!refusal.isEmpty())
            return QStringLiteral("The print server did not take the report for %1, so nothing "
                                  "was printed. The server said: %2").arg(where, refusal);
    }
    return {};
}

QString PrintReportOnDefaultPrinter(const QString& title, const ReportValues& values)
{
    QString error;
    const std::unique_ptr<QPrinter> printer = OpenDefaultPrinter(error);
    if (!printer)
        return error;
    return PrintReport(*printer, title, values);
}
