// GarageReport: the comparison on paper: a title, the comparison table and
// the speed and distance curves, drawn by one routine for the PDF export,
// the print preview and the printer alike. Paper is always white, whatever
// the desktop's theme.
#pragma once

#include "garage/Units.h"

#include <QByteArray>
#include <QString>

class CarList;
class QPainter;
class QPrinter;
class QRectF;

struct ReportContent {
    CarList* cars = nullptr; // every car is compared
    UnitSystem units = UnitSystem::Imperial;
    QString title;
};

namespace GarageReport {

// Draws the report into `page` (device coordinates of the painter).
void Draw(QPainter& painter, const QRectF& page, const ReportContent& content);
// Draws the report on a printer that is set up and ready.
void Print(QPrinter* printer, const ReportContent& content);
// The report as an A4 PDF document, made whole in memory; empty when it
// could not be made.
QByteArray PdfBytes(const ReportContent& content);

} // namespace GarageReport
