#include "shell/InputHelp.h"

#include "shell/Bevel.h"
#include "shell/Forms.h"
#include "shell/Hints.h"
#include "shell/Labels.h"
#include "shell/Shape.h"

#include <QLabel>
#include <QPushButton>

TInputHelpDlg* InputHelpDlg = nullptr;

TInputHelpDlg::TInputHelpDlg(QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, "InputHelpDlg", QStringLiteral("Input help..."), QSize(394, 305));

    Shape1 = new TShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(16, 16, 361, 273);
    Shape1->SetPen(clBlue, 5);
    Bevel1 = new TBevel(this, TBevel::bsLowered);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(32, 32, 329, 201);

    Label1 = MakeLabel(this, "Label1", QStringLiteral("Horsepower is the rated horsepower of the engine."), 64, 48);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Car weight is the weight of the car with the passengers"),
                       64, 72);
    Label3 = MakeLabel(this, "Label3",
                       QStringLiteral("Frontal area primarily depends on the following factors:"), 64, 96);
    Label4 = MakeLabel(this, "Label4", QStringLiteral("1. The flat front end of the car, or grill area."), 80, 120);
    Label6 = MakeLabel(this, "Label6", QStringLiteral("2. The windshield glass area."), 80, 136);
    Label5 = MakeLabel(this, "Label5", QStringLiteral("3. The windshield angle from horizontal."), 80, 152);
    Label8 = MakeLabel(this, "Label8", QStringLiteral("The drag coefficient is the aerodynamic drag coefficient"),
                       64, 176);
    Label9 = MakeLabel(this, "Label9", QStringLiteral("of the car body.  This is usually available from the car"),
                       64, 192);
    Label10 = MakeLabel(this, "Label10", QStringLiteral("manufacturer or brochures."), 64, 208);

    BitBtn1 = MakeBitBtn(this, "BitBtn1", TButtonKind::Ok, 159, 248);
    SetHint(BitBtn1, QStringLiteral("Close this dialog box..."), false);
    connect(BitBtn1, &QPushButton::clicked, this, &TInputHelpDlg::BitBtn1Click);
}

void TInputHelpDlg::BitBtn1Click()
{
    hide();
}
