// SPDX-License-Identifier: GPL-3.0-or-later
// The garage's logbook page on a real logbook file: every change to the runs
// is undoable and reaches the file, the fit finds a car that made the runs,
// "Copy fitted values to a new car" adds a car without touching the typed
// one, and a file that is no logbook leaves the garage working.
#include "FileSupport.h"
#include "GarageFixture.h"
#include "core/RoadKeys.h"
#include "core/VehicleFile.h"
#include "garage/CarFiles.h"
#include "core/DayRun.h"
#include "garage/CarList.h"
#include "garage/CurveCharts.h"
#include "garage/DialInCharts.h"
#include "garage/GarageSettings.h"
#include "garage/LogbookPage.h"
#include "garage/MessageBar.h"
#include "garage/NewRunDialog.h"
#include "garage/SlipEdits.h"
#include "logbook/Logbook.h"
#include "logbook/SlipTableModel.h"
#include "logbook/SlipsCsv.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QListWidget>
#include <QUuid>
#include <QChartView>
#include <QXYSeries>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QValueAxis>

#include <memory>

namespace {

// A run as the car `car` makes it on the day `air`, dated `day` days into
// May 2024.
TimeSlip madeRun(const CarInputs& car, const AirConditions& air, int day)
{
    const DayResults result = RunCarOnDay(car, air);
    TimeSlip run;
    run.date = QDate(2024, 5, day);
    run.temperature = air.temperature;
    run.pressure = air.pressure;
    run.humidity = air.humidity;
    run.sixtyFootTime = result.splits.sixtyFootTime;
    run.eighthMileTime = result.splits.eighthMileTime;
    run.eighthMileSpeed = result.splits.eighthMileSpeed;
    run.quarterMileTime = result.splits.quarterMileTime;
    run.quarterMileSpeed = result.splits.quarterMileSpeed;
    return run;
}

// Every run in the logbook at `path`, car by car.
QList<TimeSlip> runsInFile(const QString& path)
{
    Logbook reader;
    QList<TimeSlip> runs;
    if (reader.Open(path, Logbook::OpenMode::Existing).isEmpty())
        for (const LoggedCar& car : reader.Cars().value)
            runs += reader.Runs(car.id).value;
    return runs;
}

} // namespace

