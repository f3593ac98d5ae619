// SPDX-License-Identifier: GPL-3.0-or-later
// The garage where things go wrong: exports on a full disk or onto what is
// not a file, a car's file changed by another program, outcomes that follow
// each other, outside text that looks like markup, several files refused at
// once, a settings file that is not a file, and air edited into it.
#include "FileSupport.h"

#include "core/FileNames.h"
#include "core/InputChecks.h"
#include "core/VehicleFile.h"
#include "core/Air.h"
#include "garage/CarList.h"
#include "garage/ConditionsBox.h"
#include "garage/GarageProgram.h"
#include "garage/GarageSettings.h"
#include "garage/GarageWindow.h"
#include "garage/MessageBar.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#include <sys/stat.h>

namespace {

enum class Export { Csv, Pdf, Png };

bool exportTo(GarageWindow& window, Export kind, const QString& path)
{
    switch (kind) {
    case Export::Csv: return window.ExportCsv(path);
    case Export::Pdf: return window.ExportPdf(path);
    case Export::Png: return window.ExportCurves(path);
    }
    return false;
}

void addExportRows()
{
    QTest::addColumn<Export>("kind");
    QTest::newRow("CSV") << Export::Csv;
    QTest::newRow("PDF") << Export::Pdf;
    QTest::newRow("PNG") << Export::Png;
}

} // namespace

Q_DECLARE_METATYPE(Export)

