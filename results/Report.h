// SPDX-License-Identifier: GPL-3.0-or-later
// Report: the one-page printed report of one car on paper.
//
// In: the report's lines (core/ReportLines) and a drawing surface. Out: the
// lines drawn on their slots by one routine (DrawReport) on any text canvas:
// the printer, a PDF file or a test's recorder. PrintReport puts the page on
// a printer and says in plain words why when it could not.
#pragma once

#include "core/ReportLines.h"

#include <QFont>
#include <QList>
#include <QString>

#include <memory>

class QPainter;
class QPrinter;

// "Courier" 12 pt, bold and underlined, in the fixed-pitch family that
// widgets/Fonts puts in its place.
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
