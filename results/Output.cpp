#include "results/Output.h"

#include "shell/Fonts.h"
#include "shell/Forms.h"
#include "shell/GroupBox.h"
#include "shell/Hints.h"
#include "shell/Labels.h"
#include "shell/Shape.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TOutputDlg* OutputDlg = nullptr;

const QColor TOutputDlg::Cream(255, 251, 240);
const QColor TOutputDlg::Yellow(255, 255, 0);

namespace {

// One result: an Arial label and a read-only, right-aligned box on cream
// that the Tab key passes over; a click still focuses it, so its text can be
// selected and copied.
QLineEdit* addResult(QGroupBox* group, const char* labelName, const QString& caption,
                     QPoint labelAt, const char* boxName, QRect box, const QColor& textColour)
{
    QLabel* label = MakeLabel(group, labelName, caption, labelAt.x(), labelAt.y());
    label->setFont(PixelFont(QStringLiteral("Arial"), 12));
    label->adjustSize();

    auto* edit = new QLineEdit(group);
    edit->setObjectName(QLatin1String(boxName));
    edit->setGeometry(box);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setFrame(true);
    edit->setTextMargins(0, 0, 0, 0);
    edit->setFont(WindowFont());
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, textColour);
    edit->setPalette(palette);
    SetBoxColour(edit, TOutputDlg::Cream);
    return edit;
}

} // namespace

void SetBoxColour(QLineEdit* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

QColor BoxColour(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}

TOutputDlg::TOutputDlg(QWidget* parent)
    : QDialog(parent)
{
    SetUpDialog(this, "OutputDlg", QStringLiteral(" Torvane Results..."), QSize(594, 297));

    Shape1 = new TShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(8, 8, 577, 281);
    Shape1->SetPen(clBlue, 5);

    const QColor red(255, 0, 0);
    const QColor black(0, 0, 0);

    QGroupBox* quarter = MakeGroupBox(this, "GroupBox1", QStringLiteral("Quarter mile"),
                                      QRect(24, 24, 241, 121));
    TTime = addResult(quarter, "Label1", QStringLiteral("Elapsed time in seconds:"), { 8, 22 },
                      "TTime", { 152, 22, 73, 17 }, red);
    TSpeed = addResult(quarter, "Label2", QStringLiteral("Speed in miles per hour:"), { 8, 45 },
                       "TSpeed", { 152, 46, 73, 17 }, red);
    TDistance = addResult(quarter, "Label3", QStringLiteral("Distance in feet:"), { 8, 68 },
                          "TDistance", { 152, 70, 73, 17 }, black);
    TPounds = addResult(quarter, "Label4", QStringLiteral("Wind force in pounds:"), { 8, 93 },
                        "TPounds", { 152, 94, 73, 17 }, black);

    QGroupBox* top = MakeGroupBox(this, "GroupBox2", QStringLiteral("Top speed"),
                                  QRect(280, 24, 289, 121));
    TopTime = addResult(top, "Label5", QStringLiteral("Top speed time in seconds:"), { 16, 22 },
                        "TopTime", { 200, 22, 73, 17 }, black);
    TopSpeed = addResult(top, "Label6", QStringLiteral("Top speed in miles per hour:"), { 16, 45 },
                         "TopSpeed", { 200, 46, 73, 17 }, red);
    TopDistance = addResult(top, "Label7", QStringLiteral("Top speed distance in feet:"),
                            { 16, 68 }, "TopDistance", { 200, 70, 73, 17 }, black);
    TopForce = addResult(top, "Label8", QStringLiteral("Top speed wind force in pounds:"),
                         { 16, 93 }, "TopForce", { 200, 94, 73, 17 }, black);

    QGroupBox* other = MakeGroupBox(this, "GroupBox3", QStringLiteral("Other"),
                                    QRect(24, 152, 545, 81));
    TSixtyTime = addResult(other, "Label9", QStringLiteral("Zero to sixty time in seconds:"),
                           { 8, 24 }, "TSixtyTime", { 182, 22, 59, 17 }, red);
    TEightyTime = addResult(other, "Label10", QStringLiteral("Zero to eighty time in seconds:"),
                            { 8, 48 }, "TEightyTime", { 182, 48, 59, 17 }, black);
    THundredTime = addResult(other, "Label11",
                             QStringLiteral("Zero to one hundred time in seconds:"), { 256, 24 },
                             "THundredTime", { 470, 22, 59, 17 }, black);
    SixtyToEighty = addResult(other, "Label12", QStringLiteral("Sixty to eighty time in seconds:"),
                              { 256, 48 }, "SixtyToEighty", { 470, 48, 59, 17 }, black);
    // The one box that takes typing; nothing ever reads it back.
    TEightyTime->setReadOnly(false);

    Button2 = MakeBitBtn(this, "Button2", TButtonKind::Ok, 260, 248);
    Button2->setIcon(QIcon());
    SetHint(Button2, QStringLiteral("Close this dialog box..."), false);
}
