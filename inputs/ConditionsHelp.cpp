// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs/ConditionsHelp.h"

#include "widgets/Bevel.h"
#include "widgets/DialogParts.h"
#include "widgets/Hints.h"
#include "widgets/Shape.h"

#include <QLabel>
#include <QPushButton>

TCondHelpDlg::TCondHelpDlg(QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, "CondHelpDlg", tr("Conditions help..."), QSize(362, 338));

    auto* frame = new TShape(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(16, 16, 329, 305);
    frame->SetPen(clBlue, 5);
    auto* bevel = new TBevel(this, TBevel::bsLowered);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setGeometry(32, 36, 297, 229);

    MakeLabel(this, "Label1", tr("The spin time is the total wheel spin time in seconds."),
                       44, 48);
    MakeLabel(this, "Label4", tr("Example:"), 48, 72);
    MakeLabel(this, "Label6", tr("Spin time = .20 seconds"), 48, 92);
    MakeLabel(this, "Label8", tr("Spin time can vary between almost zero, for a low"), 48, 120);
    MakeLabel(this, "Label9", tr("power car, to 1 second or more for a high-power car."),
                       48, 136);
    MakeLabel(this, "Label10", tr("Traction control can cut spin time to almost zero..."),
                        48, 152);

    auto* shiftsText = new QLabel(this);
    shiftsText->setObjectName(QStringLiteral("StaticText1"));
    shiftsText->setTextFormat(Qt::PlainText);
    shiftsText->setText(tr(
        "Quarter mile shifts, are the number of shifts required to complete the 1/4 mile distance, "
        "under full power. Available shifts, are the number of shifts available from the Torvane "
        "transmission. Six gears, would require five shifts."));
    shiftsText->setGeometry(48, 184, 265, 73);
    shiftsText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    shiftsText->setWordWrap(true);

    okButton = MakeBitBtn(this, "BitBtn1", TButtonKind::Ok, 144, 280);
    SetHint(okButton, tr("Close this dialog box..."), false);
    connect(okButton, &QPushButton::clicked, this, &TCondHelpDlg::BitBtn1Click);
}

void TCondHelpDlg::BitBtn1Click()
{
    hide();
}
