// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and opening vehicle data files through the program's boxes: what
// changes on success, what stays as it was on every refusal, and the file
// dialogs' settings.
#include "inputs/InputDialog.h"
#include "FileSupport.h"
#include "ProgramFixture.h"
#include "results/PrintDialog.h"
#include "shell/ControlDialog.h"
#include "shell/MainWindow.h"
#include "widgets/ProgressGauge.h"

#include "TestSupport.h"
#include "widgets/InputMessages.h"
#include "shell/DataFile.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <unistd.h>

namespace {

QStringList boxTexts()
{
    QStringList texts;
    for (QLineEdit* box : { Child<QLineEdit>(InputDlg(), "THp"), Child<QLineEdit>(InputDlg(), "TCoeff"), Child<QLineEdit>(InputDlg(), "TWeight"),
                            Child<QLineEdit>(InputDlg(), "TGrillArea"), Child<QLineEdit>(InputDlg(), "TWindshieldArea"),
                            Child<QLineEdit>(InputDlg(), "TWindshieldAngle"), Child<QLineEdit>(InputDlg(), "TAvailableShifts"),
                            Child<QLineEdit>(InputDlg(), "TNumberOfShifts"), Child<QLineEdit>(InputDlg(), "TSpinTime") })
        texts << box->text();
    return texts;
}

bool resultButtonsEnabled()
{
    return Child<QPushButton>(ControlDlg(), "SaveButton")->isEnabled() && Child<QPushButton>(ControlDlg(), "PrintButton")->isEnabled()
           && Child<QPushButton>(ControlDlg(), "ResultsButton")->isEnabled();
}

void enableResultButtons()
{
    for (QPushButton* b : { Child<QPushButton>(ControlDlg(), "SaveButton"), Child<QPushButton>(ControlDlg(), "PrintButton"), Child<QPushButton>(ControlDlg(), "ResultsButton") })
        b->setEnabled(true);
}

// Types `path` into a file dialog's name field and accepts it.
void choose(QWidget* modal, const QString& path)
{
    auto* name = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(path);
    QMetaObject::invokeMethod(modal, "accept");
}

// A home folder of its own with a Documents folder in it, for as long as it
// lives; the program made meanwhile takes it for the user's.
class TemporaryHome
{
public:
    TemporaryHome()
        : oldHome(qgetenv("HOME")), oldConfig(qgetenv("XDG_CONFIG_HOME"))
    {
        documents = QDir(home.path()).filePath(QStringLiteral("Documents"));
        QDir().mkpath(documents);
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    }
    ~TemporaryHome()
    {
        qputenv("HOME", oldHome);
        if (oldConfig.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig);
    }

    QString documents;

private:
    QTemporaryDir home;
    QByteArray oldHome;
    QByteArray oldConfig;
};

const QStringList defaults = { "345.00", "0.29", "3400.00", "5.20", "13.61", "22.00", "5", "2", "0.75" };

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveWritesTheBoxesInFileOrder();
    void saveRefusesWhatWouldNotReadBack();
    void saveReportsAFileThatCannotBeWritten();
    void openLoadsTheWordsAndSetsTheSavePoint();
    void saveBackKeepsTheLinesAfterTheNine();
    void openRefusesWithoutTheExtension();
    void openRefusesBadFilesAndChangesNothing_data();
    void openRefusesBadFilesAndChangesNothing();
    void throughTheFileDialogs();
    void dialogsStartInTheDocumentsFolder();
    void saveNeverProposesAReadOnlyFolder();
    void samplesOpenAndRun();

private:
    QTemporaryDir dir;
};

void TestDataFile::init()
{
    QVERIFY(dir.isValid());
    StartProgram();
}

void TestDataFile::cleanup()
{
    EndProgram();
    QCOMPARE(OpenWindows(), QStringList());
}