class TestGarageFaults : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        program = std::make_unique<GarageProgram>(dir->filePath(QStringLiteral("garage.ini")));
        program->Start({});
        window = &program->Window();
    }

    void cleanup()
    {
        program.reset();
        dir.reset();
    }

    void exportsKeepTheOldFileOnAFullDisk_data() { addExportRows(); }
    void exportsKeepTheOldFileOnAFullDisk()
    {
        QFETCH(Export, kind);
        const QString mountPoint = dir->filePath(QStringLiteral("small"));
        QVERIFY(QDir().mkpath(mountPoint));
        if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("mounting a small file system is not allowed here (needs root)");
        const QString path = mountPoint + QStringLiteral("/export");
        writeAll(path, "old contents");
        {
            QFile filler(mountPoint + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
        }
        const bool written = exportTo(*window, kind, path);
        const QByteArray kept = readAll(path);
        const QStringList left = QDir(mountPoint).entryList(QDir::Files);
        ::umount(QFile::encodeName(mountPoint).constData());
        QVERIFY(!written);
        QCOMPARE(window->Messages()->CurrentKind(), MessageBar::Kind::Error);
        QVERIFY2(window->Messages()->Text().contains(QStringLiteral("space")), qPrintable(window->Messages()->Text()));
        QCOMPARE(kept, QByteArray("old contents"));
        QCOMPARE(left, (QStringList{ QStringLiteral("export"), QStringLiteral("filler") }));
    }

    void exportsRefuseWhatIsNotAFile_data()
    {
        QTest::addColumn<Export>("kind");
        QTest::addColumn<bool>("pipe");
        for (const auto& [name, kind] : { std::pair{ "CSV", Export::Csv }, std::pair{ "PDF", Export::Pdf },
                                          std::pair{ "PNG", Export::Png } }) {
            QTest::addRow("%s onto a named pipe", name) << kind << true;
            QTest::addRow("%s onto a folder", name) << kind << false;
        }
    }
    void exportsRefuseWhatIsNotAFile()
    {
        QFETCH(Export, kind);
        QFETCH(bool, pipe);
        const QString path = dir->filePath(QStringLiteral("target"));
        if (pipe)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkpath(path));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!exportTo(*window, kind, path));
        QCOMPARE(window->Messages()->Text(),
                 QStringLiteral("Could not save %1: it is %2, not a file; nothing was written.")
                     .arg(path, pipe ? QStringLiteral("a named pipe") : QStringLiteral("a folder")));
        struct stat status;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QVERIFY(pipe ? S_ISFIFO(status.st_mode) : S_ISDIR(status.st_mode));
    }

    void aFileChangedElsewhereIsNotOverwritten_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("horsepowerAfter"); // in the car
        QTest::addColumn<QByteArray>("fileStarts");
        QTest::newRow("overwrite") << int(GarageWindow::ChangedFileAnswer::Overwrite) << "400" << QByteArray("400\r\n");
        QTest::newRow("reload") << int(GarageWindow::ChangedFileAnswer::Reload) << "500.5" << QByteArray("500.5 ");
        QTest::newRow("cancel") << int(GarageWindow::ChangedFileAnswer::Cancel) << "400" << QByteArray("500.5 ");
    }
    void aFileChangedElsewhereIsNotOverwritten()
    {
        QFETCH(int, answer);
        QFETCH(QString, horsepowerAfter);
        QFETCH(QByteArray, fileStarts);
        const QString path = dir->filePath(QStringLiteral("mine.trv"));
        QVERIFY(window->SaveCar(0, path));
        program->Cars().EditText(0, InputField::Horsepower, QStringLiteral("400"));
        // Another program writes the file meanwhile.
        writeAll(path, "500.5 0.29 3400.00 5.20 13.61 22.00 5 2 0.75 changed elsewhere");
        QStringList asked;
        window->SetChangedFileQuestion([&](const QString& changed) {
            asked << changed;
            return static_cast<GarageWindow::ChangedFileAnswer>(answer);
        });
        QCOMPARE(window->SaveCar(0, path), answer == int(GarageWindow::ChangedFileAnswer::Overwrite));
        QCOMPARE(asked, QStringList{ path });
        QCOMPARE(program->Cars().At(0).Texts()[InputField::Horsepower], horsepowerAfter);
        QVERIFY(readAll(path).startsWith(fileStarts));
        // Once settled, the next save asks nothing.
        if (answer != int(GarageWindow::ChangedFileAnswer::Cancel)) {
            QVERIFY(!program->Cars().IsUnsaved(0));
            QVERIFY(window->SaveCar(0, path));
            QCOMPARE(asked.size(), 1);
        }
        // A reload is an edit like any other.
        if (answer == int(GarageWindow::ChangedFileAnswer::Reload)) {
            program->Cars().UndoStack()->undo();
            QCOMPARE(program->Cars().At(0).Texts()[InputField::Horsepower], QStringLiteral("400"));
        }
    }

    void eachOutcomeReplacesTheLast()
    {
        QVERIFY(!window->SaveCar(0, dir->filePath(QStringLiteral("no/such/folder/car.trv"))));
        QCOMPARE(window->Messages()->CurrentKind(), MessageBar::Kind::Error);
        QVERIFY(window->SaveCar(0, dir->filePath(QStringLiteral("car.trv"))));
        QCOMPARE(window->Messages()->CurrentKind(), MessageBar::Kind::Information);
        QVERIFY(window->Messages()->Text().startsWith(QStringLiteral("Saved ")));
        QVERIFY(!window->OpenFile(dir->filePath(QStringLiteral("gone.trv"))));
        QVERIFY(window->OpenFile(dir->filePath(QStringLiteral("car.trv"))));
        QVERIFY(!window->Messages()->isVisibleTo(window));
    }

    void outsideTextIsNeverMarkup()
    {
        const QString name = QStringLiteral("<h1>Saved OK<!--.trv");
        const QString path = dir->filePath(name);
        writeAll(path, "345 0.29");
        QVERIFY(!window->OpenFile(path));
        auto* label = window->Messages()->findChild<QLabel*>(QStringLiteral("messageText"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->text().contains(name));
        // A car named like markup: its tooltip shows the characters.
        program->Cars().Rename(0, QStringLiteral("<b>bold</b>"));
        const QString tip = program->Cars().index(0).data(Qt::ToolTipRole).toString();
        QVERIFY2(tip.contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt;")), qPrintable(tip));
    }

    void everyRefusalOfOneActionIsShown()
    {
        writeAll(dir->filePath(QStringLiteral("short.trv")), "345 0.29");
        const QString folder = dir->filePath(QStringLiteral("folder.trv"));
        QVERIFY(QDir().mkpath(folder));
        const QString examples = QStringLiteral(TORVANE_EXAMPLES_DIR);
        const int opened = window->OpenFiles({ dir->filePath(QStringLiteral("short.trv")), folder,
                                               dir->filePath(QStringLiteral("notes.txt")),
                                               examples + QStringLiteral("/supercar.trv") });
        QCOMPARE(opened, 1);
        const QString text = window->Messages()->Text();
        QVERIFY2(text.startsWith(QStringLiteral("3 of 4 files could not be opened:\n")), qPrintable(text));
        QVERIFY(text.contains(VehicleFile::Load(dir->filePath(QStringLiteral("short.trv"))).error));
        QVERIFY(text.contains(QStringLiteral("it is a folder, not a Torvane data file")));
        QVERIFY(text.contains(QStringLiteral("notes.txt: ") + ExtensionMessage()));
    }

    void recentFilesForgetDeletedOnes()
    {
        const QString kept = dir->filePath(QStringLiteral("kept.trv"));
        const QString gone = dir->filePath(QStringLiteral("gone.trv"));
        QVERIFY(window->SaveCar(0, gone));
        QVERIFY(window->SaveCar(0, kept));
        QVERIFY(QFile::remove(gone));
        QMenu* recent = window->findChild<QMenu*>(QStringLiteral("recentMenu"));
        auto* file = qobject_cast<QMenu*>(recent->parent());
        QVERIFY(file);
        emit file->aboutToShow(); // the File menu opens
        QCOMPARE(program->Settings().RecentFiles(), QStringList{ kept });
        QCOMPARE(recent->actions().size(), 1);
    }

    void aSettingsFileThatIsNoFile_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("named pipe") << true;
        QTest::newRow("folder") << false;
    }
    void aSettingsFileThatIsNoFile()
    {
        QFETCH(bool, pipe);
        const QString path = dir->filePath(QStringLiteral("settings.ini"));
        if (pipe)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkpath(path));
        GarageProgram started(path); // would block on a pipe if it read it
        started.Start({});
        const QString problem = started.Settings().Problem();
        QVERIFY(problem.contains(pipe ? QStringLiteral("not a regular file") : QStringLiteral("a folder")));
        QCOMPARE(started.Window().Messages()->Text(), problem);
        started.Settings().SetUnits(UnitSystem::Metric);
        QCOMPARE(started.Settings().Units(), UnitSystem::Metric);
    }

    // Air edited into the settings file by hand: what the Conditions row
    // shows is what the cars run on, and air out of range is the standard
    // day, with a message.
    void airEditedIntoTheSettings_data()
    {
        QTest::addColumn<QVariantMap>("written"); // keys under air/
        QTest::addColumn<bool>("chooseAltimeter"); // then chosen in the row
        QTest::addColumn<double>("pressure");      // station pressure run on
        QTest::addColumn<double>("shown");         // in the pressure box
        QTest::addColumn<QString>("reason");       // of the message; empty: none
        const double standard = StandardDay::Pressure;
        QTest::newRow("an altimeter setting at 14,000 ft")
            << QVariantMap{ { "altimeter", true }, { "altimeterSetting", 29.92 }, { "elevation", 14000 } } << false
            << standard << standard << "a station pressure of 17.57 inHg";
        QTest::newRow("an altimeter setting out of range")
            << QVariantMap{ { "altimeter", true }, { "altimeterSetting", 35 }, { "pressure", 29.0 } } << false
            << standard << standard << "The altimeter setting must be between 20 and 32 inHg.";
        QTest::newRow("a temperature out of range")
            << QVariantMap{ { "temperature", 300 }, { "pressure", 29.0 } } << false << standard << standard
            << "The temperature must be between -40 and 140 °F.";
        QTest::newRow("an altimeter setting beside an older station pressure")
            << QVariantMap{ { "altimeter", true }, { "altimeterSetting", 30.1 }, { "elevation", 5000 },
                            { "pressure", 29.0 } }
            << false << StationPressureFromAltimeter(30.1, 5000) << 30.1 << "";
        QTest::newRow("a station pressure, then an altimeter setting chosen")
            << QVariantMap{ { "pressure", 28.5 }, { "altimeterSetting", 29.92 }, { "elevation", 14000 } } << true
            << 28.5 << 28.5 << "";
    }
    void airEditedIntoTheSettings()
    {
        QFETCH(QVariantMap, written);
        QFETCH(bool, chooseAltimeter);
        QFETCH(double, pressure);
        QFETCH(double, shown);
        QFETCH(QString, reason);
        const QString path = dir->filePath(QStringLiteral("edited.ini"));
        {
            QSettings file(path, QSettings::IniFormat);
            for (auto key = written.cbegin(); key != written.cend(); ++key)
                file.setValue(QStringLiteral("air/") + key.key(), key.value());
        }
        GarageProgram started(path);
        started.Start({});
        GarageSettings& settings = started.Settings();
        ConditionsBox* box = started.Window().Conditions();
        if (chooseAltimeter) {
            box->PressureKindBox()->setCurrentIndex(1);
            emit box->PressureKindBox()->activated(1);
        }
        QCOMPARE(settings.Conditions().pressure, pressure);
        QCOMPARE(started.Cars().Air().conditions, settings.Conditions());
        const bool altimeter = settings.PressureGiven().altimeter;
        QCOMPARE(box->PressureKindBox()->currentIndex(), altimeter ? 1 : 0);
        QVERIFY2(std::abs(box->PressureBox()->value() - shown) < 0.01, qPrintable(QString::number(box->PressureBox()->value())));
        if (altimeter)
            QCOMPARE(StationPressureFromAltimeter(settings.PressureGiven().altimeterSetting,
                                                  box->ElevationBox()->value()),
                     pressure);
        if (reason.isEmpty()) {
            QVERIFY(settings.AirProblem().isEmpty());
            return;
        }
        QCOMPARE(settings.Conditions(), AirConditions());
        QVERIFY2(settings.AirProblem().contains(reason), qPrintable(settings.AirProblem()));
        QCOMPARE(started.Window().Messages()->Text(), settings.AirProblem());
        // The file now holds the day the cars run on: no message next time.
        GarageSettings again(path);
        QCOMPARE(again.Conditions(), AirConditions());
        QVERIFY(again.AirProblem().isEmpty());
    }

    // A name that is not UTF-8 opens, given by its bytes (the command
    // line) or as Qt's dialogs give it (the odd byte as U+FFFD); the car has
    // no file, since the garage cannot save under such a name.
    void namesThatAreNotUtf8Open_data()
    {
        QTest::addColumn<bool>("asDialogGivesIt");
        QTest::newRow("command line") << false;
        QTest::newRow("file dialog") << true;
    }
    void namesThatAreNotUtf8Open()
    {
        QFETCH(bool, asDialogGivesIt);
        const QByteArray bytes = QFile::encodeName(dir->path()) + "/caf\xe9.trv";
        const int fd = ::open(bytes.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        const QByteArray car = "400 0.29 3400 5.2 13.61 22 5 2 0.75";
        QCOMPARE(::write(fd, car.constData(), static_cast<std::size_t>(car.size())), car.size());
        ::close(fd);
        const QString name = asDialogGivesIt ? QFile::decodeName(bytes) : ArgumentText(bytes);
        const int cars = program->Cars().Count();
        QVERIFY(window->OpenFile(name));
        QCOMPARE(program->Cars().Count(), cars + 1);
        const GarageCar& opened = program->Cars().At(program->Cars().Count() - 1);
        QCOMPARE(opened.Inputs().horsepower, 400.0);
        QVERIFY(opened.path.isEmpty());
        QVERIFY(window->Messages()->Text().contains(QStringLiteral("caf\\xe9.trv")));
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<GarageProgram> program;
    GarageWindow* window = nullptr;
};

QTEST_MAIN(TestGarageFaults)
#include "tst_garage_faults.moc"
