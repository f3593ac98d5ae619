// SPDX-License-Identifier: GPL-3.0-or-later
// GarageReport: the comparison on paper, to be shared and checked: a title,
// each car's inputs and every figure of the comparison table (a table of at
// most five cars at a time, as many as it takes), then the speed and
// distance curves of the span the user chose, their text at print size.
// Pages follow as the content needs them. One routine draws it for the PDF
// export, the print preview and the printer alike. Paper is always white,
// whatever the desktop's theme.
#pragma once

#include "garage/CurveCharts.h"
#include "garage/Units.h"

#include <QByteArray>
#include <QString>

#include <functional>

class CarList;
class QPainter;
class QPrinter;
class QRectF;

struct ReportContent {
    CarList* cars = nullptr; // every car is compared
    UnitSystem units = UnitSystem::Imperial;
    QString title;
    CurveCharts::Span span = CurveCharts::Span::WholeRun;
};

namespace GarageReport {

// The most cars one table shows side by side.
inline constexpr int CarsPerTable = 5;

// Draws the report on pages of the size `page` (device coordinates of the
// painter), calling `newPage` to begin each page after the first.
void Draw(QPainter& painter, const QRectF& page, const ReportContent& content,
          const std::function<void()>& newPage);
// Draws the report on a printer that is set up and ready.
void Print(QPrinter* printer, const ReportContent& content);
// The report as an A4 PDF document, made whole in memory; empty when it
// could not be made.
QByteArray PdfBytes(const ReportContent& content);

} // namespace GarageReport