void TestDataFile::saveWritesTheBoxesInFileOrder()
{
    enableResultButtons();
    const QString path = dir.filePath("car.trv");
    TModalAnswerer answerer;
    QVERIFY(SaveDataFileAt(*TheProgram(), path));
    QCOMPARE(answerer.seen.size(), 0);
    QCOMPARE(readAll(path),
             QByteArray("345.00\r\n0.29\r\n3400.00\r\n5.20\r\n13.61\r\n22.00\r\n5\r\n2\r\n0.75\r\n"));
    // Saving changes nothing else.
    QVERIFY(resultButtonsEnabled());
    QCOMPARE(State().previousInputs[InputField::Horsepower], QString());
    QCOMPARE(State().dataFileName, path);
}

void TestDataFile::saveRefusesWhatWouldNotReadBack()
{
    const QString path = dir.filePath("car.trv");
    writeAll(path, "a good old file");
    Child<QLineEdit>(InputDlg(), "TWeight")->setText("3 400");
    TModalAnswerer answerer;
    QVERIFY(!SaveDataFileAt(*TheProgram(), path));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].objectName, QStringLiteral("AlertDlg"));
    QVERIFY(answerer.seen[0].text.startsWith("The car weight box holds a space"));
    QCOMPARE(readAll(path), QByteArray("a good old file"));
}

void TestDataFile::saveReportsAFileThatCannotBeWritten()
{
    const QString path = dir.filePath("missing/folder/car.trv");
    TModalAnswerer answerer;
    QVERIFY(!SaveDataFileAt(*TheProgram(), path));
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY(answerer.seen[0].text.startsWith("Could not save " + path));
    QCOMPARE(State().dataFileName, QString());
}

void TestDataFile::openLoadsTheWordsAndSetsTheSavePoint()
{
    const QString path = dir.filePath("fast.trv");
    writeAll(path, "1500 0.2\n\n4500 20 2 45\n5 4 3");
    enableResultButtons();
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->setText("My car");
    Child<TCGauge>(InputDlg(), "CGauge1")->SetProgress(4);
    TModalAnswerer answerer;
    QVERIFY(OpenDataFileAt(*TheProgram(), path));
    QCOMPARE(answerer.seen.size(), 0);
    QCOMPARE(boxTexts(), (QStringList{ "1500", "0.2", "4500", "20", "2", "45", "5", "4", "3" }));
    QCOMPARE(State().previousInputs[InputField::Horsepower], QStringLiteral("1500"));
    QCOMPARE(State().previousInputs[InputField::QuarterMileShifts], QStringLiteral("4"));
    QCOMPARE(State().previousPrintTitle, QStringLiteral("My car"));
    QVERIFY(!Child<QPushButton>(ControlDlg(), "SaveButton")->isEnabled());
    QVERIFY(!Child<QPushButton>(ControlDlg(), "PrintButton")->isEnabled());
    QVERIFY(!Child<QPushButton>(ControlDlg(), "ResultsButton")->isEnabled());
    QCOMPARE(State().dataFileName, path);
    QVERIFY(!InputDlg()->isVisible());
}

// A newer program's road keys and the garage's car identity follow the
// nine values: saved back to the same file they stay as read, where they
// were lost before; a file saved elsewhere gets the nine alone.
void TestDataFile::saveBackKeepsTheLinesAfterTheNine()
{
    const QString path = dir.filePath("garage car.trv");
    const QByteArray nine("345\r\n0.29\r\n3400\r\n5.2\r\n13.61\r\n22\r\n5\r\n2\r\n0.75\r\n");
    const QByteArray lines("tires=summer\r\ncar=1b4e28ba-2fa1-41d2-883f-0016d3cca427\r\n");
    writeAll(path, nine + lines);
    TModalAnswerer answerer;
    QVERIFY(OpenDataFileAt(*TheProgram(), path));
    QVERIFY(SaveDataFileAt(*TheProgram(), path));
    QCOMPARE(readAll(path), nine + lines);
    // The garage rewrites the lines while the file is open here: a save
    // keeps them as the file holds them now, not as they were read.
    const QByteArray rewritten("tires=track\r\ncar=1b4e28ba-2fa1-41d2-883f-0016d3cca427\r\nsurface=prepped\r\n");
    writeAll(path, nine + rewritten);
    QVERIFY(SaveDataFileAt(*TheProgram(), path));
    QCOMPARE(readAll(path), nine + rewritten);
    // A file gone since keeps the lines last read or written.
    QVERIFY(QFile::remove(path));
    QVERIFY(SaveDataFileAt(*TheProgram(), path));
    QCOMPARE(readAll(path), nine + rewritten);
    const QString other = dir.filePath("other car.trv");
    QVERIFY(SaveDataFileAt(*TheProgram(), other));
    QCOMPARE(readAll(other), nine);
    QCOMPARE(answerer.seen.size(), 0);
}

