// Saving and opening vehicle data files through the program's boxes: what
// changes on success, what stays as it was on every refusal, and the file
// dialogs' settings.
#include "inputs/Input.h"
#include "inputs/Othersubs.h"
#include "results/PrintTitle.h"
#include "shell/Control.h"
#include "shell/Main.h"
#include "widgets/Cgauges.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList boxTexts()
{
    QStringList texts;
    for (QLineEdit* box : { InputDlg->THp, InputDlg->TCoeff, InputDlg->TWeight,
                            InputDlg->TGrillArea, InputDlg->TWindshieldArea,
                            InputDlg->TWindshieldAngle, InputDlg->TAvailableShifts,
                            InputDlg->TNumberOfShifts, InputDlg->TSpinTime })
        texts << box->text();
    return texts;
}

bool resultButtonsEnabled()
{
    return ControlDlg->SaveButton->isEnabled() && ControlDlg->PrintButton->isEnabled()
           && ControlDlg->ResultsButton->isEnabled();
}

void enableResultButtons()
{
    for (QPushButton* b : { ControlDlg->SaveButton, ControlDlg->PrintButton, ControlDlg->ResultsButton })
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
    void openRefusesWithoutTheExtension();
    void openRefusesBadFilesAndChangesNothing_data();
    void openRefusesBadFilesAndChangesNothing();
    void throughTheFileDialogs();
    void samplesOpenAndRun();

private:
    QTemporaryDir dir;
};

void TestDataFile::init()
{
    QVERIFY(dir.isValid());
    CreateWindows();
    PreviousInputs.fill(QString());
    PreviousPrintTitle.clear();
    DataFileName.clear();
}

void TestDataFile::cleanup()
{
    DestroyWindows();
    QCOMPARE(OpenWindows(), QStringList());
}

void TestDataFile::saveWritesTheBoxesInFileOrder()
{
    enableResultButtons();
    const QString path = dir.filePath("car.trv");
    TModalAnswerer answerer;
    QVERIFY(SaveDataFileAt(path));
    QCOMPARE(answerer.seen.size(), 0);
    QCOMPARE(readAll(path),
             QByteArray("345.00\r\n0.29\r\n3400.00\r\n5.20\r\n13.61\r\n22.00\r\n5\r\n2\r\n0.75\r\n"));
    // Saving changes nothing else.
    QVERIFY(resultButtonsEnabled());
    QCOMPARE(PreviousInputs[piHorsepower], QString());
    QCOMPARE(DataFileName, path);
}

void TestDataFile::saveRefusesWhatWouldNotReadBack()
{
    const QString path = dir.filePath("car.trv");
    writeAll(path, "a good old file");
    InputDlg->TWeight->setText("3 400");
    TModalAnswerer answerer;
    QVERIFY(!SaveDataFileAt(path));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].objectName, QStringLiteral("AlertDlg"));
    QVERIFY(answerer.seen[0].text.startsWith("The car weight box holds a space"));
    QCOMPARE(readAll(path), QByteArray("a good old file"));
}

void TestDataFile::saveReportsAFileThatCannotBeWritten()
{
    const QString path = dir.filePath("missing/folder/car.trv");
    TModalAnswerer answerer;
    QVERIFY(!SaveDataFileAt(path));
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY(answerer.seen[0].text.startsWith("Could not save " + path));
    QCOMPARE(DataFileName, QString());
}

void TestDataFile::openLoadsTheWordsAndSetsTheSavePoint()
{
    const QString path = dir.filePath("fast.trv");
    writeAll(path, "1500 0.2\n\n4500 20 2 45\n5 4 3");
    enableResultButtons();
    PrintTitleDlg->PrintTitle->setText("My car");
    InputDlg->CGauge1->SetProgress(4);
    TModalAnswerer answerer;
    QVERIFY(OpenDataFileAt(path));
    QCOMPARE(answerer.seen.size(), 0);
    QCOMPARE(boxTexts(), (QStringList{ "1500", "0.2", "4500", "20", "2", "45", "5", "4", "3" }));
    QCOMPARE(PreviousInputs[piHorsepower], QStringLiteral("1500"));
    QCOMPARE(PreviousInputs[piQuarterMileShifts], QStringLiteral("4"));
    QCOMPARE(PreviousPrintTitle, QStringLiteral("My car"));
    QVERIFY(!ControlDlg->SaveButton->isEnabled());
    QVERIFY(!ControlDlg->PrintButton->isEnabled());
    QVERIFY(!ControlDlg->ResultsButton->isEnabled());
    QCOMPARE(DataFileName, path);
    QVERIFY(!InputDlg->isVisible());
}

