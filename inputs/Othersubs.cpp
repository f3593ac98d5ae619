#include "inputs/Othersubs.h"

#include "inputs/Input.h"
#include "inputs/Messagesx.h"
#include "inputs/NumberText.h"
#include "inputs/VehicleFile.h"
#include "results/Output.h"
#include "results/PrintTitle.h"
#include "shell/Alert.h"
#include "shell/Control.h"
#include "shell/Forms.h"
#include "shell/Main.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

std::array<QString, previousInputCount> PreviousInputs;
QString PreviousPrintTitle;

namespace {

struct TInputSlot
{
    QLineEdit* TInputDlg::*memo;
    TPreviousInput slot;
};

// Each box and its slot, in the order the texts are copied.
const TInputSlot inputSlots[] = {
    {&TInputDlg::THp, piHorsepower},
    {&TInputDlg::TCoeff, piDragCoefficient},
    {&TInputDlg::TWeight, piCarWeight},
    {&TInputDlg::TGrillArea, piGrillArea},
    {&TInputDlg::TWindshieldArea, piWindshieldArea},
    {&TInputDlg::TWindshieldAngle, piWindshieldAngle},
    {&TInputDlg::TAvailableShifts, piAvailableShifts},
    {&TInputDlg::TSpinTime, piSpinTime},
    {&TInputDlg::TNumberOfShifts, piQuarterMileShifts},
};

} // namespace

void DisableResultButtons()
{
    ControlDlg->SaveButton->setEnabled(false);
    ControlDlg->PrintButton->setEnabled(false);
    ControlDlg->ResultsButton->setEnabled(false);
}

void SavePreviousInputs()
{
    for (const TInputSlot& entry : inputSlots)
        PreviousInputs[entry.slot] = (InputDlg->*entry.memo)->text();
}

void RestorePreviousInputs()
{
    for (const TInputSlot& entry : inputSlots)
        (InputDlg->*entry.memo)->setText(PreviousInputs[entry.slot]);
}

void SavePrintTitle()
{
    PreviousPrintTitle = PrintTitleDlg->PrintTitle->text();
}

void RestorePrintTitle()
{
    PrintTitleDlg->PrintTitle->setText(PreviousPrintTitle);
}

double FrontalArea(double grillArea, double windshieldArea, double windshieldAngle)
{
    return grillArea + windshieldArea * std::sin(windshieldAngle * RadiansPerDegree);
}

CarInputs ReadInputs()
{
    const double horsepower = DecimalFromText(InputDlg->THp->text());
    const double dragCoefficient = DecimalFromText(InputDlg->TCoeff->text());
    const double carWeight = DecimalFromText(InputDlg->TWeight->text());
    const double grillArea = DecimalFromText(InputDlg->TGrillArea->text());
    const double windshieldArea = DecimalFromText(InputDlg->TWindshieldArea->text());
    const double windshieldAngle = DecimalFromText(InputDlg->TWindshieldAngle->text());
    const double spinTime = DecimalFromText(InputDlg->TSpinTime->text());
    const int quarterMileShifts = IntegerFromText(InputDlg->TNumberOfShifts->text());
    const int availableShifts = IntegerFromText(InputDlg->TAvailableShifts->text());

    CarInputs inputs;
    inputs.horsepower = horsepower;
    inputs.dragCoefficient = dragCoefficient;
    inputs.carWeight = carWeight;
    inputs.spinTime = spinTime;
    inputs.quarterMileShifts = quarterMileShifts;
    inputs.availableShifts = availableShifts;
    inputs.inputError = CheckInputRanges(horsepower, quarterMileShifts, availableShifts, carWeight,
                                         grillArea, spinTime, dragCoefficient, windshieldArea,
                                         windshieldAngle);
    inputs.frontalArea = FrontalArea(grillArea, windshieldArea, windshieldAngle);
    return inputs;
}

std::unique_ptr<SimulationRecord> NewRecordFor(const CarInputs& inputs)
{
    const double quarterMileShiftTime = inputs.quarterMileShifts * 0.5;
    auto record = std::make_unique<SimulationRecord>(0.001, 60, 0.5, 0.002);
    record->SetInputs(inputs.horsepower, inputs.dragCoefficient, inputs.carWeight,
                      inputs.frontalArea, 0.002, inputs.spinTime, quarterMileShiftTime,
                      inputs.availableShifts, 63);
    return record;
}