void TestDataFile::openRefusesWithoutTheExtension()
{
    const QString path = dir.filePath("car.TRV");
    writeAll(path, "1500 0.2 4500 20 2 45 5 4 3");
    enableResultButtons();
    Child<TCGauge>(InputDlg(), "CGauge1")->SetProgress(4);
    TModalAnswerer answerer;
    QVERIFY(!OpenDataFileAt(*TheProgram(), path));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, QStringLiteral("Can't open a file without an .trv extension..."));
    QCOMPARE(Child<TCGauge>(InputDlg(), "CGauge1")->Progress(), 0);
    QCOMPARE(boxTexts(), defaults);
    QVERIFY(resultButtonsEnabled());
    QCOMPARE(State().dataFileName, QString());
}

void TestDataFile::openRefusesBadFilesAndChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("eight values") << QByteArray("1500 0.2 4500 20 2 45 5 4")
                                  << "holds 8 of the nine values";
    QTest::newRow("overlong value") << QByteArray(100, '7') << "longer than 64 bytes";
    QTest::newRow("empty") << QByteArray() << "holds 0 of the nine values";
}

void TestDataFile::openRefusesBadFilesAndChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = dir.filePath("bad.trv");
    writeAll(path, bytes);
    enableResultButtons();
    State().previousInputs[InputField::Horsepower] = "earlier";
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->setText("My car");
    TModalAnswerer answerer;
    QVERIFY(!OpenDataFileAt(*TheProgram(), path));
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY2(answerer.seen[0].text.contains(message), qPrintable(answerer.seen[0].text));
    QCOMPARE(boxTexts(), defaults);
    QCOMPARE(State().previousInputs[InputField::Horsepower], QStringLiteral("earlier"));
    QCOMPARE(State().previousPrintTitle, QString());
    QVERIFY(resultButtonsEnabled());
    QCOMPARE(State().dataFileName, QString());

    QVERIFY(!OpenDataFileAt(*TheProgram(), dir.filePath("absent.trv")));
    QVERIFY(answerer.seen.last().text.startsWith("Could not open "));
}