void TestDataFile::openRefusesWithoutTheExtension()
{
    const QString path = dir.filePath("car.TRV");
    writeAll(path, "1500 0.2 4500 20 2 45 5 4 3");
    enableResultButtons();
    InputDlg->CGauge1->SetProgress(4);
    TModalAnswerer answerer;
    QVERIFY(!OpenDataFileAt(path));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, QStringLiteral("Can't open a file without an .trv extension..."));
    QCOMPARE(InputDlg->CGauge1->Progress(), 0);
    QCOMPARE(boxTexts(), defaults);
    QVERIFY(resultButtonsEnabled());
    QCOMPARE(DataFileName, QString());
}

void TestDataFile::openRefusesBadFilesAndChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("eight values") << QByteArray("1500 0.2 4500 20 2 45 5 4")
                                  << "holds 8 of the nine values";
    QTest::newRow("overlong value") << QByteArray(100, '7') << "longer than 64 characters";
    QTest::newRow("empty") << QByteArray() << "holds 0 of the nine values";
}

void TestDataFile::openRefusesBadFilesAndChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = dir.filePath("bad.trv");
    writeAll(path, bytes);
    enableResultButtons();
    PreviousInputs[piHorsepower] = "earlier";
    PrintTitleDlg->PrintTitle->setText("My car");
    TModalAnswerer answerer;
    QVERIFY(!OpenDataFileAt(path));
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY2(answerer.seen[0].text.contains(message), qPrintable(answerer.seen[0].text));
    QCOMPARE(boxTexts(), defaults);
    QCOMPARE(PreviousInputs[piHorsepower], QStringLiteral("earlier"));
    QCOMPARE(PreviousPrintTitle, QString());
    QVERIFY(resultButtonsEnabled());
    QCOMPARE(DataFileName, QString());

    QVERIFY(!OpenDataFileAt(dir.filePath("absent.trv")));
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
        SaveDataFile();
        SaveDataFile();
    }
    QCOMPARE(proposedNames, (QStringList{ "", "" }));

    const QString path = dir.filePath("typed");
    InputDlg->THp->setText("400");
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
    SaveDataFile();
    QCOMPARE(saving.seen.size(), 1);
    // A name typed without extension is saved with ".trv".
    QVERIFY(readAll(path + ".trv").startsWith("400\r\n"));
    }

    InputDlg->THp->setText("500");
    {
    TModalAnswerer opening([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Open Torvane data..."));
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        choose(modal, path + ".trv");
    });
    OpenDataFile();
    QCOMPARE(InputDlg->THp->text(), QStringLiteral("400"));
    QCOMPARE(DataFileName, path + ".trv");
    }

    // The save dialog proposes the file just opened; cancelling changes nothing.
    QString proposed;
    TModalAnswerer cancelling([&](QWidget* modal) {
        proposed = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        QMetaObject::invokeMethod(modal, "reject");
    });
    InputDlg->THp->setText("600");
    SaveDataFile();
    QCOMPARE(proposed, QStringLiteral("typed.trv"));
    QVERIFY(readAll(path + ".trv").startsWith("400\r\n"));
}

// The sample files beside the program open and describe cars that run.
void TestDataFile::samplesOpenAndRun()
{
    const QDir examples(QStringLiteral(TORVANE_EXAMPLES_DIR));
    const QStringList samples = examples.entryList({ "*.trv" }, QDir::Files);
    QVERIFY(samples.size() >= 3);
    for (const QString& name : samples) {
        TModalAnswerer answerer;
        QVERIFY2(OpenDataFileAt(examples.filePath(name)), qPrintable(name));
        const CarInputs inputs = ReadInputs();
        QVERIFY2(!inputs.inputError, qPrintable(name));
        QCOMPARE(answerer.seen.size(), 0);
    }
}

TORVANE_TEST_MAIN(TestDataFile)
#include "tst_datafile.moc"
