#include "shell/ConditionsHelp.h"

#include "shell/Bevel.h"
#include "shell/Forms.h"
#include "shell/Hints.h"
#include "shell/Labels.h"
#include "shell/Shape.h"

#include <QLabel>
#include <QPushButton>

TCondHelpDlg* CondHelpDlg = nullptr;

TCondHelpDlg::TCondHelpDlg(QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, "CondHelpDlg", QStringLiteral("Conditions help..."), QSize(362, 338));

    Shape1 = new TShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(16, 16, 329, 305);
    Shape1->SetPen(clBlue, 5);
    Bevel1 = new TBevel(this, TBevel::bsLowered);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(32, 36, 297, 229);

    Label1 = MakeLabel(this, "Label1", QStringLiteral("The spin time is the total wheel spin time in seconds."),
                       44, 48);
    Label4 = MakeLabel(this, "Label4", QStringLiteral("Example:"), 48, 72);
    Label6 = MakeLabel(this, "Label6", QStringLiteral("Spin time = .20 seconds"), 48, 92);
    Label8 = MakeLabel(this, "Label8", QStringLiteral("Spin time can vary between almost zero, for a low"), 48, 120);
    Label9 = MakeLabel(this, "Label9", QStringLiteral("power car, to 1 second or more for a high-power car."),
                       48, 136);
    Label10 = MakeLabel(this, "Label10", QStringLiteral("Traction control can cut spin time to almost zero..."),
                        48, 152);

    StaticText1 = new QLabel(this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setTextFormat(Qt::PlainText);
    StaticText1->setText(QStringLiteral(
        "Quarter mile shifts, are the number of shifts required to complete the 1/4 mile distance, "
        "under full power. Available shifts, are the number of shifts available from the Torvane "
        "transmission. Six gears, would require five shifts."));
    StaticText1->setGeometry(48, 184, 265, 73);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    StaticText1->setWordWrap(true);

    BitBtn1 = MakeBitBtn(this, "BitBtn1", TButtonKind::Ok, 144, 280);
    SetHint(BitBtn1, QStringLiteral("Close this dialog box..."), false);
    connect(BitBtn1, &QPushButton::clicked, this, &TCondHelpDlg::BitBtn1Click);
}

void TCondHelpDlg::BitBtn1Click()
{
    hide();
}
