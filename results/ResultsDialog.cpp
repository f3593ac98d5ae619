// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsDialog.h"

#include "widgets/DialogParts.h"
#include "widgets/Fonts.h"
#include "widgets/Hints.h"
#include "widgets/Shape.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// One result: an Arial label and a read-only, right-aligned box on cream
// that the Tab key passes over; a click still focuses it, so its text can be
// selected and copied.
QLineEdit* addResult(QGroupBox* group, const char* labelName, const QString& caption,
                     QPoint labelAt, const char* boxName, QRect box, const QColor& textColour)
{
    const QFont font = PixelFont(QStringLiteral("Arial"), 12);
    QLabel* label = MakeLabel(group, labelName, caption, labelAt.x(), labelAt.y(), &font);

    auto* edit = new QLineEdit(group);
    edit->setObjectName(QLatin1String(boxName));
    edit->setGeometry(box);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setFrame(true);
    edit->setTextMargins(0, 0, 0, 0);
    edit->setFont(WindowFont());
    SetBoxColours(edit, clCream, textColour);
    NameAfterCaption(edit, label);
    return edit;
}

} // namespace

QColor BoxColour(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}

TOutputDlg::TOutputDlg()
{
    SetUpDialog(this, "OutputDlg", tr(" Torvane Results..."), QSize(594, 297));

    auto* frame = new TShape(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(8, 8, 577, 281);
    frame->SetPen(clBlue, 5);

    auto result = [this](QGroupBox* group, ResultField field, const char* labelName,
                         const char* caption, QPoint labelAt, const char* boxName, QRect box,
                         const QColor& textColour) {
        boxes[static_cast<int>(field)] = addResult(group, labelName, tr(caption),
                                                   labelAt, boxName, box, textColour);
    };

    QGroupBox* quarter = MakeGroupBox(this, "GroupBox1", tr("Quarter mile"),
                                      QRect(24, 24, 241, 121));
    result(quarter, ResultField::QuarterMileTime, "Label1", QT_TR_NOOP("Elapsed time in seconds:"), { 8, 22 },
           "TTime", { 152, 22, 73, 17 }, clRed);
    result(quarter, ResultField::QuarterMileSpeed, "Label2",
           QT_TR_NOOP("Speed in miles per hour:"), { 8, 45 }, "TSpeed", { 152, 46, 73, 17 }, clRed);
    result(quarter, ResultField::QuarterMileDistance, "Label3", QT_TR_NOOP("Distance in feet:"), { 8, 68 },
           "TDistance", { 152, 70, 73, 17 }, clBlack);
    result(quarter, ResultField::QuarterMileWindForce, "Label4", QT_TR_NOOP("Wind force in pounds:"),
           { 8, 93 }, "TPounds", { 152, 94, 73, 17 }, clBlack);

    QGroupBox* top = MakeGroupBox(this, "GroupBox2", tr("Top speed"),
                                  QRect(280, 24, 289, 121));
    result(top, ResultField::TopSpeedTime, "Label5", QT_TR_NOOP("Top speed time in seconds:"), { 16, 22 },
           "TopTime", { 200, 22, 73, 17 }, clBlack);
    result(top, ResultField::TopSpeed, "Label6", QT_TR_NOOP("Top speed in miles per hour:"), { 16, 45 },
           "TopSpeed", { 200, 46, 73, 17 }, clRed);
    result(top, ResultField::TopSpeedDistance, "Label7",
           QT_TR_NOOP("Top speed distance in feet:"), { 16, 68 }, "TopDistance", { 200, 70, 73, 17 },
           clBlack);
    result(top, ResultField::TopSpeedWindForce, "Label8", QT_TR_NOOP("Top speed wind force in pounds:"),
           { 16, 93 }, "TopForce", { 200, 94, 73, 17 }, clBlack);

    QGroupBox* other = MakeGroupBox(this, "GroupBox3", tr("Other"),
                                    QRect(24, 152, 545, 81));
    result(other, ResultField::ZeroToSixtyTime, "Label9", QT_TR_NOOP("Zero to sixty time in seconds:"),
           { 8, 24 }, "TSixtyTime", { 182, 22, 59, 17 }, clRed);
    result(other, ResultField::ZeroToEightyTime, "Label10", QT_TR_NOOP("Zero to eighty time in seconds:"),
           { 8, 48 }, "TEightyTime", { 182, 48, 59, 17 }, clBlack);
    result(other, ResultField::ZeroToHundredTime, "Label11",
           QT_TR_NOOP("Zero to one hundred time in seconds:"), { 256, 24 }, "THundredTime",
           { 470, 22, 59, 17 }, clBlack);
    result(other, ResultField::SixtyToEightyTime, "Label12", QT_TR_NOOP("Sixty to eighty time in seconds:"),
           { 256, 48 }, "SixtyToEighty", { 470, 48, 59, 17 }, clBlack);
    // The one box that takes typing; nothing ever reads it back.
    Box(ResultField::ZeroToEightyTime)->setReadOnly(false);

    okButton = MakeBitBtn(this, "Button2", TButtonKind::Ok, 260, 248);
    okButton->setIcon(QIcon());
    SetHint(okButton, tr("Close this dialog box..."), false);
}

void TOutputDlg::FillResultsDialog(const SimulationResults& results)
{
    for (ResultField field : AllResultFields) {
        QLineEdit* box = Box(field);
        box->setText(ResultText(results, field));
        // A speed the car never reached shows on yellow. The colour is set
        // either way, so a box yellow after one run is cream after the next.
        const bool missed = MarkMissed(results, field);
        SetBoxColours(box, missed ? clYellow : clCream, box->palette().color(QPalette::Text));
    }
}
