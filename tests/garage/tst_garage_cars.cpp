// SPDX-License-Identifier: GPL-3.0-or-later
// The car list as the garage's one model: every kind of edit undone and
// redone to the very same values, edits of one drag or one stretch of typing
// merged into one, the unsaved rule following the history, and the proxies
// that show some of the cars.
#include "core/CarRun.h"
#include "garage/CarList.h"
#include "garage/CarProxies.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <bit>

namespace {

enum class Edit { TypedValue, SliderValue, AllValues, Name, AddCar, CloseCar, StartVariant, KeepVariant };

// Everything a car list shows, to compare before and after.
struct Snapshot {
    QStringList names;
    QList<CarTexts> texts;
    QList<QList<quint64>> numbers; // each value's bits
    QList<bool> variants;
    QList<bool> unsaved;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshotOf(const CarList& cars)
{
    Snapshot s;
    for (int row = 0; row < cars.Count(); ++row) {
        const GarageCar& car = cars.At(row);
        s.names << car.name;
        s.texts << car.Texts();
        QList<quint64> bits;
        for (InputField field : AllInputFields)
            bits << std::bit_cast<quint64>(car.Inputs().Value(field));
        s.numbers << bits;
        s.variants << car.IsVariant();
        s.unsaved << cars.IsUnsaved(row);
    }
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestGarageCars : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        cars = std::make_unique<CarList>();
        cars->AddCar(QStringLiteral("Default car"), CarTexts::DefaultCar(), QStringLiteral("/cars/default.trv"));
        cars->AddCar(QStringLiteral("Second"), CarTexts::DefaultCar());
        cars->UndoStack()->clear();
    }

    void everyEditIsUndoneAndRedoneExactly_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::newRow("a typed value") << Edit::TypedValue;
        QTest::newRow("a slider's value") << Edit::SliderValue;
        QTest::newRow("every value at once") << Edit::AllValues;
        QTest::newRow("a name") << Edit::Name;
        QTest::newRow("adding a car") << Edit::AddCar;
        QTest::newRow("closing a car") << Edit::CloseCar;
        QTest::newRow("starting a variant") << Edit::StartVariant;
        QTest::newRow("keeping a variant") << Edit::KeepVariant;
    }
    void everyEditIsUndoneAndRedoneExactly()
    {
        QFETCH(Edit, edit);
        if (edit == Edit::KeepVariant) {
            cars->StartVariant(0, InputField::Horsepower, 400.25);
            cars->UndoStack()->clear();
        }
        const Snapshot before = snapshotOf(*cars);
        switch (edit) {
        case Edit::TypedValue: cars->EditText(0, InputField::CarWeight, QStringLiteral("3 250.5 lb")); break;
        case Edit::SliderValue: cars->EditNumber(0, InputField::DragCoefficient, 0.1 + 0.2); break;
        case Edit::AllValues: {
            CarInputs numbers = CarInputs::DefaultCar();
            numbers.horsepower = 1.0 / 3.0 * 1000;
            cars->EditNumbers(0, numbers);
            break;
        }
        case Edit::Name: cars->Rename(1, QStringLiteral("Renamed")); break;
        case Edit::AddCar: cars->AddCar(QStringLiteral("Third"), CarTexts::DefaultCar()); break;
        case Edit::CloseCar: cars->CloseCar(0); break;
        case Edit::StartVariant: cars->StartVariant(1, InputField::SpinTime, 1.5); break;
        case Edit::KeepVariant: cars->KeepVariant(2); break;
        }
        const Snapshot after = snapshotOf(*cars);
        QVERIFY(!(after == before));
        QCOMPARE(cars->UndoStack()->count(), 1);
        cars->UndoStack()->undo();
        QVERIFY(snapshotOf(*cars) == before);
        cars->UndoStack()->redo();
        QVERIFY(snapshotOf(*cars) == after);
    }

    void aDragIsOneEdit()
    {
        const int session = cars->NewSession();
        const int variant = cars->StartVariant(0, InputField::Horsepower, 346, session);
        for (int hp = 347; hp <= 420; ++hp)
            cars->EditNumber(variant, InputField::Horsepower, hp, session);
        QCOMPARE(cars->UndoStack()->count(), 1);
        QCOMPARE(cars->At(variant).Inputs().horsepower, 420.0);
        // The drag's first step made the variant: undoing takes it away.
        cars->UndoStack()->undo();
        QCOMPARE(cars->Count(), 2);
        cars->UndoStack()->redo();
        QCOMPARE(cars->At(cars->VariantRowOf(0)).Inputs().horsepower, 420.0);
        // Another field, or another drag, is another edit.
        cars->EditNumber(2, InputField::CarWeight, 3000, session);
        cars->EditNumber(2, InputField::CarWeight, 2900, cars->NewSession());
        QCOMPARE(cars->UndoStack()->count(), 3);
    }

