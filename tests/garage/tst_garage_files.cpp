// SPDX-License-Identifier: GPL-3.0-or-later
// The garage's cars and their files without a window: refused saves keep
// the car, a file open already is not opened twice, a file changed by
// another program is never overwritten without asking, every refusal of one
// action is reported, and a name that is not UTF-8 opens.
#include "FileSupport.h"

#include "core/FileNames.h"
#include "core/InputChecks.h"
#include "core/VehicleFile.h"
#include "garage/CarFiles.h"
#include "garage/CarList.h"
#include "garage/GarageSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <fcntl.h>
#include <unistd.h>

#include <memory>

class TestGarageFiles : public QObject
{
    Q_OBJECT

private slots:
    // The default car in a car list, with settings in a folder of their
    // own, and the last outcome kept.
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        settings = std::make_unique<GarageSettings>(dir->filePath(QStringLiteral("garage.ini")));
        cars = std::make_unique<CarList>();
        cars->AddCar(QStringLiteral("Default car"), CarTexts::DefaultCar());
        cars->UndoStack()->clear();
        files = std::make_unique<CarFiles>(cars.get(), settings.get());
        failed = false;
        message.clear();
        connect(files.get(), &CarFiles::outcome, this, [this](bool isFailure, const QString& text) {
            failed = isFailure;
            message = text;
        });
    }

    void cleanup()
    {
        files.reset();
        cars.reset();
        settings.reset();
        dir.reset();
    }

    void refusedSavesKeepTheCar()
    {
        cars->EditText(0, InputField::CarWeight, QStringLiteral("3 400"));
        const QString spaced = dir->filePath(QStringLiteral("spaced.trv"));
        const QString refusal = VehicleFile::SaveRefusal(VehicleFile::TextsInFileOrder(cars->At(0).Texts()));
        QVERIFY(!refusal.isEmpty());
        QVERIFY(!files->SaveCar(0, spaced));
        QVERIFY(failed);
        QCOMPARE(message, refusal);
        QVERIFY(!QFile::exists(spaced));

        cars->EditText(0, InputField::CarWeight, QStringLiteral("3300"));
        const QString nowhere = dir->filePath(QStringLiteral("no/such/folder/car.trv"));
        QVERIFY(!files->SaveCar(0, nowhere));
        QCOMPARE(message, VehicleFile::Save(nowhere, VehicleFile::TextsInFileOrder(cars->At(0).Texts())));
        QVERIFY(!message.isEmpty());
        QCOMPARE(cars->At(0).Texts()[InputField::CarWeight], QStringLiteral("3300"));
        QVERIFY(cars->IsUnsaved(0));
        QVERIFY(cars->At(0).path.isEmpty());
    }

    void saveAndOpenAgain()
    {
        const QString path = dir->filePath(QStringLiteral("mine.trv"));
        cars->EditText(0, InputField::SpinTime, QStringLiteral("1.25"));
        QVERIFY(cars->IsUnsaved(0));
        QVERIFY(files->SaveCar(0, path));
        QVERIFY(!failed);
        QCOMPARE(message, QStringLiteral("Saved %1.").arg(QFileInfo(path).absoluteFilePath()));
        QVERIFY(!cars->IsUnsaved(0));
        QCOMPARE(settings->RecentFiles().first(), QFileInfo(path).absoluteFilePath());
        QCOMPARE(settings->LastFolder(), QFileInfo(path).absolutePath());
        // The same file again is the car that is open, not a second copy.
        cars->AddCar(QStringLiteral("New car"), CarTexts::DefaultCar());
        QCOMPARE(cars->CurrentRow(), 1);
        QVERIFY(files->OpenFile(path));
        QCOMPARE(cars->Count(), 2);
        QCOMPARE(cars->CurrentRow(), 0);
        // A copy of it under another name is a car of its own.
        const QString copy = dir->filePath(QStringLiteral("copy.trv"));
        QVERIFY(QFile::copy(path, copy));
        QVERIFY(files->OpenFile(copy));
        QCOMPARE(cars->Count(), 3);
        QCOMPARE(cars->At(2).Texts(), cars->At(0).Texts());
        QCOMPARE(cars->At(2).name, QStringLiteral("copy"));
        QCOMPARE(cars->CurrentRow(), 2);
    }

    // A car's road-key lines after its nine values come back on save byte
    // for byte, a bad one too, through an edit and its undo; the nine
    // values are written as the classic program writes them.
    void roadKeyLinesAreSavedAsRead_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("problem"); // in the message bar; empty for none
        const QByteArray classic = "400\r\n0.31\r\n3300.00\r\n4.80\r\n12.50\r\n25.00\r\n5\r\n4\r\n2.50\r\n";
        QTest::newRow("no keys") << classic << classic << QString();
        const QByteArray keys = "engine=electric\r\ndrivetrain=awd\r\n\r\ngears = 1\r\n";
        QTest::newRow("keys") << classic + keys << classic + keys << QString();
        QTest::newRow("one line, LF keys")
            << QByteArray("400 0.31 3300.00 4.80 12.50 25.00 5 4 2.50 ignored\ntires=slick\ntorque=350")
            << classic + "tires=slick\ntorque=350" << QString();
        QTest::newRow("bad key") << classic + "gears=6\r\nwheels=4\r\n" << classic + "gears=6\r\nwheels=4\r\n"
                                 << QStringLiteral("keys.trv, line 11: ");
    }
    void roadKeyLinesAreSavedAsRead()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, saved);
        QFETCH(QString, problem);
        const QString path = dir->filePath(QStringLiteral("keys.trv"));
        writeAll(path, file);
        QVERIFY(files->OpenFile(path));
        const int row = cars->CurrentRow();
        QCOMPARE(cars->At(row).Inputs().horsepower, 400.0);
        QCOMPARE(failed, !problem.isEmpty());
        QVERIFY2(problem.isEmpty() || message.startsWith(problem), qPrintable(message));
        cars->EditText(row, InputField::Horsepower, QStringLiteral("401"));
        const QString copy = dir->filePath(QStringLiteral("copy.trv"));
        QVERIFY(files->SaveCar(row, copy));
        QCOMPARE(readAll(copy), QByteArray(saved).replace(0, 3, "401"));
        cars->UndoStack()->undo();
        QVERIFY(files->SaveCar(row, copy));
        QCOMPARE(readAll(copy), saved);
    }

    // A road field set on a car read from a file: the car's road keys (and
    // its evaluation's) take it, the save rewrites only the key's line,
    // and the undo gives the file's bytes back.
    void roadFieldsAreSetSavedAndUndone_data()
    {
        QTest::addColumn<QByteArray>("lines"); // after the nine values
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("problem"); // the start of the car's road problem
        QTest::addColumn<bool>("taken");      // whether the road keys take the text
        auto key = [](RoadKey k) { return static_cast<int>(k); };
        QTest::newRow("a first key") << QByteArray() << key(RoadKey::Gears) << "7" << QByteArray("gears=7\r\n")
                                     << QString() << true;
        QTest::newRow("only its line rewritten")
            << QByteArray("tires=summer\r\nredline = 7000\n  surface=street\r\n") << key(RoadKey::Redline) << "7500"
            << QByteArray("tires=summer\r\nredline=7500\n  surface=street\r\n") << QString() << true;
        QTest::newRow("emptied, so typical")
            << QByteArray("engine=electric\r\ngears=1\r\n") << key(RoadKey::Engine) << ""
            << QByteArray("gears=1\r\n") << QString() << true;
        QTest::newRow("a key written twice keeps its first place")
            << QByteArray("gears=6\r\ntires=slick\r\ngears=7\r\n") << key(RoadKey::Gears) << "8"
            << QByteArray("gears=8\r\ntires=slick\r\n") << QString() << true;
        QTest::newRow("after a last line without its end")
            << QByteArray("tires=slick\ntorque=350") << key(RoadKey::Drivetrain) << "awd"
            << QByteArray("tires=slick\ntorque=350\r\ndrivetrain=awd\r\n") << QString() << true;
        QTest::newRow("a bad value is kept and named") << QByteArray() << key(RoadKey::Torque) << "9"
                                                       << QByteArray("torque=9\r\n")
                                                       << QStringLiteral("The torque must be between") << false;
        QTest::newRow("a line that is no key stays")
            << QByteArray("wheels=4\r\n") << key(RoadKey::Surface) << "prepped"
            << QByteArray("wheels=4\r\nsurface=prepped\r\n") << QStringLiteral("\"wheels\" is not a key") << true;
    }
    void roadFieldsAreSetSavedAndUndone()
    {
        QFETCH(QByteArray, lines);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QByteArray, saved);
        QFETCH(QString, problem);
        QFETCH(bool, taken);
        const QByteArray classic = "400\r\n0.31\r\n3300.00\r\n4.80\r\n12.50\r\n25.00\r\n5\r\n4\r\n2.50\r\n";
        const QString path = dir->filePath(QStringLiteral("road.trv"));
        writeAll(path, classic + lines);
        QVERIFY(files->OpenFile(path));
        const int row = cars->CurrentRow();
        const RoadKey road = static_cast<RoadKey>(key);
        cars->EditRoadText(row, road, text);
        const GarageCar& car = cars->At(row);
        QCOMPARE(car.values.RoadText(road), text);
        QCOMPARE(car.Road().Text(road), taken ? text : QString());
        QCOMPARE(car.evaluation->roadKeys, car.Road());
        QVERIFY2(car.values.roadProblem.startsWith(problem) && problem.isEmpty() == car.values.roadProblem.isEmpty(),
                 qPrintable(car.values.roadProblem));
        QVERIFY(cars->IsUnsaved(row));
        const QString copy = dir->filePath(QStringLiteral("copy.trv"));
        QVERIFY(files->SaveCar(row, copy));
        QCOMPARE(readAll(copy), classic + saved);
        // The classic reader still takes the nine values.
        QCOMPARE(VehicleFile::Load(copy).words, VehicleFile::Load(path).words);
        cars->UndoStack()->undo();
        QVERIFY(files->SaveCar(row, copy));
        QCOMPARE(readAll(copy), classic + lines);
    }

    void aFileChangedElsewhereIsNotOverwritten_data()
    {
        QTest::addColumn<CarFiles::ChangedFileAnswer>("answer");
        QTest::addColumn<QString>("horsepowerAfter"); // in the car
        QTest::addColumn<QByteArray>("fileStarts");
        QTest::newRow("overwrite") << CarFiles::ChangedFileAnswer::Overwrite << "400" << QByteArray("400\r\n");
        QTest::newRow("reload") << CarFiles::ChangedFileAnswer::Reload << "500.5" << QByteArray("500.5 ");
        QTest::newRow("cancel") << CarFiles::ChangedFileAnswer::Cancel << "400" << QByteArray("500.5 ");
    }
    void aFileChangedElsewhereIsNotOverwritten()
    {
        QFETCH(CarFiles::ChangedFileAnswer, answer);
        QFETCH(QString, horsepowerAfter);
        QFETCH(QByteArray, fileStarts);
        const QString path = dir->filePath(QStringLiteral("mine.trv"));
        QVERIFY(files->SaveCar(0, path));
        cars->EditText(0, InputField::Horsepower, QStringLiteral("400"));
        // Another program writes the file meanwhile.
        writeAll(path, "500.5 0.29 3400.00 5.20 13.61 22.00 5 2 0.75 changed elsewhere");
        QStringList asked;
        files->SetChangedFileQuestion([&](const QString& changed) {
            asked << changed;
            return answer;
        });
        QCOMPARE(files->SaveCar(0, path), answer == CarFiles::ChangedFileAnswer::Overwrite);
        QCOMPARE(asked, QStringList{ path });
        QCOMPARE(cars->At(0).Texts()[InputField::Horsepower], horsepowerAfter);
        QVERIFY(readAll(path).startsWith(fileStarts));
        // Once settled, the next save asks nothing.
        if (answer != CarFiles::ChangedFileAnswer::Cancel) {
            QVERIFY(!cars->IsUnsaved(0));
            QVERIFY(files->SaveCar(0, path));
            QCOMPARE(asked.size(), 1);
        }
        // A reload is an edit like any other.
        if (answer == CarFiles::ChangedFileAnswer::Reload) {
            cars->UndoStack()->undo();
            QCOMPARE(cars->At(0).Texts()[InputField::Horsepower], QStringLiteral("400"));
        }
    }

    void everyRefusalOfOneActionIsShown()
    {
        writeAll(dir->filePath(QStringLiteral("short.trv")), "345 0.29");
        const QString folder = dir->filePath(QStringLiteral("folder.trv"));
        QVERIFY(QDir().mkpath(folder));
        const QString examples = QStringLiteral(TORVANE_EXAMPLES_DIR);
        const int opened = files->OpenFiles({ dir->filePath(QStringLiteral("short.trv")), folder,
                                              dir->filePath(QStringLiteral("notes.txt")),
                                              examples + QStringLiteral("/supercar.trv") });
        QCOMPARE(opened, 1);
        QVERIFY(failed);
        QVERIFY2(message.startsWith(QStringLiteral("3 of 4 files could not be opened:\n")), qPrintable(message));
        QVERIFY(message.contains(VehicleFile::Load(dir->filePath(QStringLiteral("short.trv"))).error));
        QVERIFY(message.contains(QStringLiteral("it is a folder, not a Torvane data file")));
        QVERIFY(message.contains(QStringLiteral("notes.txt: ") + ExtensionMessage()));
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
        const int count = cars->Count();
        QVERIFY(files->OpenFile(name));
        QCOMPARE(cars->Count(), count + 1);
        const GarageCar& opened = cars->At(cars->Count() - 1);
        QCOMPARE(opened.Inputs().horsepower, 400.0);
        QVERIFY(opened.path.isEmpty());
        QVERIFY(!failed);
        QVERIFY(message.contains(QStringLiteral("caf\\xe9.trv")));
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<GarageSettings> settings;
    std::unique_ptr<CarList> cars;
    std::unique_ptr<CarFiles> files;
    bool failed = false;
    QString message; // the last outcome
};

QTEST_GUILESS_MAIN(TestGarageFiles)
#include "tst_garage_files.moc"
