// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of a car file's road keys: the classic reader still takes a file
// with keys after its nine values, the keys are read with their values and
// kept as written, a bad line is refused with a message naming it, and the
// road model's car and range messages follow from the nine inputs and the
// keys.
#include "core/RoadKeys.h"
#include "core/VehicleFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(RoadProblem)

namespace {

const QByteArray nineValues = "345.00\r\n0.29\r\n3400.00\r\n5.20\r\n13.61\r\n22.00\r\n5\r\n2\r\n0.75\r\n";
const QStringList nineWords = { "345.00", "0.29", "3400.00", "5.20", "13.61", "22.00", "5", "2", "0.75" };

} // namespace

class TestRoadKeys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void classicReaderTakesTheKeys();
    void refusesABadLine_data();
    void refusesABadLine();
    void keepsTheKeysAsWritten();
    void keepsTheCarsIdentity();
    void roadCarFromTheInputs();
    void rangeMessages_data();
    void rangeMessages();

private:
    QTemporaryDir dir;
};

void TestRoadKeys::classicReaderTakesTheKeys()
{
    const QByteArray bytes = nineValues + "engine=electric\r\ndrivetrain = awd\r\n\r\ntorque=1050\r\nfrontalArea=25.2\r\n";
    const QString path = dir.filePath("road.trv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const VehicleFile::Words loaded = VehicleFile::Load(path);
    QCOMPARE(loaded.error, QString());
    QCOMPARE(loaded.words, nineWords);
    QCOMPARE(loaded.tailFirstLine, 10);

    const RoadKeysRead read = ReadRoadKeys(loaded.tail, loaded.tailFirstLine, "road.trv");
    QCOMPARE(read.error, QString());
    QCOMPARE(read.keys.car.engine, EngineKind::Electric);
    QCOMPARE(read.keys.car.drivetrain, Drivetrain::AllWheel);
    QCOMPARE(read.keys.car.torque, 1050.0);
    QCOMPARE(read.keys.frontalArea, 25.2);
    QVERIFY(!read.keys.car.redline);
    QCOMPARE(read.keys.lines.size(), 4);

    // The nine values on one line: the keys follow on the next.
    const RoadKeysRead oneLine = ReadRoadKeys(
        VehicleFile::Decode("345 0.29 3400 5.2 13.61 22 5 2 0.75 ignored\ngears=6\n", "x.trv").tail, 2, "x.trv");
    QCOMPARE(oneLine.keys.car.gears, 6);
}

void TestRoadKeys::refusesABadLine_data()
{
    QTest::addColumn<QString>("tail");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown key") << "engine=combustion\ngearz=6"
                                 << "car.trv, line 11: \"gearz\" is not a key of a Torvane car file (engine, drivetrain, "
                                    "transmission, gears, powerRpm, torque, torqueRpm, redline, frontalArea, tires, "
                                    "surface). Nothing was loaded.";
    QTest::newRow("no equals sign") << "redline 7000"
                                    << "car.trv, line 10: \"redline 7000\" is not a line of the form key=value. "
                                       "Nothing was loaded.";
    QTest::newRow("a word not taken") << "transmission=sequential"
                                      << "car.trv, line 10: The value of transmission must be one of manual, "
                                         "automatic, dct, automated, cvt, direct. Nothing was loaded.";
    QTest::newRow("not a number") << "redline=7000rpm"
                                  << "car.trv, line 10: The value of redline must be a number. Nothing was loaded.";
    QTest::newRow("a comma") << "frontalArea=22,5"
                             << "car.trv, line 10: The value of frontalArea must be a number. Nothing was loaded.";
    QTest::newRow("out of range") << "redline=30000"
                                  << "car.trv, line 10: The redline must be between 1000.00 and 25000.00. Nothing "
                                     "was loaded.";
    QTest::newRow("half a gear") << "gears=6.5"
                                 << "car.trv, line 10: The number of gears must be between 1 and 10. Nothing was loaded.";
}

void TestRoadKeys::refusesABadLine()
{
    QFETCH(QString, tail);
    QFETCH(QString, message);
    const RoadKeysRead read = ReadRoadKeys(tail, 10, "car.trv");
    QCOMPARE(read.error, message);
    QVERIFY(read.keys.IsEmpty());
}

// Setting, changing and removing keys keeps every other line as it was
// read, so that a save writes back what it read.
void TestRoadKeys::keepsTheKeysAsWritten()
{
    // A key given twice counts by its last line; both lines are kept.
    const RoadKeys twice = ReadRoadKeys("tires=street\ntires=summer\n", 10, "car.trv").keys;
    QCOMPARE(twice.car.tires, TireKind::Summer);
    QCOMPARE(twice.Text(RoadKey::Tires), QStringLiteral("summer"));
    QCOMPARE(EncodeRoadKeys(twice), QByteArray("tires=street\r\ntires=summer\r\n"));

    RoadKeys keys = ReadRoadKeys("tires=summer\nredline = 7000\nsurface=street\n", 10, "car.trv").keys;
    QCOMPARE(EncodeRoadKeys(keys), QByteArray("tires=summer\r\nredline=7000\r\nsurface=street\r\n"));
    QCOMPARE(keys.Set(RoadKey::Redline, "7500"), QString());
    QCOMPARE(keys.Set(RoadKey::Gears, "7"), QString());
    QCOMPARE(keys.Set(RoadKey::Tires, ""), QString());
    QCOMPARE(EncodeRoadKeys(keys), QByteArray("redline=7500\r\nsurface=street\r\ngears=7\r\n"));
    QVERIFY(!keys.car.tires);
    QCOMPARE(keys.car.redline, 7500.0);
    QVERIFY(!keys.Set(RoadKey::Gears, "eleven").isEmpty());
    QCOMPARE(keys.car.gears, 7);
    QCOMPARE(SetRoadKey(keys, "engine=electric"), QString());
    QCOMPARE(keys.Text(RoadKey::Engine), QStringLiteral("electric"));
    QVERIFY(SetRoadKey(keys, "spin=1").startsWith("\"spin\" is not a key"));
}

// The car's identity is a line of its own: read without a message, and
// written back byte for byte; setting it changes its value alone.
void TestRoadKeys::keepsTheCarsIdentity()
{
    const QString tail = "tires=summer\r\ncar = 1b2c-99 \r\nredline=7000\r\n";
    const RoadKeysRead read = ReadRoadKeys(tail, 10, "car.trv");
    QCOMPARE(read.error, QString());
    QCOMPARE(read.keys.car.redline, 7000.0);
    QCOMPARE(CarIdentityIn(tail), "1b2c-99");
    QCOMPARE(WithCarIdentity(tail, "1b2c-99"), tail);
    QCOMPARE(WithCarIdentity(tail, "77"), "tires=summer\r\ncar = 77 \r\nredline=7000\r\n");
    QCOMPARE(CarIdentityIn("tires=summer"), QString());
    QCOMPARE(WithCarIdentity("tires=summer", "77"), "tires=summer\r\ncar=77\r\n");
    QCOMPARE(WithCarIdentity(QString(), "77"), "car=77\r\n");
}

void TestRoadKeys::roadCarFromTheInputs()
{
    const CarInputs inputs = CarInputs::DefaultCar();
    RoadCar car = RoadCarOf(inputs, {});
    QCOMPARE(car.horsepower, inputs.horsepower);
    QCOMPARE(car.weight, inputs.carWeight);
    QCOMPARE(car.frontalArea, inputs.FrontalArea());
    QCOMPARE(car.gears, inputs.availableShifts + 1);

    RoadKeys keys;
    QCOMPARE(keys.Set(RoadKey::FrontalArea, "19.5"), QString());
    QCOMPARE(keys.Set(RoadKey::Transmission, "cvt"), QString());
    car = RoadCarOf(inputs, keys);
    QCOMPARE(car.frontalArea, 19.5);
    QVERIFY(!car.gears); // a CVT has no gears to count
    QCOMPARE(keys.Set(RoadKey::Transmission, "manual"), QString());
    QCOMPARE(keys.Set(RoadKey::Gears, "4"), QString());
    QCOMPARE(RoadCarOf(inputs, keys).gears, 4);
}

void TestRoadKeys::rangeMessages_data()
{
    QTest::addColumn<RoadProblem>("problem");
    QTest::addColumn<QString>("message");
    QTest::newRow("fine") << RoadProblem{} << QString();
    QTest::newRow("weight") << RoadProblem{ RoadProblemKind::OutOfRange, RoadField::Weight }
                            << "The car weight must be between 500.00 and 8000.00";
    QTest::newRow("horsepower") << RoadProblem{ RoadProblemKind::OutOfRange, RoadField::Horsepower }
                                << "The horsepower must be between  10.00 and 2000.00";
    QTest::newRow("gears") << RoadProblem{ RoadProblemKind::OutOfRange, RoadField::Gears }
                           << "The number of gears must be between 1 and 10";
    QTest::newRow("peaks") << RoadProblem{ RoadProblemKind::PowerPeakAboveRedline, RoadField::PowerRpm }
                           << "The engine speed of peak power must not be above the redline";
}

void TestRoadKeys::rangeMessages()
{
    QFETCH(RoadProblem, problem);
    QFETCH(QString, message);
    QCOMPARE(RoadProblemMessage(problem), message);
}

QTEST_GUILESS_MAIN(TestRoadKeys)
#include "tst_roadkeys.moc"