    void typingBackTheTextLeavesNothingToUndo()
    {
        const int session = cars->NewSession();
        cars->EditText(0, InputField::Horsepower, QStringLiteral("3"), session);
        cars->EditText(0, InputField::Horsepower, QStringLiteral("34"), session);
        QVERIFY(cars->IsUnsaved(0));
        cars->EditText(0, InputField::Horsepower, QStringLiteral("345.00"), session);
        QCOMPARE(cars->UndoStack()->count(), 0);
        QVERIFY(!cars->IsUnsaved(0));
        QCOMPARE(cars->At(0).Texts(), CarTexts::DefaultCar());
    }

    void unsavedFollowsTheHistory()
    {
        QSignalSpy changed(cars.get(), &QAbstractItemModel::dataChanged);
        QVERIFY(cars->UnsavedRows().isEmpty());
        cars->EditText(0, InputField::SpinTime, QStringLiteral("1.00"));
        QCOMPARE(cars->UnsavedRows(), QList<int>{ 0 });
        // One change tells of the edit, the unsaved state with it.
        QCOMPARE(changed.count(), 1);
        QVERIFY(changed.first().at(2).value<QList<int>>().contains(CarList::UnsavedRole));
        QCOMPARE(cars->data(cars->index(0)).toString(), QStringLiteral("Default car*"));
        cars->UndoStack()->undo();
        QVERIFY(!cars->IsUnsaved(0));
        cars->UndoStack()->redo();
        cars->MarkSaved(0, QStringLiteral("/cars/default.trv"));
        QVERIFY(!cars->IsUnsaved(0));
        // The file now holds the edit: undoing it is a change again.
        cars->UndoStack()->undo();
        QVERIFY(cars->IsUnsaved(0));
        cars->UndoStack()->redo();
        QVERIFY(!cars->IsUnsaved(0));
        // After a save, undoing and editing differently is unsaved too.
        cars->UndoStack()->undo();
        cars->EditText(0, InputField::SpinTime, QStringLiteral("1.25"));
        QVERIFY(cars->IsUnsaved(0));
        // A name is not kept in the file: renaming is no unsaved change.
        cars->Rename(1, QStringLiteral("Other"));
        QVERIFY(!cars->IsUnsaved(1));
    }

    void variantsAreNeverUnsavedUntilKept()
    {
        const int variant = cars->StartVariant(0, InputField::Horsepower, 500);
        QVERIFY(!cars->IsUnsaved(variant));
        QCOMPARE(cars->At(variant).variantOf, cars->At(0).id);
        QCOMPARE(cars->VariantRowOf(0), variant);
        cars->KeepVariant(variant);
        QVERIFY(cars->IsUnsaved(variant));
        QCOMPARE(cars->At(variant).name, QStringLiteral("Default car (variant)"));
        QCOMPARE(cars->VariantRowOf(0), -1);
    }

    void aClosedBaseCarsVariantStaysIfItDiffers_data()
    {
        QTest::addColumn<double>("horsepower");
        QTest::addColumn<int>("left");
        QTest::newRow("a variant that differs stays") << 500.0 << 2;
        QTest::newRow("a variant like its base goes") << 345.0 << 1;
    }
    void aClosedBaseCarsVariantStaysIfItDiffers()
    {
        QFETCH(double, horsepower);
        QFETCH(int, left);
        const int variant = cars->StartVariant(1, InputField::SpinTime, 1.0);
        cars->EditNumber(variant, InputField::SpinTime, 0.75);
        cars->EditNumber(variant, InputField::Horsepower, horsepower);
        cars->SetCurrentRow(1);
        cars->CloseCar(1);
        QCOMPARE(cars->Count(), left);
        if (left == 2) {
            QVERIFY(!cars->At(1).IsVariant());
            QCOMPARE(cars->At(1).name, QStringLiteral("Second (variant)"));
            QVERIFY(cars->IsUnsaved(1));
        }
        cars->UndoStack()->undo();
        QCOMPARE(cars->Count(), 3);
        QCOMPARE(cars->CurrentRow(), 1); // the closed car is the current one again
        QCOMPARE(cars->VariantRowOf(1), 2);
    }

    void theNewCarIsCurrent()
    {
        QCOMPARE(cars->CurrentRow(), 1);
        const int row = cars->AddCar(QStringLiteral("Third"), CarTexts::DefaultCar());
        QCOMPARE(cars->CurrentRow(), row);
        QCOMPARE(cars->Selection()->currentIndex().data(CarList::NameRole).toString(), QStringLiteral("Third"));
    }

    void theViewsReadTheNumbersTheEngineRan()
    {
        cars->EditText(0, InputField::Horsepower, QStringLiteral("400"));
        const QModelIndex car = cars->index(0);
        QCOMPARE(car.data(CarList::InputsRole).value<CarInputs>().horsepower, 400.0);
        const auto evaluation = car.data(CarList::EvaluationRole).value<std::shared_ptr<const CarEvaluation>>();
        QCOMPARE(evaluation->results, RunCar(cars->At(0).Inputs()).results);
        QCOMPARE(car.data(CarList::TextsRole).value<CarTexts>()[InputField::Horsepower], QStringLiteral("400"));
    }

