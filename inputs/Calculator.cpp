#include "inputs/Calculator.h"

#include "inputs/Input.h"
#include "inputs/NumberText.h"
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
#include <QStyle>

TCalculatorDlg* CalculatorDlg = nullptr;
std::array<QString, 2> AreaTexts;

namespace {

// Inches to feet: times 1/12 in extended precision, rounded to single.
float feetFromInches(const QString& text)
{
    const float inches = static_cast<float>(DecimalFromText(text));
    return static_cast<float>(static_cast<long double>(inches) * (1.0L / 12.0L));
}

QLineEdit* addEdit(QGroupBox* group, const char* name, const QString& text, int left, int top)
{
    auto* edit = new QLineEdit(text, group);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(left, top, 49, 21);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, clCream);
    edit->setPalette(palette);
    return edit;
}

} // namespace

QString AreaText(const QString& widthInches, const QString& heightInches)
{
    const float area = feetFromInches(widthInches) * feetFromInches(heightInches);
    return FormatFixed(static_cast<double>(area), 6, 2, true);
}

TCalculatorDlg::TCalculatorDlg(QWidget* parent)
    : QDialog(parent)
{
    SetUpDialog(this, "CalculatorDlg", QStringLiteral("Area calculator..."), QSize(330, 290));

    auto* frame = new TShape(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(16, 16, 297, 257);
    frame->SetPen(clBlue, 5);
    frame->SetBrush(palette().color(QPalette::Button));

    QGroupBox* group = MakeGroupBox(this, "GroupBox1", QString(), QRect(40, 32, 249, 193));
    MakeLabel(group, "Label1", QStringLiteral("Grill width in inches:"), 16, 24);
    TGrillWidthInches = addEdit(group, "TGrillWidthInches", QStringLiteral("00.00"), 176, 16);
    MakeLabel(group, "Label2", QStringLiteral("Grill height in inches:"), 16, 48);
    TGrillHeightInches = addEdit(group, "TGrillHeightInches", QStringLiteral("00.00"), 176, 40);
    MakeLabel(group, "Label3", QStringLiteral("Windshield width in inches:"), 16, 72);
    TGlassWidthInches = addEdit(group, "TGlassWidthInches", QStringLiteral("00.00"), 176, 64);
    MakeLabel(group, "Label4", QStringLiteral("Windshield height in inches:"), 16, 96);
    TGlassHeightInches = addEdit(group, "TGlassHeightInches", QStringLiteral("00.00"), 176, 88);
    MakeLabel(group, "Label5", QStringLiteral("Grill area in square feet:"), 16, 144);
    TGrillAreaFeet = addEdit(group, "TGrillAreaFeet", QString(), 176, 136);
    MakeLabel(group, "Label6", QStringLiteral("Windshield area in square feet:"), 16, 168);
    TGlassAreaFeet = addEdit(group, "TGlassAreaFeet", QString(), 176, 160);
    // The group box's caption style must not reach its contents: they keep
    // the window font.
    for (QWidget* child : group->findChildren<QWidget*>())
        child->setFont(WindowFont());
    for (QLineEdit* result : { TGrillAreaFeet, TGlassAreaFeet }) {
        result->setReadOnly(true);
        result->setFocusPolicy(Qt::NoFocus);
    }
    setTabOrder(TGrillWidthInches, TGrillHeightInches);
    setTabOrder(TGrillHeightInches, TGlassWidthInches);
    setTabOrder(TGlassWidthInches, TGlassHeightInches);

    CalculateButton = MakeButton(this, "CalculateButton", QStringLiteral("Calculate"),
                                 QRect(40, 232, 75, 25),
                                 QStringLiteral("Calculate results in square feet..."));
    SaveButton = MakeButton(this, "SaveButton", QStringLiteral("Transfer"), QRect(128, 232, 75, 25),
                            QStringLiteral("Transfer the results to the input dialog, and close "
                                           "this dialog box..."));
    SaveButton->setEnabled(false);
    BitBtn1 = MakeButton(this, "BitBtn1", QStringLiteral("&Close"), QRect(216, 232, 75, 25),
                         QStringLiteral("Close this dialog box..."), false,
                         QStyle::SP_DialogCloseButton);

    connect(CalculateButton, &QPushButton::clicked, this, &TCalculatorDlg::CalculateButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TCalculatorDlg::SaveButtonClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TCalculatorDlg::BitBtn1Click);
}

void TCalculatorDlg::CalculateButtonClick()
{
    AreaTexts[0] = AreaText(TGrillWidthInches->text(), TGrillHeightInches->text());
    AreaTexts[1] = AreaText(TGlassWidthInches->text(), TGlassHeightInches->text());
    TGrillAreaFeet->setText(AreaTexts[0]);
    TGlassAreaFeet->setText(AreaTexts[1]);
    SaveButton->setEnabled(true);
}

// Transfer: the areas, trailing spaces and all, go into the input dialog.
void TCalculatorDlg::SaveButtonClick()
{
    InputDlg->TGrillArea->setText(AreaTexts[0]);
    InputDlg->TWindshieldArea->setText(AreaTexts[1]);
    SaveButton->setEnabled(false);
    TGrillAreaFeet->clear();
    TGlassAreaFeet->clear();
    accept();
}

void TCalculatorDlg::BitBtn1Click()
{
    SaveButton->setEnabled(false);
    TGrillAreaFeet->clear();
    TGlassAreaFeet->clear();
    QDialog::reject();
}

// Esc closes the calculator as its Close button does, so that the next
// opening starts again with Transfer disabled and the results empty.
void TCalculatorDlg::reject()
{
    BitBtn1Click();
}
