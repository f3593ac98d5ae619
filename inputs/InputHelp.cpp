// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs/InputHelp.h"

#include "widgets/Bevel.h"
#include "widgets/DialogParts.h"
#include "widgets/Hints.h"
#include "widgets/Shape.h"

#include <QLabel>
#include <QPushButton>

TInputHelpDlg::TInputHelpDlg(QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, "InputHelpDlg", tr("Input help..."), QSize(394, 305));

    auto* frame = new TShape(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(16, 16, 361, 273);
    frame->SetPen(clBlue, 5);
    auto* bevel = new TBevel(this, TBevel::bsLowered);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setGeometry(32, 32, 329, 201);

    MakeLabel(this, "Label1", tr("Horsepower is the rated horsepower of the engine."), 64, 48);
    MakeLabel(this, "Label2", tr("Car weight is the weight of the car with the passengers"),
                       64, 72);
    MakeLabel(this, "Label3",
                       tr("Frontal area primarily depends on the following factors:"), 64, 96);
    MakeLabel(this, "Label4", tr("1. The flat front end of the car, or grill area."), 80, 120);
    MakeLabel(this, "Label6", tr("2. The windshield glass area."), 80, 136);
    MakeLabel(this, "Label5", tr("3. The windshield angle from horizontal."), 80, 152);
    MakeLabel(this, "Label8", tr("The drag coefficient is the aerodynamic drag coefficient"),
                       64, 176);
    MakeLabel(this, "Label9", tr("of the car body.  This is usually available from the car"),
                       64, 192);
    MakeLabel(this, "Label10", tr("manufacturer or brochures."), 64, 208);

    okButton = MakeBitBtn(this, "BitBtn1", TButtonKind::Ok, 159, 248);
    SetHint(okButton, tr("Close this dialog box..."), false);
    connect(okButton, &QPushButton::clicked, this, &TInputHelpDlg::BitBtn1Click);
}

void TInputHelpDlg::BitBtn1Click()
{
    hide();
}