    // An evaluation a view holds stays whole while cars are added before it
    // (the list's storage moves), its car is edited or closed.
    void aHeldEvaluationOutlivesChanges()
    {
        const auto held = cars->index(1).data(CarList::EvaluationRole).value<std::shared_ptr<const CarEvaluation>>();
        const SimulationResults results = RunCar(cars->At(1).Inputs()).results;
        for (int i = 0; i < 40; ++i)
            cars->AddCar(QStringLiteral("Car %1").arg(i), CarTexts::DefaultCar());
        cars->EditNumber(1, InputField::Horsepower, 500);
        cars->CloseCar(1);
        QCOMPARE(held->results, results);
        QCOMPARE(held->curve.front(), (CurvePoint{ 0, 0, 0 }));
    }

    void proxiesShowSomeCars()
    {
        const int variant = cars->StartVariant(0, InputField::Horsepower, 500);
        BaseCarsModel bases(cars.get());
        QCOMPARE(bases.rowCount(), 2);
        ChosenCarsModel chosen(cars.get());
        chosen.SetCarIds({ cars->At(variant).id });
        QCOMPARE(chosen.rowCount(), 1);
        QCOMPARE(chosen.index(0, 0).data(CarList::IsVariantRole).toBool(), true);
        // A kept variant is a base car; a closed car leaves both proxies.
        cars->KeepVariant(variant);
        QCOMPARE(bases.rowCount(), 3);
        cars->CloseCar(variant);
        QCOMPARE(bases.rowCount(), 2);
        QCOMPARE(chosen.rowCount(), 0);
    }

    // The one car a page follows: its changes reach the page, no other
    // car's do; a kept variant is then its own base and is followed.
    void oneCarModelHearsOfItsCarAlone()
    {
        OneCarModel base(cars.get(), [this] { return cars->CurrentBaseRow(); });
        QSignalSpy changed(&base, &QAbstractItemModel::dataChanged);
        QCOMPARE(base.index(0, 0).data(CarList::NameRole).toString(), QStringLiteral("Second"));
        cars->EditText(0, InputField::Horsepower, QStringLiteral("400"));
        QCOMPARE(changed.count(), 0);
        cars->EditText(1, InputField::Horsepower, QStringLiteral("400"));
        QCOMPARE(changed.count(), 1);
        const int variant = cars->StartVariant(1, InputField::Horsepower, 500);
        cars->SetCurrentRow(variant);
        QCOMPARE(base.index(0, 0).data(CarList::NameRole).toString(), QStringLiteral("Second"));
        changed.clear();
        cars->KeepVariant(variant);
        QCOMPARE(base.rowCount(), 1);
        QCOMPARE(base.index(0, 0).data(CarList::IdRole).toInt(), cars->At(variant).id);
        QCOMPARE(changed.count(), 1);
        QVERIFY(changed.first().at(2).value<QList<int>>().contains(CarList::IsVariantRole));
        cars->SetCurrentRow(-1);
        QCOMPARE(base.rowCount(), 0);
    }

    // The difference column comes and goes with its cars, announced as a
    // column inserted or removed, and its persistent indexes follow a sort.
    void theDifferenceColumnIsAnExtraColumn()
    {
        ComparisonModel comparison(cars.get());
        ChosenColumnsModel chosen(&comparison);
        DifferenceColumnModel differences(&chosen);
        QAbstractItemModelTester tester(&differences, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int first = cars->At(0).id;
        const int second = cars->At(1).id;
        chosen.SetCarIds({ first, second });
        QCOMPARE(differences.columnCount(), 2);
        differences.SetCars(second, first);
        QCOMPARE(differences.DifferenceColumn(), 2);
        cars->EditNumber(1, InputField::Horsepower, 500);
        const int row = chosen.rowCount() / 2;
        const QPersistentModelIndex held = differences.index(row, 2);
        const QString shown = held.data().toString();
        QVERIFY(shown.startsWith(QStringLiteral("−")));
        chosen.sort(0, Qt::DescendingOrder);
        QCOMPARE(held.column(), 2);
        QCOMPARE(held.data().toString(), shown);
        QCOMPARE(differences.index(held.row(), 0).data(), chosen.index(held.row(), 0).data());
        // The reference no longer shown takes the column with it.
        chosen.SetCarIds({ second });
        QCOMPARE(differences.DifferenceColumn(), -1);
        QCOMPARE(differences.columnCount(), 1);
        QVERIFY(!held.isValid());
        chosen.SetCarIds({ first, second });
        QCOMPARE(differences.DifferenceColumn(), 2);
    }

private:
    std::unique_ptr<CarList> cars;
};

QTEST_MAIN(TestGarageCars)
#include "tst_garage_cars.moc"