void FillResultsDialog(const SimulationResults& results)
{
    const auto [topSpeedTime, topSpeed, topSpeedDistance, topSpeedWindForce, zeroToSixtyTime,
                zeroToHundredTime, zeroToEightyTime, sixtyToEightyTime, quarterMileTime,
                quarterMileSpeed, quarterMileDistance, quarterMileWindForce] = results;

    TOutputDlg* dialog = OutputDlg;
    dialog->TTime->setText(FormatFixed(quarterMileTime, 6, 2));
    dialog->TSpeed->setText(FormatFixed(quarterMileSpeed, 6, 2));
    dialog->TPounds->setText(FormatFixed(quarterMileWindForce, 6, 2));
    dialog->TopSpeed->setText(FormatFixed(topSpeed, 6, 2));
    dialog->TopForce->setText(FormatFixed(topSpeedWindForce, 6, 2));

    dialog->TDistance->setText(FormatPicture(quarterMileDistance));
    dialog->TSixtyTime->setText(FormatPicture(zeroToSixtyTime));
    dialog->TEightyTime->setText(FormatPicture(zeroToEightyTime));
    dialog->THundredTime->setText(FormatPicture(zeroToHundredTime));
    dialog->SixtyToEighty->setText(FormatPicture(sixtyToEightyTime));
    dialog->TopTime->setText(FormatPicture(topSpeedTime));
    dialog->TopDistance->setText(FormatPicture(topSpeedDistance));

    // A mark time of 0 is a speed the car never reached. The colour is set
    // either way, so a box yellow after one run is cream after the next.
    const QString forgetIt = QStringLiteral("Forget it! ");
    auto markBoxes = [&](double markTime, std::initializer_list<QLineEdit*> boxes) {
        for (QLineEdit* box : boxes) {
            if (markTime == 0)
                box->setText(forgetIt);
            SetBoxColour(box, markTime == 0 ? TOutputDlg::Yellow : TOutputDlg::Cream);
        }
    };
    markBoxes(zeroToSixtyTime, { dialog->TSixtyTime });
    // The 60-80 box follows the 0-80 time.
    markBoxes(zeroToEightyTime, { dialog->TEightyTime, dialog->SixtyToEighty });
    markBoxes(zeroToHundredTime, { dialog->THundredTime });
}

QString DataFileName;

namespace {

// The nine boxes in the order of the file's lines.
std::array<QLineEdit*, VehicleFile::ValueCount> fileBoxes()
{
    return { InputDlg->THp,           InputDlg->TCoeff,          InputDlg->TWeight,
             InputDlg->TGrillArea,    InputDlg->TWindshieldArea, InputDlg->TWindshieldAngle,
             InputDlg->TAvailableShifts, InputDlg->TNumberOfShifts, InputDlg->TSpinTime };
}

// Settings both file dialogs share: Qt's own dialog, whose shortcut column
// is hidden, and the one filter.
void prepareFileDialog(QFileDialog* dialog, const QString& title)
{
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setWindowTitle(title);
    dialog->setNameFilter(QStringLiteral("Torvane files (*.trv)"));
    dialog->selectNameFilter(QStringLiteral("Torvane files (*.trv)"));
    if (auto* sidebar = dialog->findChild<QWidget*>(QStringLiteral("sidebar")))
        sidebar->hide();
    // The detail view gives the date column the room it needs and the name
    // column the rest.
    if (auto* details = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        details->header()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    }
}

QString chosenPath(QFileDialog* dialog)
{
    CentreOnMainForm(dialog);
    if (ShowModal(dialog) != QDialog::Accepted)
        return QString();
    return dialog->selectedFiles().value(0);
}

} // namespace

bool SaveDataFileAt(const QString& path)
{
    QStringList texts;
    for (QLineEdit* box : fileBoxes())
        texts.append(box->text());
    const QString error = VehicleFile::Save(path, texts);
    if (!error.isEmpty()) {
        ShowAlert(error);
        return false;
    }
    DataFileName = path;
    return true;
}

bool OpenDataFileAt(const QString& path)
{
    if (!VehicleFile::HasTrvExtension(path)) {
        ShowExtensionMessage();
        return false;
    }
    const VehicleFile::Words loaded = VehicleFile::Load(path);
    if (!loaded.error.isEmpty()) {
        ShowAlert(loaded.error);
        return false;
    }
    DataFileName = path;
    const auto boxes = fileBoxes();
    for (int i = 0; i < VehicleFile::ValueCount; ++i)
        boxes[i]->setText(loaded.words[i]);
    SavePreviousInputs();
    SavePrintTitle();
    DisableResultButtons();
    return true;
}

void SaveDataFile()
{
    QFileDialog* dialog = MainForm->SaveDialog1;
    prepareFileDialog(dialog, QStringLiteral("Save Torvane data..."));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("trv"));
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    // The last file opened or saved, or nothing: not a name typed into a
    // save dialog that was then cancelled.
    if (DataFileName.isEmpty()) {
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->clear();
    } else {
        dialog->selectFile(DataFileName);
    }
    const QString path = chosenPath(dialog);
    if (!path.isEmpty())
        SaveDataFileAt(path);
}

void OpenDataFile()
{
    QFileDialog* dialog = MainForm->OpenDialog1;
    prepareFileDialog(dialog, QStringLiteral("Open Torvane data..."));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->selectFile(QStringLiteral("*.trv"));
    const QString path = chosenPath(dialog);
    if (!path.isEmpty())
        OpenDataFileAt(path);
}
