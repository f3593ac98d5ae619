// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DataFile.h"

#include "core/VehicleFile.h"
#include "inputs/InputDialog.h"
#include "results/PrintDialog.h"
#include "shell/MainWindow.h"
#include "shell/Program.h"
#include "widgets/InputMessages.h"
#include "widgets/ModalShowing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTreeView>

namespace {

// The translations of the file dialogs' texts.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DataFile)
};

bool isWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

// Settings both file dialogs share: Qt's own dialog, whose shortcut column
// is hidden, and the one filter.
void prepareFileDialog(QFileDialog* dialog, const QString& title)
{
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setWindowTitle(title);
    const QString filter = Text::tr("Torvane files (*.trv)");
    dialog->setNameFilter(filter);
    dialog->selectNameFilter(filter);
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

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

bool SaveDataFileAt(TorvaneProgram& program, const QString& path)
{
    // A file saved back to where it was opened from keeps the lines a newer
    // program wrote after the nine values, as the file holds them now: the
    // garage may have rewritten them since (its road keys, its tie to the
    // car's runs). Any other file gets the nine.
    ProgramState& state = program.State();
    const bool samePlace = !state.dataFileLinesPath.isEmpty()
                           && QFileInfo(path).absoluteFilePath() == QFileInfo(state.dataFileLinesPath).absoluteFilePath();
    QString lines;
    if (samePlace) {
        const VehicleFile::Words current = VehicleFile::Load(path);
        lines = current.error.isEmpty() ? current.tail : state.dataFileLines;
    }
    const QString error = VehicleFile::Save(path, VehicleFile::TextsInFileOrder(program.InputDlg()->Texts()), lines);
    if (!error.isEmpty()) {
        program.ShowAlert(error);
        return false;
    }
    state.dataFileName = path;
    if (samePlace)
        state.dataFileLines = lines;
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
    program.State().dataFileLines = loaded.tail;
    program.State().dataFileLinesPath = path;
    program.InputDlg()->SetTexts(VehicleFile::CarFromFileOrder(loaded.words));
    program.InputDlg()->SavePreviousInputs();
    program.PrintTitleDlg()->SavePrintTitle();
    program.DisableResultButtons();
    return true;
}

void SaveDataFile(TorvaneProgram& program)
{
    QFileDialog* dialog = program.MainForm()->SaveDialog();
    prepareFileDialog(dialog, Text::tr("Save Torvane data..."));
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
    } else if (isWritableFolder(QFileInfo(lastFile).absolutePath())) {
        dialog->selectFile(lastFile);
    } else {
        // A file opened from a folder that cannot take it (the installed
        // sample cars) is proposed under its name in the Documents folder.
        dialog->setDirectory(DocumentsFolder());
        dialog->selectFile(QFileInfo(lastFile).fileName());
    }
    if (!isWritableFolder(dialog->directory().absolutePath()))
        dialog->setDirectory(DocumentsFolder());
    const QString path = chosenPath(dialog, program.MainWindow());
    if (!path.isEmpty())
        SaveDataFileAt(program, path);
}

void OpenDataFile(TorvaneProgram& program)
{
    QFileDialog* dialog = program.MainForm()->OpenDialog();
    prepareFileDialog(dialog, Text::tr("Open Torvane data..."));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->selectFile(QStringLiteral("*.trv"));
    const QString path = chosenPath(dialog, program.MainWindow());
    if (!path.isEmpty())
        OpenDataFileAt(program, path);
}
