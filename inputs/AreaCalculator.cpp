// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs/AreaCalculator.h"

#include "core/AreaSums.h"
#include "inputs/InputDialog.h"
#include "widgets/DialogParts.h"
#include "widgets/Fonts.h"
#include "widgets/Shape.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

namespace {

// An edit beside its label, named after the label's caption.
QLineEdit* addEdit(QGroupBox* group, const char* name, const QString& text, int left, int top,
                   const QLabel* caption)
{
    auto* edit = new QLineEdit(text, group);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(left, top, 49, 21);
    SetBoxColours(edit, clCream);
    NameAfterCaption(edit, caption);
    return edit;
}

} // namespace

TCalculatorDlg::TCalculatorDlg(std::array<QString, 2>& areaTexts, TInputDlg& inputDialog)
    : areaTexts(areaTexts), inputDialog(inputDialog)
{
    SetUpDialog(this, "CalculatorDlg", tr("Area calculator..."), QSize(330, 290));

    auto* frame = new TShape(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(16, 16, 297, 257);
    frame->SetPen(clBlue, 5);
    frame->SetBrush(ClassicPalette().color(QPalette::Button));

    QGroupBox* group = MakeGroupBox(this, "GroupBox1", QString(), QRect(40, 32, 249, 193));
    grillWidthEdit = addEdit(group, "TGrillWidthInches", QStringLiteral("00.00"), 176, 16,
                              MakeLabel(group, "Label1", tr("Grill width in inches:"), 16, 24));
    grillHeightEdit = addEdit(group, "TGrillHeightInches", QStringLiteral("00.00"), 176, 40,
                               MakeLabel(group, "Label2", tr("Grill height in inches:"), 16, 48));
    glassWidthEdit = addEdit(group, "TGlassWidthInches", QStringLiteral("00.00"), 176, 64,
                              MakeLabel(group, "Label3", tr("Windshield width in inches:"), 16, 72));
    glassHeightEdit = addEdit(group, "TGlassHeightInches", QStringLiteral("00.00"), 176, 88,
                               MakeLabel(group, "Label4", tr("Windshield height in inches:"), 16, 96));
    grillAreaEdit = addEdit(group, "TGrillAreaFeet", QString(), 176, 136,
                             MakeLabel(group, "Label5", tr("Grill area in square feet:"), 16, 144));
    glassAreaEdit = addEdit(group, "TGlassAreaFeet", QString(), 176, 160,
                             MakeLabel(group, "Label6", tr("Windshield area in square feet:"), 16, 168));
    // The group box's caption style must not reach its contents: they keep
    // the window font.
    for (QWidget* child : group->findChildren<QWidget*>())
        child->setFont(WindowFont());
    for (QLineEdit* result : { grillAreaEdit, glassAreaEdit }) {
        result->setReadOnly(true);
        result->setFocusPolicy(Qt::NoFocus);
    }
    setTabOrder(grillWidthEdit, grillHeightEdit);
    setTabOrder(grillHeightEdit, glassWidthEdit);
    setTabOrder(glassWidthEdit, glassHeightEdit);

    calculateButton = MakeButton(this, "CalculateButton", tr("Calculate"),
                                 QRect(40, 232, 75, 25),
                                 tr("Calculate results in square feet..."));
    transferButton = MakeButton(this, "SaveButton", tr("Transfer"), QRect(128, 232, 75, 25),
                            tr("Transfer the results to the input dialog, and close "
                                           "this dialog box..."));
    transferButton->setEnabled(false);
    closeButton = MakeButton(this, "BitBtn1", tr("&Close"), QRect(216, 232, 75, 25),
                         tr("Close this dialog box..."), false,
                         QStyle::SP_DialogCloseButton);

    connect(calculateButton, &QPushButton::clicked, this, &TCalculatorDlg::CalculateButtonClick);
    connect(transferButton, &QPushButton::clicked, this, &TCalculatorDlg::SaveButtonClick);
    connect(closeButton, &QPushButton::clicked, this, &TCalculatorDlg::BitBtn1Click);
}

void TCalculatorDlg::CalculateButtonClick()
{
    areaTexts[0] = AreaText(grillWidthEdit->text(), grillHeightEdit->text());
    areaTexts[1] = AreaText(glassWidthEdit->text(), glassHeightEdit->text());
    grillAreaEdit->setText(areaTexts[0]);
    glassAreaEdit->setText(areaTexts[1]);
    transferButton->setEnabled(true);
}

// Transfer: the areas, trailing spaces and all, go into the input dialog.
void TCalculatorDlg::SaveButtonClick()
{
    inputDialog.SetText(InputField::GrillArea, areaTexts[0]);
    inputDialog.SetText(InputField::WindshieldArea, areaTexts[1]);
    transferButton->setEnabled(false);
    grillAreaEdit->clear();
    glassAreaEdit->clear();
    accept();
}

void TCalculatorDlg::BitBtn1Click()
{
    transferButton->setEnabled(false);
    grillAreaEdit->clear();
    glassAreaEdit->clear();
    QDialog::reject();
}

void TCalculatorDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    grillWidthEdit->setFocus(Qt::OtherFocusReason);
    grillWidthEdit->selectAll();
}

// Esc closes the calculator as its Close button does, so that the next
// opening starts again with Transfer disabled and the results empty.
void TCalculatorDlg::reject()
{
    BitBtn1Click();
}