// The real dialogs, answered by typing a path into their name field.
void TestDataFile::throughTheFileDialogs()
{
    // Until a file is opened or saved, the save dialog proposes no name, not
    // even one typed into it before it was cancelled.
    QStringList proposedNames;
    {
        TModalAnswerer typing([&](QWidget* modal) {
            auto* name = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            proposedNames << name->text();
            name->setText("never-saved");
            QMetaObject::invokeMethod(modal, "reject");
        });
        SaveDataFile(*TheProgram());
        SaveDataFile(*TheProgram());
    }
    QCOMPARE(proposedNames, (QStringList{ "", "" }));

    const QString path = dir.filePath("typed");
    Child<QLineEdit>(InputDlg(), "THp")->setText("400");
    {
    TModalAnswerer saving([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Save Torvane data..."));
        QCOMPARE(dialog->nameFilters(), QStringList{ "Torvane files (*.trv)" });
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("trv"));
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        choose(modal, path);
    });
    SaveDataFile(*TheProgram());
    QCOMPARE(saving.seen.size(), 1);
    // A name typed without extension is saved with ".trv".
    QVERIFY(readAll(path + ".trv").startsWith("400\r\n"));
    }

    Child<QLineEdit>(InputDlg(), "THp")->setText("500");
    {
    TModalAnswerer opening([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Open Torvane data..."));
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        choose(modal, path + ".trv");
    });
    OpenDataFile(*TheProgram());
    QCOMPARE(Child<QLineEdit>(InputDlg(), "THp")->text(), QStringLiteral("400"));
    QCOMPARE(State().dataFileName, path + ".trv");
    }

    // The save dialog proposes the file just opened; cancelling changes nothing.
    QString proposed;
    TModalAnswerer cancelling([&](QWidget* modal) {
        proposed = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        QMetaObject::invokeMethod(modal, "reject");
    });
    Child<QLineEdit>(InputDlg(), "THp")->setText("600");
    SaveDataFile(*TheProgram());
    QCOMPARE(proposed, QStringLiteral("typed.trv"));
    QVERIFY(readAll(path + ".trv").startsWith("400\r\n"));
}

// Both file dialogs start in the user's Documents folder, wherever Qt's own
// dialog was last used.
void TestDataFile::dialogsStartInTheDocumentsFolder()
{
    TemporaryHome home;
    EndProgram();
    StartProgram();
    QCOMPARE(MainForm()->OpenDialog()->directory().absolutePath(), home.documents);
    QCOMPARE(MainForm()->SaveDialog()->directory().absolutePath(), home.documents);
}

// A file opened from a folder that cannot be written to (the installed
// sample cars) is proposed for saving under its own name in the Documents
// folder, not where it came from.
void TestDataFile::saveNeverProposesAReadOnlyFolder()
{
    TemporaryHome home;
    EndProgram();
    StartProgram();
    const QString folder = dir.filePath("samples");
    QVERIFY(QDir().mkpath(folder));
    const QByteArray mountPoint = QFile::encodeName(folder);
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("mounting a read-only folder is not allowed here (needs root)");
    const auto unmount = qScopeGuard([&] { ::umount(mountPoint.constData()); });
    writeAll(folder + "/sports-car.trv", "345.00\r\n0.29\r\n3400.00\r\n5.20\r\n13.61\r\n22.00\r\n5\r\n2\r\n0.75\r\n");
    QCOMPARE(::mount("tmpfs", mountPoint.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    QVERIFY(OpenDataFileAt(*TheProgram(), folder + "/sports-car.trv"));

    QString proposedFolder;
    QString proposedName;
    TModalAnswerer cancelling([&](QWidget* modal) {
        proposedFolder = qobject_cast<QFileDialog*>(modal)->directory().absolutePath();
        proposedName = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        QMetaObject::invokeMethod(modal, "reject");
    });
    SaveDataFile(*TheProgram());
    QCOMPARE(proposedFolder, home.documents);
    QCOMPARE(proposedName, QStringLiteral("sports-car.trv"));
}

// The sample files beside the program open and describe cars that run.
void TestDataFile::samplesOpenAndRun()
{
    const QDir examples(QStringLiteral(TORVANE_EXAMPLES_DIR));
    const QStringList samples = examples.entryList({ "*.trv" }, QDir::Files);
    QVERIFY(samples.size() >= 3);
    for (const QString& name : samples) {
        TModalAnswerer answerer;
        QVERIFY2(OpenDataFileAt(*TheProgram(), examples.filePath(name)), qPrintable(name));
        const ReadInputsResult inputs = ReadInputs(*TheProgram());
        QVERIFY2(!inputs.inputError, qPrintable(name));
        QCOMPARE(answerer.seen.size(), 0);
    }
}

QTEST_MAIN(TestDataFile)
#include "tst_datafile.moc"
