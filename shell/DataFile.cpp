#include "shell/DataFile.h"

#include "core/VehicleFile.h"
#include "inputs/InputDialog.h"
#include "results/PrintDialog.h"
#include "shell/MainWindow.h"
#include "shell/Program.h"
#include "widgets/InputMessages.h"
#include "widgets/ModalShowing.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeView>

namespace {

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

QString chosenPath(QFileDialog* dialog, QWidget* mainWindow)
{
    if (ShowCentredModal(dialog, mainWindow) != QDialog::Accepted)
        return QString();
    return dialog->selectedFiles().value(0);
}

} // namespace

bool SaveDataFileAt(TorvaneProgram& program, const QString& path)
{
    const QString error = VehicleFile::Save(path, VehicleFile::TextsInFileOrder(program.InputDlg()->Texts()));
    if (!error.isEmpty()) {
        program.ShowAlert(error);
        return false;
    }
    program.State().dataFileName = path;
    return true;
}

bool OpenDataFileAt(TorvaneProgram& program, const QString& path)
{
    if (!VehicleFile::HasTrvExtension(path)) {
        ShowExtensionMessage(program);
        return false;
    }
    const VehicleFile::Words loaded = VehicleFile::Load(path);
    if (!loaded.error.isEmpty()) {
        program.ShowAlert(loaded.error);
        return false;
    }
    program.State().dataFileName = path;
    program.InputDlg()->SetTexts(VehicleFile::CarFromFileOrder(loaded.words));
    program.InputDlg()->SavePreviousInputs();
    program.PrintTitleDlg()->SavePrintTitle();
    program.DisableResultButtons();
    return true;
}

void SaveDataFile(TorvaneProgram& program)
{
    QFileDialog* dialog = program.MainForm()->SaveDialog();
    prepareFileDialog(dialog, QStringLiteral("Save Torvane data..."));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("trv"));
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    // The last file opened or saved, or nothing: not a name typed into a
    // save dialog that was then cancelled.
    const QString& lastFile = program.State().dataFileName;
    if (lastFile.isEmpty()) {
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->clear();
    } else {
        dialog->selectFile(lastFile);
    }
    const QString path = chosenPath(dialog, program.MainWindow());
    if (!path.isEmpty())
        SaveDataFileAt(program, path);
}

void OpenDataFile(TorvaneProgram& program)
{
    QFileDialog* dialog = program.MainForm()->OpenDialog();
    prepareFileDialog(dialog, QStringLiteral("Open Torvane data..."));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->selectFile(QStringLiteral("*.trv"));
    const QString path = chosenPath(dialog, program.MainWindow());
    if (!path.isEmpty())
        OpenDataFileAt(program, path);
}
