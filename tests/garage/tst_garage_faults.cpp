// SPDX-License-Identifier: GPL-3.0-or-later
// The garage window where things go wrong: exports on a full disk or onto
// what is not a file, outcomes that follow each other in the message bar,
// outside text that looks like markup, recent files deleted meanwhile, a
// settings file that is not a file, and air edited into it.
#include "GarageFixture.h"
#include "FileSupport.h"

#include "core/FileNames.h"
#include "core/InputChecks.h"
#include "core/VehicleFile.h"
#include "core/Air.h"
#include "garage/CarList.h"
#include "garage/ConditionsBox.h"
#include "garage/GarageSettings.h"
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

class TestGarageFaults : public QObject, protected GarageFixture
{
    Q_OBJECT

private slots:
    void init() { StartGarage(); }

    void cleanup() { EndGarage(); }

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

    void eachOutcomeReplacesTheLast()
    {
        QVERIFY(!window->Files()->SaveCar(0, dir->filePath(QStringLiteral("no/such/folder/car.trv"))));
        QCOMPARE(window->Messages()->CurrentKind(), MessageBar::Kind::Error);
        QVERIFY(window->Files()->SaveCar(0, dir->filePath(QStringLiteral("car.trv"))));
        QCOMPARE(window->Messages()->CurrentKind(), MessageBar::Kind::Information);
        QVERIFY(window->Messages()->Text().startsWith(QStringLiteral("Saved ")));
        QVERIFY(!window->Files()->OpenFile(dir->filePath(QStringLiteral("gone.trv"))));
        QVERIFY(window->Files()->OpenFile(dir->filePath(QStringLiteral("car.trv"))));
        QVERIFY(!window->Messages()->isVisibleTo(window));
    }

    void outsideTextIsNeverMarkup()
    {
        const QString name = QStringLiteral("<h1>Saved OK<!--.trv");
        const QString path = dir->filePath(name);
        writeAll(path, "345 0.29");
        QVERIFY(!window->Files()->OpenFile(path));
        auto* label = window->Messages()->findChild<QLabel*>(QStringLiteral("messageText"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->text().contains(name));
        // A car named like markup: its tooltip shows the characters.
        program->Cars().Rename(0, QStringLiteral("<b>bold</b>"));
        const QString tip = program->Cars().index(0).data(Qt::ToolTipRole).toString();
        QVERIFY2(tip.contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt;")), qPrintable(tip));
    }

    void recentFilesForgetDeletedOnes()
    {
        const QString kept = dir->filePath(QStringLiteral("kept.trv"));
        const QString gone = dir->filePath(QStringLiteral("gone.trv"));
        QVERIFY(window->Files()->SaveCar(0, gone));
        QVERIFY(window->Files()->SaveCar(0, kept));
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

private:
};

QTEST_MAIN(TestGarageFaults)
#include "tst_garage_faults.moc"
