// Report: the one-page printed report of one car.
//
// In: the five inputs that the print job read, the twelve results of its own
// run (ReportValues) and the title the user typed. Out: the title and the
// seventeen value lines on their numbered line slots (ReportLines), drawn by
// one routine (DrawReport) on any text canvas: the printer, a PDF file or a
// test's recorder. PrintReport puts the page on a printer and says in plain
// words why when it could not.
//
// The numbers are formatted with QString::asprintf, which always writes "."
// as the decimal point whatever the C locale says.
#pragma once

#include <QFont>
#include <QList>
#include <QString>

#include <memory>

class QPainter;
class QPrinter;
class SimulationRecord;
struct CarInputs;

struct ReportValues {
    // The inputs, as the print job read them.
    double horsepower = 0;
    double carWeight = 0;
    double dragCoefficient = 0;
    int quarterMileShifts = 0;
    double spinTime = 0;

    // The results, in the order GetResults hands them out.
    double topSpeedTime = 0;
    double topSpeed = 0;
    double topSpeedDistance = 0;
    double topSpeedWindForce = 0;
    double zeroToSixtyTime = 0;
    double zeroToHundredTime = 0;
    double zeroToEightyTime = 0;
    double sixtyToEightyTime = 0;
    double quarterMileTime = 0;
    double quarterMileSpeed = 0;
    double quarterMileDistance = 0;
    double quarterMileWindForce = 0;
};

// The report's values: the five inputs the job read and the twelve results
// of the record that ran them.
ReportValues ReportValuesFor(const CarInputs& inputs, const SimulationRecord& record);

struct ReportLine {
    enum Style { Title, Value };

    int slot = 0;
    QString text;
    Style style = Value;

    bool operator==(const ReportLine&) const = default;
};

// The text that stands for a speed mark the car never passes.
inline constexpr char ForgetIt[] = "Forget it!";

// The column in which every number, and every "Forget it!", ends.
inline constexpr int ReportValueColumn = 39;

// The title on slot 2, then the seventeen value lines in printing order,
// each with its trailing space. A speed-mark time of exactly 0 prints
// "Forget it!"; the 60-80 line follows the 0-80 time, not its own.
QList<ReportLine> ReportLines(const QString& title, const ReportValues& values);

// "Courier" 12 pt, bold and underlined, in the fixed-pitch family that
// shell/Fonts puts in its place.
QFont ReportTitleFont();
// "Courier" 10 pt, plain.
QFont ReportValueFont();

// The height of this sample, measured in the current font, sets the spacing
// of the line slots.
inline constexpr char ReportSampleText[] = "Hi there!";
// Device units between one slot's line and the next, on top of the height.
inline constexpr int ReportLineGap = 10;
// Every line starts this many device units from the printable area's left.
inline constexpr int ReportLeft = 1;

// What the report needs of a drawing surface, in the surface's device units.
class ReportCanvas {
public:
    virtual ~ReportCanvas() = default;
    virtual void SetFont(const QFont& font) = 0;
    // Height of `text` in the current font.
    virtual int TextHeight(const QString& text) = 0;
    // Draws `text` in the current font with the top-left of its cell at (x, y).
    virtual void TextOut(int x, int y, const QString& text) = 0;
};

// A canvas on an active painter: fonts in points, measured for the
// painter's device, positions in its device units.
class PainterCanvas : public ReportCanvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter(painter) {}
    void SetFont(const QFont& font) override;
    int TextHeight(const QString& text) override;
    void TextOut(int x, int y, const QString& text) override;

private:
    QPainter& painter;
};

// Draws the lines in their order: each line in its style's font, its top at
// slot × (h + 10) from the top, h being the height of "Hi there!" measured
// in that font just before the line is drawn.
void DrawReport(ReportCanvas& canvas, const QList<ReportLine>& lines);
void DrawReport(QPainter& painter, const QString& title, const ReportValues& values);

// The default printer at its own resolution, or null with `error` saying why.
std::unique_ptr<QPrinter> OpenDefaultPrinter(QString& error);

// Prints the report as one page on `printer` (not yet active) with the
// printer's own page set-up. Returns an empty text when the page has gone to
// the printer, otherwise a message that says what went wrong: the document
// could not begin, the printer reported an error or an abort at the end, the
// print server did not take the job, or a file printer wrote nothing.
QString PrintReport(QPrinter& printer, const QString& title, const ReportValues& values);

// OpenDefaultPrinter, then PrintReport.
QString PrintReportOnDefaultPrinter(const QString& title, const ReportValues& values);
