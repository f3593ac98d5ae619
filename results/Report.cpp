// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Report.h"

#include "widgets/Fonts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <dlfcn.h>

namespace {

// The translations of the print job's messages.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

} // namespace

// "Courier" is whichever fixed-pitch family widgets/Fonts stands in for it.
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
        error = Text::tr("There is no default printer. Set up a printer as the default "
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
                                : Text::tr("status 0x%1").arg(lastError(), 4, 16, QLatin1Char('0'));
    }
    dlclose(cups);
    return refusal;
}

QString PrintReport(QPrinter& printer, const QString& title, const ReportValues& values)
{
    const QList<ReportLine> lines = ReportLines(title, values);
    const QString outputFile = printer.outputFileName();
    const bool toFile = !outputFile.isEmpty();
    const QString where = toFile ? Text::tr("the file \"%1\"").arg(outputFile)
                          : printer.printerName().isEmpty()
                              ? Text::tr("the printer")
                              : Text::tr("the printer \"%1\"").arg(printer.printerName());

    QPainter painter;
    if (!painter.begin(&printer)) {
        return toFile ? Text::tr("The report could not be printed: %1 could not be opened "
                                 "for writing.").arg(where)
                      : Text::tr("The report could not be printed: %1 could not start a "
                                 "document.").arg(where);
    }
    PainterCanvas canvas(painter);
    DrawReport(canvas, lines);
    const bool ended = painter.end();

    if (printer.printerState() == QPrinter::Aborted)
        return Text::tr("The print job on %1 was aborted: the report was not printed.").arg(where);
    if (!ended || printer.printerState() == QPrinter::Error)
        return Text::tr("The report could not be finished: %1 reported an error at the "
                        "end of the document, so the page may not have been printed.").arg(where);
    if (toFile) {
        if (QFileInfo(outputFile).size() <= 0)
            return Text::tr("Nothing was written to %1: the report was not printed.").arg(where);
    } else if (printer.outputFormat() == QPrinter::NativeFormat) {
        const QString refusal = PrintServerRefusal();
        if (!refusal.isEmpty())
            return Text::tr("The print server did not take the report for %1, so nothing "
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