class TestGarageLogbook : public QObject, protected GarageFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        StartGarage();
        window->Tabs()->setCurrentIndex(3);
        window->show();
        page = window->LogbookView();
        logbookPath = dir->filePath(QStringLiteral("logbook.sqlite"));
    }

    void cleanup() { EndGarage(); }

    // Each change, its undo and its redo reach the file as one step, and
    // the table follows them row by row, never read again whole.
    void everyChangeOfTheRunsIsUndoable_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("after");
        QTest::newRow("add") << "add" << 4;
        QTest::newRow("edit") << "edit" << 3;
        QTest::newRow("edit that moves the run") << "move" << 3;
        QTest::newRow("delete two runs apart") << "delete" << 1;
        QTest::newRow("import between the runs") << "import" << 6;
    }
    void everyChangeOfTheRunsIsUndoable()
    {
        QFETCH(QString, change);
        QFETCH(int, after);
        const CarInputs car = program->Cars().At(0).Inputs();
        for (int day : { 1, 5, 9 })
            QVERIFY(page->AddSlip(madeRun(car, AirConditions{ 50.0 + day, 29.5, 30 }, day)).isEmpty());
        QUndoStack* undo = page->UndoStack();
        const int commands = undo->count();
        const QList<TimeSlip> before = page->Runs()->Runs();
        const QSignalSpy resets(page->Runs(), &QAbstractItemModel::modelReset);
        if (change == "add") {
            QVERIFY(page->AddSlip(madeRun(car, AirConditions{ 90, 29, 50 }, 2)).isEmpty());
        } else if (change == "edit" || change == "move") {
            const int column = static_cast<int>(change == "edit" ? SlipField::Track : SlipField::Date);
            QVERIFY(page->Edits()->setData(page->Edits()->index(0, column),
                                           change == "edit" ? QStringLiteral("Maple Grove")
                                                            : QStringLiteral("2024-05-20")));
        } else if (change == "delete") {
            QItemSelection rows;
            for (int row : { 0, 2 })
                rows.select(page->Runs()->index(row, 0), page->Runs()->index(row, 0));
            page->RunsView()->selectionModel()->select(rows, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            QVERIFY(page->DeleteSelectedRuns().isEmpty());
        } else {
            QList<TimeSlip> imported;
            for (int day : { 3, 7, 12 })
                imported << madeRun(car, AirConditions{ 60.0 + day, 29.5, 30 }, day);
            const QString csv = dir->filePath(QStringLiteral("runs.csv"));
            QVERIFY(SaveSlipsCsv(csv, imported).isEmpty());
            QVERIFY(page->ImportRuns(csv).isEmpty());
        }
        QCOMPARE(undo->count(), commands + 1);
        const QList<TimeSlip> changed = runsInFile(logbookPath);
        QCOMPARE(changed.size(), after);
        QCOMPARE(page->Runs()->Runs(), changed);
        if (change == "move")
            QCOMPARE(changed.last().date, QDate(2024, 5, 20));
        undo->undo();
        QCOMPARE(runsInFile(logbookPath), before);
        QCOMPARE(page->Runs()->Runs(), before);
        undo->redo();
        QCOMPARE(runsInFile(logbookPath), changed);
        QCOMPARE(page->Runs()->Runs(), changed);
        QCOMPARE(resets.count(), 0);
    }

    // Another window on the same logbook changes or deletes the run since;
    // this window's undo or redo is then refused, names the run, and leaves
    // the history where it was.
    void anUndoChangesOnlyWhatItLeft_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("redoing");
        QTest::newRow("add, then deleted and another added") << "add" << "delete and add" << false;
        QTest::newRow("edit, then changed") << "edit" << "change" << false;
        QTest::newRow("delete undone, then changed") << "delete" << "change" << true;
    }
    void anUndoChangesOnlyWhatItLeft()
    {
        QFETCH(QString, change);
        QFETCH(QString, other);
        QFETCH(bool, redoing);
        const CarInputs car = program->Cars().At(0).Inputs();
        QVERIFY(page->AddSlip(madeRun(car, AirConditions(), 1)).isEmpty());
        QUndoStack* undo = page->UndoStack();
        if (change == "edit") {
            const int column = static_cast<int>(SlipField::Track);
            QVERIFY(page->Edits()->setData(page->Edits()->index(0, column), QStringLiteral("Maple Grove")));
        } else if (change == "delete") {
            page->RunsView()->selectRow(0);
            QVERIFY(page->DeleteSelectedRuns().isEmpty());
            undo->undo();
        }
        const TimeSlip mine = page->Runs()->RunAt(0);
        Logbook theirs;
        QCOMPARE(theirs.Open(logbookPath), QString());
        if (other == "change") {
            TimeSlip changed = mine;
            changed.note = QStringLiteral("theirs");
            QCOMPARE(theirs.UpdateSlip(changed), QString());
        } else {
            QCOMPARE(theirs.DeleteSlip(mine.id), QString());
            TimeSlip own = madeRun(car, AirConditions{ 90, 29, 50 }, 2);
            own.carId = mine.carId;
            QCOMPARE(theirs.AddSlip(own), QString());
        }
        const QList<TimeSlip> held = theirs.Runs(mine.carId).value;
        const int index = undo->index();
        QSignalSpy refused(page->Edits(), &SlipEdits::refused);
        for (int attempt = 0; attempt < 2; ++attempt) {
            redoing ? undo->redo() : undo->undo();
            QCOMPARE(undo->index(), index);
            QCOMPARE(refused.count(), attempt + 1);
        }
        const QString message = refused.last().at(0).toString();
        QVERIFY2(message.startsWith(redoing ? "Could not redo" : "Could not undo") && message.contains("2024-05-01"),
                 qPrintable(message));
        QCOMPARE(theirs.Runs(mine.carId).value, held);
        QCOMPARE(page->Runs()->rowCount(), held.size());
    }

    void theFitFindsTheCarThatMadeTheRuns()
    {
        // The typed car is the default car; its runs were made with other
        // horsepower and spin time, on five days' air.
        const CarInputs typed = program->Cars().At(0).Inputs();
        CarInputs real = typed;
        real.horsepower = typed.horsepower * 0.87;
        real.spinTime = 0.45;
        const QList<AirConditions> days{ { 59, 29.92, 0 }, { 85, 29.1, 60 }, { 40, 30.1, 20 },
                                         { 95, 28.5, 70 }, { 70, 29.5, 40 } };
        for (int day = 0; day < days.size(); ++day)
            QVERIFY(page->AddSlip(madeRun(real, days[day], day + 1)).isEmpty());
        page->Calibrate();
        QTRY_VERIFY(!page->Calibrating());
        QVERIFY(page->CurrentCalibration());
        const CarFit& fit = page->CurrentCalibration()->fit;
        QVERIFY(fit.Fitted());
        QVERIFY2(std::abs(fit.horsepower / real.horsepower - 1) < 0.001, qPrintable(QString::number(fit.horsepower)));
        QVERIFY2(std::abs(fit.spinTime - real.spinTime) < 0.005, qPrintable(QString::number(fit.spinTime)));
        QVERIFY(page->FitLabel()->text().contains(QStringLiteral("spin time 0.45")));
        // Five runs give a band.
        QVERIFY(page->PredictionLabel()->text().contains(QStringLiteral("±")));

        // The fitted car is a new car; taking it back leaves the typed one.
        const int cars = program->Cars().Count();
        const int row = page->UseFittedValues();
        QCOMPARE(program->Cars().Count(), cars + 1);
        QCOMPARE(program->Cars().At(row).Inputs().horsepower, fit.horsepower);
        QCOMPARE(program->Cars().At(0).Inputs(), typed);
        program->Cars().UndoStack()->undo();
        QCOMPARE(program->Cars().Count(), cars);
    }

    // The fit takes the runs its "Fit to" choice names, never the rows
    // selected, and the choice is kept for the car and the logbook.
    void theFitTakesItsChoiceNotTheSelection()
    {
        const CarInputs car = program->Cars().At(0).Inputs();
        for (int day = 1; day <= 5; ++day)
            QVERIFY(page->AddSlip(madeRun(car, AirConditions{ 50.0 + 5 * day, 29.5, 30 }, day)).isEmpty());
        page->Calibrate();
        QTRY_VERIFY(!page->Calibrating());
        page->RunsView()->selectRow(0);
        QTRY_VERIFY(!page->Calibrating());
        QCOMPARE(page->CurrentCalibration()->runs.size(), 5);
        FitChoice last;
        last.kind = FitChoice::Kind::LastRuns;
        last.last = 2;
        page->SetFitChoice(last);
        QTRY_VERIFY(!page->Calibrating());
        QCOMPARE(page->CurrentCalibration()->runs.size(), 2);
        QCOMPARE(page->CurrentCalibration()->runs.constLast().date, QDate(2024, 5, 5));
        QVERIFY2(page->FitLabel()->text().startsWith(QStringLiteral("Fit to the last 2 runs: 2 of 5.")),
                 qPrintable(page->FitLabel()->text()));
        page->SetFitChoice(FitChoice());
        page->SetFitChoice(last);
        page->Reload();
        QTRY_VERIFY(!page->Runs()->Loading());
        QCOMPARE(page->CurrentFitChoice(), last);
    }

    // The fit follows the garage's model: on the road model it fits the
    // power at the wheels and the launch grip, and the card names the model.
    void theFitFollowsTheModel()
    {
        CarList& list = program->Cars();
        list.EditTexts(0, list.At(0).Texts(), list.At(0).values.roadLines + QStringLiteral("drivetrain=awd\r\ntorque=400\r\n"));
        const CarInputs car = program->Cars().At(0).Inputs();
        for (int day = 1; day <= 4; ++day)
            QVERIFY(page->AddSlip(madeRun(car, AirConditions{ 50.0 + 5 * day, 29.5, 30 }, day)).isEmpty());
        page->Calibrate();
        QTRY_VERIFY(!page->Calibrating());
        QVERIFY(!page->CurrentCalibration()->fit.Road());
        program->Settings().SetModel(CarModel::Road);
        QTRY_VERIFY(!page->Calibrating() && page->CurrentCalibration() && page->CurrentCalibration()->fit.Road());
        QVERIFY(page->CurrentCalibration()->fit.Fitted());
        QVERIFY2(page->FitLabel()->text().contains(QStringLiteral("hp at the wheels")),
                 qPrintable(page->FitLabel()->text()));
        QCOMPARE(page->ReportCardTable()->item(0, 1)->text(), QStringLiteral("Road model"));
        program->Settings().SetModel(CarModel::Classic);
        QTRY_VERIFY(!page->Calibrating() && page->CurrentCalibration() && !page->CurrentCalibration()->fit.Road());
        program->Settings().SetModel(CarModel::Road);
        QTRY_VERIFY(!page->Calibrating() && page->CurrentCalibration() && page->CurrentCalibration()->fit.Road());
        // The fitted copy is the fitted car: its road keys go with it, the
        // typed torque scaled with the power.
        const CarFit fit = page->CurrentCalibration()->fit;
        const CarValues copy = list.At(page->UseFittedValues()).values;
        QCOMPARE(copy.RoadText(RoadKey::Drivetrain), QStringLiteral("awd"));
        QCOMPARE(copy.roadKeys.car.torque.value(), 400 * fit.powerFactor);
        QCOMPARE(RoadCarOf(ModelCar{ copy.numbers, copy.roadKeys }), RoadCarOf(fit.FittedCar()));
        list.UndoStack()->undo();
        program->Settings().SetModel(CarModel::Classic);
    }

    void fewerThanThreeRunsGiveNoBand()
    {
        const CarInputs car = program->Cars().At(0).Inputs();
        QVERIFY(page->AddSlip(madeRun(car, AirConditions(), 1)).isEmpty());
        QVERIFY(page->AddSlip(madeRun(car, AirConditions{ 80, 29, 50 }, 2)).isEmpty());
        page->Calibrate();
        QTRY_VERIFY(!page->Calibrating());
        QVERIFY(!page->PredictionLabel()->text().isEmpty());
        QVERIFY(!page->PredictionLabel()->text().contains(QStringLiteral("±")));
        QVERIFY(!page->ReportCardTable()->isEnabled());
    }

    void workedOutFiguresFollowTheLocale()
    {
        // The runs are typed with "." as the car's values are; what the page
        // works out from them is shown as the rest of the garage shows it.
        page->setLocale(QLocale(QLocale::German, QLocale::Germany));
        const CarInputs car = program->Cars().At(0).Inputs();
        const QList<AirConditions> days{ { 59, 29.92, 0 }, { 85, 29.1, 60 }, { 40, 30.1, 20 }, { 95, 28.5, 70 } };
        for (int day = 0; day < days.size(); ++day)
            QVERIFY(page->AddSlip(madeRun(car, days[day], day + 1)).isEmpty());
        page->Calibrate();
        QTRY_VERIFY(!page->Calibrating());
        QVERIFY(page->CurrentCalibration() && page->CurrentCalibration()->fit.Fitted());
        const auto* slips = page->findChild<QTableView*>(QStringLiteral("slipTable"));
        QVERIFY(slips);
        const QStringList texts{ page->FitLabel()->text(), page->PredictionLabel()->text(),
                                 page->DialInView()->SlopeLabel()->text(),
                                 page->ReportCardTable()->item(0, 2)->text(),
                                 page->ReportCardTable()->item(0, 3)->text(),
                                 slips->model()->index(0, 1).data().toString() };
        const QRegularExpression commaDecimal(QStringLiteral("\\d,\\d"));
        const QRegularExpression pointDecimal(QStringLiteral("\\d\\.\\d"));
        for (const QString& text : texts) {
            QVERIFY2(text.contains(commaDecimal), qPrintable(text));
            QVERIFY2(!text.contains(pointDecimal), qPrintable(text));
        }
        // The runs themselves keep the point.
        QCOMPARE(page->Runs()->index(0, static_cast<int>(SlipField::Temperature)).data().toString(),
                 QStringLiteral("59.0"));
        // Both tables show a run's date alike, in the locale's short form.
        const QString date = page->Runs()->index(0, static_cast<int>(SlipField::Date)).data().toString();
        QCOMPARE(slips->model()->index(0, 0).data().toString(), date);
        QVERIFY(date != QStringLiteral("2024-05-01"));
    }

    void aFileThatIsNoLogbookChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::newRow("not SQLite") << QByteArray("text");
        QTest::newRow("damaged") << QByteArray("damaged");
        QTest::newRow("folder") << QByteArray("folder");
    }
    void aFileThatIsNoLogbookChangesNothing()
    {
        QFETCH(QByteArray, kind);
        const CarInputs car = program->Cars().At(0).Inputs();
        QVERIFY(page->AddSlip(madeRun(car, AirConditions(), 1)).isEmpty());
        const QString path = dir->filePath(QStringLiteral("other.sqlite"));
        QByteArray bytes;
        if (kind == "folder") {
            QVERIFY(QDir().mkpath(path));
        } else {
            bytes = kind == "text" ? QByteArray("date,track\n2024-05-01,Home\n")
                                   : QByteArray("SQLite format 3\0", 16) + QByteArray(4000, '\x5a');
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        QVERIFY(!window->OpenLogbook(path));
        QCOMPARE(window->Messages()->CurrentKind(), MessageBar::Kind::Error);
        QVERIFY(window->Messages()->Text().contains(QStringLiteral("other.sqlite")));
        // The logbook that was open stays open, and the file as it was.
        QCOMPARE(window->Logbooks().Path(), logbookPath);
        QCOMPARE(page->Runs()->rowCount(), 1);
        if (kind != "folder") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), bytes);
        }
    }

    // The file is read through for damage on the page's worker, not on the
    // window's thread; until then nothing is written to it, and a damaged
    // one is closed with the reason.
    void aDamagedLogbookIsClosedOnceFoundSo()
    {
        const QString damaged = dir->filePath(QStringLiteral("damaged.sqlite"));
        {
            Logbook book;
            QVERIFY(book.Open(damaged).isEmpty());
            LoggedCar car;
            car.name = QStringLiteral("Other car");
            QVERIFY(book.AddCar(car).isEmpty());
            QList<TimeSlip> runs;
            for (int i = 0; i < 300; ++i)
                runs << madeRun(program->Cars().At(0).Inputs(), AirConditions(), 1 + i % 28);
            QVERIFY(book.AddSlips(car.id, runs).isEmpty());
        }
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(file.size() - 2 * 4096));
        file.write(QByteArray(300, '\x55'));
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        // Its marks and schema are whole: it opens, and is refused once read.
        QVERIFY(window->OpenLogbook(damaged));
        QTRY_VERIFY(!page->Runs()->Loading());
        QVERIFY(!window->Logbooks().IsOpen());
        QCOMPARE(window->Messages()->CurrentKind(), MessageBar::Kind::Error);
        QVERIFY2(window->Messages()->Text().contains(QStringLiteral("is damaged")),
                 qPrintable(window->Messages()->Text()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    void anotherLogbookShowsItsOwnRuns()
    {
        const CarInputs car = program->Cars().At(0).Inputs();
        QVERIFY(page->AddSlip(madeRun(car, AirConditions(), 1)).isEmpty());
        const QString other = dir->filePath(QStringLiteral("club.sqlite"));
        QVERIFY(window->OpenLogbook(other));
        QCOMPARE(page->Runs()->rowCount(), 0);
        // The changes made to the other file are no longer there to undo.
        QCOMPARE(page->UndoStack()->count(), 0);
        page->UndoStack()->undo();
        QCOMPARE(runsInFile(logbookPath).size(), 1);
        QCOMPARE(runsInFile(other).size(), 0);
        QVERIFY(window->OpenLogbook(logbookPath));
        // Read on a worker thread.
        QTRY_COMPARE(page->Runs()->rowCount(), 1);
    }

    void aFitIsKeptUntilItsRunsOrCarChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("calibrations"); // started in all
        QTest::addColumn<bool>("fitted");      // a fit is shown after
        QTest::newRow("Calibrate again") << "calibrate" << 1 << true;
        QTest::newRow("the day's air") << "air" << 1 << true;
        QTest::newRow("the page shown again") << "show" << 1 << true;
        QTest::newRow("a run edited") << "run" << 2 << true;
        QTest::newRow("the car edited") << "car" << 2 << true;
        QTest::newRow("a run edited, the new fit cancelled") << "cancel" << 2 << false;
    }
    void aFitIsKeptUntilItsRunsOrCarChange()
    {
        QFETCH(QString, change);
        QFETCH(int, calibrations);
        QFETCH(bool, fitted);
        const CarInputs car = program->Cars().At(0).Inputs();
        for (int day = 1; day <= 4; ++day)
            QVERIFY(page->AddSlip(madeRun(car, AirConditions{ 50.0 + 10 * day, 29.5, 40 }, day)).isEmpty());
        page->Calibrate();
        QTRY_VERIFY(!page->Calibrating());
        QCOMPARE(page->CalibrationsStarted(), 1);
        const int quarterMile = static_cast<int>(SlipField::QuarterMileTime);
        if (change == "calibrate") {
            page->Calibrate();
        } else if (change == "air") {
            program->Settings().SetConditions(AirConditions{ 88, 29.1, 65 });
        } else if (change == "show") {
            window->Tabs()->setCurrentIndex(0);
            window->Tabs()->setCurrentIndex(3);
        } else if (change == "car") {
            program->Cars().EditNumber(0, InputField::Horsepower, car.horsepower + 20);
        } else {
            QVERIFY(page->Edits()->setData(page->Edits()->index(0, quarterMile), 13.5));
            if (change == "cancel") {
                QVERIFY(page->Calibrating());
                page->CancelButton()->click();
                QVERIFY(!page->Calibrating());
            }
        }
        QTRY_VERIFY(!page->Calibrating());
        // Refreshing the page after that makes no fit again.
        program->Settings().SetConditions(AirConditions{ 60, 29.8, 20 });
        QVERIFY(!page->Calibrating());
        QCOMPARE(page->CalibrationsStarted(), calibrations);
        QCOMPARE(page->CurrentCalibration().has_value(), fitted);
        if (fitted) {
            QCOMPARE(page->CurrentCalibration()->runs, page->Runs()->Runs());
            QCOMPARE(page->CurrentCalibration()->fit.typed, program->Cars().At(0).Inputs());
        }
    }

    // The dial-in chart plots each run at its day's density altitude, and
    // its line is the least-squares line of the runs: here they lie on a
    // known line, with one run off it left out of the altitude chart for
    // want of weather.
    void theDialInLineFollowsTheRuns()
    {
        const QList<AirConditions> days{ { 59, 29.92, 0 }, { 85, 29.1, 60 }, { 40, 30.1, 20 }, { 95, 28.5, 70 } };
        for (int day = 0; day < days.size(); ++day) {
            TimeSlip run;
            run.date = QDate(2024, 5, day + 1);
            run.temperature = days[day].temperature;
            run.pressure = days[day].pressure;
            run.humidity = days[day].humidity;
            run.quarterMileTime = 12.5 + 0.0001 * FiguresFor(days[day]).densityAltitude;
            run.quarterMileSpeed = 110 - 0.001 * FiguresFor(days[day]).densityAltitude;
            QVERIFY(page->AddSlip(run).isEmpty());
        }
        TimeSlip unweathered;
        unweathered.date = QDate(2024, 5, 9);
        unweathered.quarterMileTime = 15;
        unweathered.quarterMileSpeed = 90;
        QVERIFY(page->AddSlip(unweathered).isEmpty());
        const DialInCharts* dialIn = page->DialInView();
        QVERIFY(dialIn->TimeLine() && dialIn->SpeedLine());
        QVERIFY(std::abs(dialIn->TimeLine()->slope - 0.0001) < 1e-12);
        QVERIFY(std::abs(dialIn->TimeLine()->intercept - 12.5) < 1e-9);
        QVERIFY(std::abs(dialIn->SpeedLine()->slope + 0.001) < 1e-12);
        const QList<QAbstractSeries*> altitude = dialIn->AltitudeView()->chart()->series();
        QCOMPARE(static_cast<QXYSeries*>(altitude.at(0))->count(), days.size());
        const QList<QAbstractSeries*> byDate = dialIn->DateView()->chart()->series();
        QCOMPARE(static_cast<QXYSeries*>(byDate.at(0))->count(), days.size() + 1);
        QCOMPARE(static_cast<QXYSeries*>(byDate.at(1))->count(), days.size());
    }

    // On a 1366×768 laptop screen the page shows at least six runs and
    // every row of the report card, with no splitter moved.
    void aLaptopScreenShowsTheRunsAndTheWholeCard()
    {
        window->setGeometry(0, 0, 1366, 768);
        const CarInputs car = program->Cars().At(0).Inputs();
        for (int day = 1; day <= 8; ++day)
            QVERIFY(page->AddSlip(madeRun(car, AirConditions{ 50.0 + 5 * day, 29.5, 40 }, day)).isEmpty());
        QTRY_COMPARE(window->height(), 768);
        QApplication::processEvents();
        const QTableView* runsView = page->RunsView();
        const int sixRows = runsView->rowViewportPosition(5) + runsView->rowHeight(5);
        QVERIFY2(sixRows <= runsView->viewport()->height(), qPrintable(QString::number(runsView->viewport()->height())));
        const QTableWidget* card = page->ReportCardTable();
        const int last = card->rowCount() - 1;
        QVERIFY(card->isVisible());
        QVERIFY2(card->rowViewportPosition(last) + card->rowHeight(last) <= card->viewport()->height(),
                 qPrintable(QString::number(card->viewport()->height())));
        QVERIFY(card->horizontalHeader()->length() <= card->viewport()->width());
    }

    void slipsAreDrawnOneAPixel_data()
    {
        QTest::addColumn<QList<QPointF>>("points"); // s, ft
        QTest::addColumn<bool>("all");              // every point drawn
        QList<QPointF> many;
        for (int i = 0; i < 50000; ++i)
            many << QPointF(8 + 8.0 * i / 50000, 1320);
        QTest::newRow("a quarter mile of many runs") << many << false;
        QTest::newRow("a few runs") << QList<QPointF>{ { 1.9, 60 }, { 5.6, 330 }, { 8.7, 660 }, { 13.6, 1320 } }
                                    << true;
        QTest::newRow("outside the axes") << QList<QPointF>{ { 1000, 1320 }, { -1, 60 } } << false;
    }
    void slipsAreDrawnOneAPixel()
    {
        QFETCH(QList<QPointF>, points);
        QFETCH(bool, all);
        CurveCharts* charts = page->Charts();
        page->ChartTabs()->setCurrentWidget(charts);
        charts->SetSlipPoints(points);
        const QChart* chart = charts->DistanceView()->chart();
        QTRY_VERIFY(chart->plotArea().width() > 100);
        const QList<QPointF> shown = charts->ShownSlipPoints();
        if (all) {
            QCOMPARE(shown, points);
            return;
        }
        // One split of many runs lies along one row of pixels: no more
        // rings than the plot is wide, and together they cover the times
        // within the axes.
        const qreal width = chart->plotArea().width();
        QVERIFY2(shown.size() <= width + 1, qPrintable(QString::number(shown.size())));
        const auto* axis = static_cast<const QValueAxis*>(chart->axes(Qt::Horizontal).constFirst());
        const bool within = std::any_of(points.begin(), points.end(),
                                        [axis](const QPointF& p) { return p.x() >= 0 && p.x() <= axis->max(); });
        if (!within) {
            QVERIFY(shown.isEmpty());
            return;
        }
        const double span = std::min(16.0, axis->max()) - 8; // of the times given, 8 to 16 s
        QVERIFY2(shown.size() >= width * span / axis->max() - 2, qPrintable(QString::number(shown.size())));
        for (const QPointF& point : shown)
            QVERIFY(points.contains(point));
    }

    // A car's runs stay with it: its file takes the car's identity when it
    // is first saved with runs, and the runs follow that identity through
    // Save As, a move and a copy (which asks whether it is the same car).
    void runsFollowTheCarsIdentity_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("answer"); // CarFiles::SameCarAnswer
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("runs"); // of the car opened or saved last
        const int same = int(CarFiles::SameCarAnswer::Same);
        const int fresh = int(CarFiles::SameCarAnswer::New);
        QTest::newRow("save as") << "save as" << same << 0 << 1;
        QTest::newRow("moved, opened again") << "move" << same << 0 << 1;
        QTest::newRow("a file from before identities, saved as") << "no identity" << same << 0 << 1;
        QTest::newRow("a copy, the same car") << "copy" << same << 1 << 1;
        QTest::newRow("a copy, a new car") << "copy" << fresh << 1 << 0;
        QTest::newRow("a copy of a car not open, a new car") << "copy closed" << fresh << 1 << 0;
        QTest::newRow("a what-if variant kept, the same car") << "variant" << same << 1 << 1;
    }
    void runsFollowTheCarsIdentity()
    {
        QFETCH(QString, change);
        QFETCH(int, answer);
        QFETCH(int, asked);
        QFETCH(int, runs);
        CarFiles& files = program->Files();
        CarList& cars = program->Cars();
        int questions = 0;
        files.SetSameCarQuestion([&](const QString&, const QString&) {
            ++questions;
            return CarFiles::SameCarAnswer(answer);
        });
        QVERIFY(page->AddSlip(madeRun(cars.At(0).Inputs(), AirConditions(), 1)).isEmpty());
        const QString a = dir->filePath(QStringLiteral("a.trv"));
        const QString b = dir->filePath(QStringLiteral("b.trv"));
        QVERIFY(files.SaveCar(0, a));
        const QString identity = CarIdentityIn(QString::fromUtf8(readAll(a)));
        QVERIFY(!QUuid::fromString(identity).isNull());
        if (change == "save as") {
            QVERIFY(files.SaveCar(0, b));
            files.CloseCar(0);
            QVERIFY(files.OpenFile(b));
        } else if (change == "move") {
            files.CloseCar(0);
            QVERIFY(QFile::rename(a, b));
            QVERIFY(files.OpenFile(b));
        } else if (change == "no identity") {
            // Its runs are found by its path, and Save As gives it theirs.
            files.CloseCar(0);
            QVERIFY(VehicleFile::Save(a, VehicleFile::TextsInFileOrder(CarTexts::DefaultCar())).isEmpty());
            QVERIFY(files.OpenFile(a));
            QTRY_VERIFY(!page->Runs()->Loading());
            QCOMPARE(page->Runs()->rowCount(), 1);
            QVERIFY(files.SaveCar(0, b));
            files.CloseCar(0);
            QVERIFY(files.OpenFile(b));
        } else if (change.startsWith("copy")) {
            if (change == "copy closed")
                files.CloseCar(0);
            QVERIFY(QFile::copy(a, b));
            QVERIFY(files.OpenFile(b));
        } else {
            const int variant = cars.StartVariant(0, InputField::Horsepower, 400);
            QVERIFY(files.SaveCar(variant, b));
        }
        // A copy keeps the answer in its file once saved, and is not asked again.
        if (change.startsWith("copy"))
            QVERIFY(files.SaveCar(cars.Count() - 1, b));
        QCOMPARE(questions, asked);
        QCOMPARE(CarIdentityIn(QString::fromUtf8(readAll(b))) == identity, runs == 1);
        cars.SetCurrentRow(cars.Count() - 1);
        QTRY_VERIFY(!page->Runs()->Loading());
        QCOMPARE(page->Runs()->rowCount(), runs);
        // No run is lost, whatever the answer.
        QCOMPARE(runsInFile(logbookPath).size(), 1);
    }

    // Runs whose car is not open are listed; attached to the car shown, or
    // moved to another (open, or a car file chosen), each one step on the
    // logbook page's own undo stack, which Edit ▸ Undo follows on that page.
    void runsOfACarNotOpenAreAttached_data()
    {
        QTest::addColumn<QString>("to");
        QTest::newRow("attach to this car") << "this car";
        QTest::newRow("move to another car") << "Second";
        QTest::newRow("move to a car file") << "file";
        QTest::newRow("move to a car file with its identity") << "file with identity";
    }
    void runsOfACarNotOpenAreAttached()
    {
        QFETCH(QString, to);
        CarFiles& files = program->Files();
        CarList& cars = program->Cars();
        for (int day : { 1, 2 })
            QVERIFY(page->AddSlip(madeRun(cars.At(0).Inputs(), AirConditions(), day)).isEmpty());
        const QString a = dir->filePath(QStringLiteral("a.trv"));
        QVERIFY(VehicleFile::Save(a, VehicleFile::TextsInFileOrder(cars.At(0).Texts())).isEmpty());
        // The racer's other car, not open.
        const QString other = dir->filePath(QStringLiteral("other.trv"));
        const QString ownIdentity = QUuid::createUuid().toString(QUuid::WithoutBraces);
        QVERIFY(VehicleFile::Save(other, VehicleFile::TextsInFileOrder(CarTexts::DefaultCar())).isEmpty());
        if (to == "file with identity")
            writeAll(other, readAll(other) + "car=" + ownIdentity.toUtf8() + "\r\n");
        const QByteArray otherBytes = readAll(other);
        files.CloseCar(0); // the car without a file: its runs have no open car
        QVERIFY(files.OpenFile(a));
        cars.AddCar(QStringLiteral("Second"), CarTexts::DefaultCar());
        cars.SetCurrentRow(0);
        QTRY_VERIFY(!page->Runs()->Loading());
        QCOMPARE(page->Runs()->rowCount(), 0);
        QCOMPARE(page->CarsNotOpen().size(), 1);
        QCOMPARE(page->OtherCarsList()->count(), 1);
        const qint64 orphan = page->CarsNotOpen().front().id;
        const bool attach = to == "this car";
        const bool toFile = to.startsWith("file");
        page->SetCarQuestion([toFile](const QStringList& names) {
            return static_cast<int>(toFile ? names.size() - 1 : names.indexOf("Second"));
        });
        page->SetCarFileQuestion([other] { return other; });
        QPushButton* button = page->findChild<QPushButton*>(attach ? "attachRunsButton" : "moveRunsButton");
        QVERIFY(button->isEnabled());
        button->click();
        QCOMPARE(page->Runs()->rowCount(), attach ? 2 : 0);
        Logbook reader;
        QVERIFY(reader.Open(logbookPath, Logbook::OpenMode::Existing).isEmpty());
        std::optional<LoggedCar> logged;
        if (toFile) {
            // The file keeps its identity, or is given one, the rest as it was.
            const QString identity = CarIdentityIn(QString::fromUtf8(readAll(other)));
            QVERIFY(!identity.isEmpty());
            QCOMPARE(readAll(other), to == "file with identity" ? otherBytes
                                                                 : otherBytes + "car=" + identity.toUtf8() + "\r\n");
            logged = reader.FindCarByIdentity(identity).value;
            QVERIFY(logged);
            // Its runs are those of a car not open.
            QCOMPARE(page->CarsNotOpen().size(), 1);
            QCOMPARE(page->CarsNotOpen().front().id, logged->id);
        } else {
            const int row = cars.RowOf(attach ? cars.At(0).id : cars.At(1).id);
            logged = reader.FindCarOf(CarIdentityIn(cars.At(row).values.roadLines), cars.At(row).path,
                                      cars.At(row).name).value;
            QVERIFY(page->CarsNotOpen().isEmpty());
        }
        QVERIFY(logged);
        QCOMPARE(reader.Runs(logged->id).value.size(), 2);
        // Edit ▸ Undo on the logbook page takes the move back, not a car's edit.
        QAction* undo = window->findChild<QAction*>("undoAction");
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(reader.Runs(orphan).value.size(), 2);
        QCOMPARE(reader.Runs(logged->id).value.size(), 0);
        QCOMPARE(page->Runs()->rowCount(), 0);
        QCOMPARE(page->CarsNotOpen().size(), 1);
        QCOMPARE(page->CarsNotOpen().front().id, orphan);
        QCOMPARE(cars.Count(), 2);
        window->findChild<QAction*>("redoAction")->trigger();
        QCOMPARE(reader.Runs(orphan).value.size(), 0);
        QCOMPARE(runsInFile(logbookPath).size(), 2);
        // On another page, Edit ▸ Undo takes back the cars' last edit.
        window->Tabs()->setCurrentIndex(0);
        undo->trigger();
        QCOMPARE(cars.Count(), 1);
        QCOMPARE(reader.Runs(orphan).value.size(), 0);
        if (toFile) {
            // Opened, the other car shows the runs moved to it.
            QVERIFY(files.OpenFile(other));
            cars.SetCurrentRow(cars.Count() - 1);
            QTRY_VERIFY(!page->Runs()->Loading());
            QCOMPARE(page->Runs()->rowCount(), 2);
        }
    }

    // "Add a run" starts with no figure of the strip, on the day's air and
    // dated now; nothing is stored until a run is typed.
    void aNewRunStartsEmpty()
    {
        AirConditions hot{ 104, 28.9, 20 };
        program->Settings().SetConditions(hot);
        std::optional<TimeSlip> start;
        std::optional<TimeSlip> answer;
        page->SetRunQuestion([&](const TimeSlip& given) {
            start = given;
            return answer;
        });
        auto* add = page->findChild<QPushButton*>(QStringLiteral("addRunButton"));
        add->click();
        QVERIFY(start);
        QCOMPARE(start->date, QDate::currentDate());
        QCOMPARE(start->temperature, hot.temperature);
        QCOMPARE(start->pressure, hot.pressure);
        for (const SplitFigureInfo& figure : SplitFigures)
            QVERIFY(!((*start).*NumberMember(SlipFieldOf(figure))));
        QVERIFY(runsInFile(logbookPath).isEmpty());
        answer = *start;
        answer->quarterMileTime = 13.8;
        answer->quarterMileSpeed = 101.5;
        add->click();
        QCOMPARE(runsInFile(logbookPath).size(), 1);
    }

    // The entry's checks are the import's and the table's, with the
    // locale's decimal comma.
    void theEntryChecksEveryFigure_data()
    {
        QTest::addColumn<QStringList>("typed"); // field key, text, ...
        QTest::addColumn<QString>("problem");
        QTest::newRow("a slip with commas") << QStringList{ "quarterMileTime", "13,42", "quarterMileSpeed", "101,5",
                                                            "sixtyFootTime", "1,95", "reactionTime", "0,5" }
                                            << "";
        QTest::newRow("an eighth-mile slip") << QStringList{ "eighthMileTime", "8,9", "eighthMileSpeed", "80" } << "";
        QTest::newRow("no ET and no 1/8 time")
            << QStringList{ "quarterMileSpeed", "101,5" }
            << "A run needs the quarter-mile time and the quarter-mile speed, or the 1/8-mile time and the 1/8-mile "
               "speed.";
        QTest::newRow("an ET of 135") << QStringList{ "quarterMileTime", "135", "quarterMileSpeed", "101,5" }
                                      << "The quarter-mile time must lie between 3 and 30 s (it is 135).";
        QTest::newRow("an 1/8 speed of 830")
            << QStringList{ "eighthMileTime", "8,9", "eighthMileSpeed", "830" }
            << "The 1/8-mile speed must lie between 20 and 350 mph (it is 830).";
        QTest::newRow("60 ft too long") << QStringList{ "quarterMileTime", "13,8", "quarterMileSpeed", "101",
                                                        "sixtyFootTime", "4,2" }
                                        << "The 60-foot time must lie between 0,8 and 4 s (it is 4,2).";
        QTest::newRow("a reaction time of 3") << QStringList{ "quarterMileTime", "13,8", "quarterMileSpeed", "101",
                                                              "reactionTime", "3" }
                                              << "The reaction time must lie between 0 and 2 s, or down to -1,5 s for "
                                                 "a red light (it is 3).";
        QTest::newRow("splits that fall") << QStringList{ "quarterMileTime", "13,8", "quarterMileSpeed", "101",
                                                          "sixtyFootTime", "2,1", "threeThirtyFootTime", "1,9" }
                                          << "The 330-foot time (1,9 s) must be longer than the 60-foot time (2,1 s).";
        QTest::newRow("the weather's range") << QStringList{ "quarterMileTime", "13,8", "quarterMileSpeed", "101",
                                                             "humidity", "120" }
                                             << "The humidity must be between 0 and 100 %.";
        QTest::newRow("not a number") << QStringList{ "quarterMileTime", "13..8" }
                                      << "\"13..8\" is not a number for the quarter-mile time: write it with \",\" or "
                                         "\".\" as the decimal point.";
    }
    void theEntryChecksEveryFigure()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, problem);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            NewRunDialog dialog(page->NewRunStart(), page);
            for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
                dialog.Box(*SlipFieldFromKey(typed[i]))->setText(typed[i + 1]);
            TimeSlip run;
            QCOMPARE(dialog.Read(run), problem);
            // The day's pressure, shown with two decimals, is kept whole.
            QCOMPARE(run.pressure, page->NewRunStart().pressure);
            dialog.accept();
            QCOMPARE(dialog.result(), problem.isEmpty() ? int(QDialog::Accepted) : int(QDialog::Rejected));
            QCOMPARE(dialog.MessageLabel()->text().isEmpty(), problem.isEmpty());
        }
        QLocale::setDefault(before);
    }

    // A racer's sheet: its unknown column asked about once and remembered,
    // its two-way dates asked once an import, and the runs already kept
    // skipped the second time.
    void aRacersSheetIsImportedOnce()
    {
        const QString csv = dir->filePath(QStringLiteral("sheet.csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Date,Temp,Baro,RT,60ft,1/4 ET,1/4 MPH,Lane,Zeit\n"
                   "03/04/2026 14:30,71,29.4,0.5,1.95,13.8,101.5,L,x\n"
                   "05/04/2026 15:00,73,29.4,0.5,1.96,13.9,101.2,R,y\n");
        file.close();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        int columnQuestions = 0;
        int dateQuestions = 0;
        page->SetColumnsQuestion([&](const QStringList& headers, const QHash<QString, SlipColumn>&) {
            ++columnQuestions;
            [&] { QCOMPARE(headers, QStringList{ "Zeit" }); }();
            return std::optional(QHash<QString, SlipColumn>{ { "Zeit", SlipColumn{} } });
        });
        page->SetDateOrderQuestion([&](const QString& example) {
            ++dateQuestions;
            [&] { QCOMPARE(example, "03/04/2026 14:30"); }();
            return DateOrder::DayFirst;
        });
        const QSignalSpy outcomes(page, &LogbookPage::outcome);
        QCOMPARE(page->ImportRuns(csv), QString());
        QCOMPARE(page->ImportRuns(csv), QString());
        QLocale::setDefault(QLocale::c());
        QCOMPARE(columnQuestions, 1);
        QCOMPARE(dateQuestions, 2);
        const QList<TimeSlip> kept = runsInFile(logbookPath);
        QCOMPARE(kept.size(), 2);
        QCOMPARE(kept.front().date, QDate(2026, 4, 3));
        QCOMPARE(kept.front().reactionTime, 0.5);
        QVERIFY(outcomes.last().at(1).toString().endsWith("Runs skipped as already in the logbook: 2."));
    }

private:
    LogbookPage* page = nullptr;
    QString logbookPath;
};

QTEST_MAIN(TestGarageLogbook)
#include "tst_garage_logbook.moc"
