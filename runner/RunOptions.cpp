// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/RunOptions.h"

#include "core/VehicleFile.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QThread>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// `text` broken at its spaces into lines of at most 78 characters.
QString wrapped(const QString& text)
{
    QString lines;
    qsizetype column = 0;
    for (const QString& word : text.split(u' ')) {
        if (!lines.isEmpty()) {
            const bool fits = column + 1 + word.size() <= 78;
            lines += fits ? u' ' : u'\n';
            column = fits ? column + 1 : 0;
        }
        lines += word;
        column += word.size();
    }
    return lines;
}

// "NAME=REST": the input or the road key NAME names, and REST; or an error
// naming the option. A road key is a NAME only with --model road.
struct NamedValue {
    InputField field = InputField::Horsepower;
    std::optional<RoadKey> roadKey;
    QString value;
    QString error;
};

NamedValue splitNamed(const QString& option, const QString& argument, const QString& form, bool road)
{
    NamedValue named;
    const qsizetype equals = argument.indexOf(u'=');
    if (equals < 0) {
        named.error = QStringLiteral("%1 '%2': %3 expected").arg(option, argument, form);
        return named;
    }
    const QString name = argument.left(equals);
    named.value = argument.mid(equals + 1);
    if (const std::optional<InputField> field = FieldFromKey(name)) {
        named.field = *field;
        return named;
    }
    named.roadKey = RoadKeyFromName(name);
    if (named.roadKey && !road)
        named.error = QStringLiteral("%1: %2 is a road key, which only --model road takes").arg(option, name);
    else if (!named.roadKey && road)
        named.error = QStringLiteral("%1: unknown input '%2'; the inputs are %3; the road keys are %4")
                          .arg(option, name, InputNames(), RoadKeyNames());
    else if (!named.roadKey)
        named.error = QStringLiteral("%1: unknown input '%2'; the inputs are %3")
                          .arg(option, name, InputNames());
    return named;
}

// A whole argument as a number, in the C locale's form.
std::optional<double> numberFrom(const QString& text)
{
    const std::string bytes = text.toStdString();
    double value = 0;
    const auto [end, ec] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    if (ec != std::errc() || end != bytes.data() + bytes.size() || bytes.empty())
        return std::nullopt;
    return value;
}

// The road keys that are numbers: "gears, powerRpm, ...".
QString numberRoadKeyNames()
{
    QStringList names;
    for (RoadKey key : AllRoadKeys)
        if (RoadKeyWords(key).isEmpty())
            names.append(RoadKeyName(key));
    return names.join(QStringLiteral(", "));
}

QString parseSweep(const QString& argument, RunOptions& options, bool road)
{
    const QString form = QStringLiteral("NAME=FROM:TO:STEP");
    if (options.sweeps.size() == MaxSweeps)
        return QStringLiteral("at most two --sweep may be given");
    const NamedValue named = splitNamed(QStringLiteral("--sweep"), argument, form, road);
    if (!named.error.isEmpty())
        return named.error;
    // A choice has no values between its words to step through.
    if (named.roadKey && !RoadKeyWords(*named.roadKey).isEmpty())
        return QStringLiteral("--sweep: %1 is not a number; the road keys swept are those that are: %2")
            .arg(RoadKeyName(*named.roadKey), numberRoadKeyNames());
    const QStringList numbers = named.value.split(u':');
    if (numbers.size() != 3)
        return QStringLiteral("--sweep '%1': %2 expected").arg(argument, form);
    const std::optional<double> from = numberFrom(numbers[0]);
    const std::optional<double> to = numberFrom(numbers[1]);
    const std::optional<double> step = numberFrom(numbers[2]);
    if (!from || !to || !step || !std::isfinite(*from) || !std::isfinite(*to)
        || !std::isfinite(*step))
        return QStringLiteral("--sweep '%1': FROM, TO and STEP must be finite numbers")
            .arg(argument);
    if (!(*step > 0))
        return QStringLiteral("--sweep '%1': STEP must be greater than 0").arg(argument);
    if (*from > *to)
        return QStringLiteral("--sweep '%1': FROM must not be greater than TO").arg(argument);
    const Sweep made{ named.field, named.roadKey, *from, *to, *step };
    for (const Sweep& other : options.sweeps)
        if (other.Name() == made.Name())
            return QStringLiteral("--sweep: %1 is swept twice").arg(made.Name());
    options.sweeps.push_back(made);
    return QString();
}

// --temperature, --pressure, --humidity: a number in the box's range, with
// the core's message for a value outside it.
QString parseAir(const QString& option, const QString& argument, AirField field, double& value)
{
    const std::optional<double> number = numberFrom(argument);
    if (!number || !std::isfinite(*number))
        return QStringLiteral("%1 '%2': a number expected").arg(option, argument);
    const QString range = AirFieldMessage(field, *number);
    if (!range.isEmpty())
        return QStringLiteral("%1 '%2': %3").arg(option, argument, range);
    value = *number;
    return QString();
}

QString parseJobs(const QString& argument, RunOptions& options)
{
    const std::string bytes = argument.toStdString();
    int jobs = 0;
    const auto [end, ec] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), jobs);
    if (ec != std::errc() || end != bytes.data() + bytes.size() || jobs < 1 || jobs > MaxJobs)
        return QStringLiteral("--jobs '%1': a whole number from 1 to %2 expected")
            .arg(argument)
            .arg(MaxJobs);
    options.jobs = jobs;
    return QString();
}

QString parseSet(const QString& argument, RunOptions& options, bool road)
{
    const NamedValue named = splitNamed(QStringLiteral("--set"), argument,
                                        QStringLiteral("NAME=VALUE"), road);
    if (!named.error.isEmpty())
        return named.error;
    if (!named.roadKey) {
        options.changes.push_back({ named.field, named.value });
        return QString();
    }
    // A road key's value is checked here, as a file's key line is read.
    RoadKeys probe;
    if (const QString error = SetRoadKey(probe, argument); !error.isEmpty())
        return QStringLiteral("--set '%1': %2").arg(argument, error);
    options.roadChanges.append(argument);
    return QString();
}

QString parseModel(const QString& argument, RunOptions& options)
{
    for (CarModel model : { CarModel::Classic, CarModel::Road }) {
        if (argument != ModelName(model))
            continue;
        if (options.modelGiven && options.model != model)
            return QStringLiteral("--model classic and --model road cannot be given together");
        options.model = model;
        options.modelGiven = true;
        return QString();
    }
    return QStringLiteral("--model '%1': classic or road expected").arg(argument);
}

// Whether the options end here, and why when they end in an error.
QString finish(RunOptions& options)
{
    if (options.files.isEmpty())
        return QStringLiteral("no FILE given");
    if (options.elevation && !options.pressureGiven && !options.altimeterSetting)
        return QStringLiteral("--elevation needs --altimeter or --pressure");
    if (options.altimeterSetting) {
        const double elevation = options.elevation.value_or(0);
        if (const QString range = AltimeterMessage(*options.altimeterSetting, elevation); !range.isEmpty())
            return QStringLiteral("--altimeter: %1").arg(range);
        options.air.pressure = StationPressureFromAltimeter(*options.altimeterSetting, elevation);
    }
    // Each count within what is left of the bound, so the product cannot
    // overflow.
    long long runs = options.files.size();
    for (Sweep& sweep : options.sweeps) {
        sweep.count = SweepCount(sweep, MaxRuns / runs);
        runs *= sweep.count;
        if (runs > MaxRuns)
            return QStringLiteral("the sweeps would make more than %1 runs").arg(MaxRuns);
    }
    return QString();
}

// The argument that an unknown option name came from: "--bogus" for
// "bogus", "-x" for "x" (a letter of a group such as "-xj").
QString unknownArgument(const QString& name, const QStringList& arguments)
{
    for (const QString& word : arguments) {
        if (word == QLatin1String("--"))
            break;
        if (word == QLatin1String("--") + name || word.startsWith(QLatin1String("--") + name + u'='))
            return word;
    }
    return u'-' + name;
}

// The usage error of a command line the parser could not take apart.
QString parserError(const QCommandLineParser& parser, const QStringList& arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("unknown option '%1'").arg(unknownArgument(unknown.front(), arguments));
    // The parser's own texts, made with the same translation call, tell a
    // missing value from an unexpected one.
    const QString error = parser.errorText();
    const auto missing = [&error](const char* option) {
        return error == QCommandLineParser::tr("Missing value after '%1'.").arg(QLatin1String(option));
    };
    if (missing("--set"))
        return QStringLiteral("--set needs NAME=VALUE");
    if (missing("--sweep"))
        return QStringLiteral("--sweep needs NAME=FROM:TO:STEP");
    if (missing("--jobs"))
        return QStringLiteral("--jobs needs N");
    if (missing("--model"))
        return QStringLiteral("--model needs classic or road");
    for (const char* option : { "--temperature", "--pressure", "--humidity", "--altimeter", "--elevation" })
        if (missing(option))
            return QStringLiteral("%1 needs a number").arg(QLatin1String(option));
    const qsizetype open = error.indexOf(u'\'');
    const qsizetype close = error.lastIndexOf(u'\'');
    if (open >= 0 && close > open)
        return QStringLiteral("%1 takes no value").arg(error.mid(open + 1, close - open - 1));
    return error;
}

} // namespace

ParsedOptions ParseOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption csv(QStringLiteral("csv"));
    const QCommandLineOption model(QStringLiteral("model"), QString(), QStringLiteral("MODEL"));
    const QCommandLineOption set(QStringLiteral("set"), QString(), QStringLiteral("NAME=VALUE"));
    const QCommandLineOption sweep(QStringLiteral("sweep"), QString(),
                                   QStringLiteral("NAME=FROM:TO:STEP"));
    const QCommandLineOption jobs(QStringLiteral("jobs"), QString(), QStringLiteral("N"));
    const QCommandLineOption temperature(QStringLiteral("temperature"), QString(), QStringLiteral("F"));
    const QCommandLineOption pressure(QStringLiteral("pressure"), QString(), QStringLiteral("INHG"));
    const QCommandLineOption humidity(QStringLiteral("humidity"), QString(), QStringLiteral("PERCENT"));
    const QCommandLineOption altimeter(QStringLiteral("altimeter"), QString(), QStringLiteral("INHG"));
    const QCommandLineOption elevation(QStringLiteral("elevation"), QString(), QStringLiteral("FT"));
    const QCommandLineOption splits(QStringLiteral("splits"));
    const QCommandLineOption slips(QStringLiteral("slips"), QString(), QStringLiteral("FILE.csv"));
    const QCommandLineOption help(QStringList{ QStringLiteral("h"), QStringLiteral("help") });
    const QCommandLineOption version(QStringList{ QStringLiteral("v"), QStringLiteral("version") });
    parser.addOptions({ json, csv, model, set, sweep, jobs, temperature, pressure, humidity, altimeter,
                        elevation, splits, slips, help, version });

    ParsedOptions parsed;
    RunOptions& options = parsed.options;
    options.jobs = std::clamp(QThread::idealThreadCount(), 1, MaxJobs);
    if (!parser.parse(QStringList{ QStringLiteral("torvane-run") } + arguments)) {
        parsed.error = parserError(parser, arguments);
        return parsed;
    }
    // The options in the order given, each with its value: the first that
    // is wrong, or --help or --version, ends the reading.
    const QStringList sets = parser.values(set);
    const QStringList sweeps = parser.values(sweep);
    const QStringList jobCounts = parser.values(jobs);
    const QStringList models = parser.values(model);
    qsizetype nextSet = 0;
    qsizetype nextSweep = 0;
    qsizetype nextJobs = 0;
    qsizetype nextModel = 0;
    // A road key is a NAME of --set and --sweep wherever --model road
    // stands.
    const bool road = models.contains(ModelName(CarModel::Road));
    double altimeterSetting = 0;
    double elevationFeet = 0;
    // The day's air: each option's values in order, as for --set.
    struct AirOption {
        const QCommandLineOption& option;
        AirField field;
        double& value;
        QStringList values;
        qsizetype next = 0;
    };
    AirOption airOptions[] = {
        { temperature, AirField::Temperature, options.air.temperature, parser.values(temperature) },
        { pressure, AirField::Pressure, options.air.pressure, parser.values(pressure) },
        { humidity, AirField::Humidity, options.air.humidity, parser.values(humidity) },
        { altimeter, AirField::AltimeterSetting, altimeterSetting, parser.values(altimeter) },
        { elevation, AirField::Elevation, elevationFeet, parser.values(elevation) },
    };
    std::optional<OutputFormat> chosenFormat;
    for (const QString& name : parser.optionNames()) {
        if (help.names().contains(name)) {
            options.help = true;
            return parsed;
        }
        if (version.names().contains(name)) {
            options.version = true;
            return parsed;
        }
        if (name == json.names().front() || name == csv.names().front()) {
            const OutputFormat format = name == json.names().front() ? OutputFormat::Json
                                                                     : OutputFormat::Csv;
            if (chosenFormat && *chosenFormat != format)
                parsed.error = QStringLiteral("--json and --csv cannot be given together");
            chosenFormat = format;
            options.format = format;
        } else if (name == model.names().front()) {
            parsed.error = parseModel(models[nextModel++], options);
        } else if (name == set.names().front()) {
            parsed.error = parseSet(sets[nextSet++], options, road);
        } else if (name == sweep.names().front()) {
            parsed.error = parseSweep(sweeps[nextSweep++], options, road);
        } else if (name == jobs.names().front()) {
            parsed.error = parseJobs(jobCounts[nextJobs++], options);
        } else if (name == splits.names().front()) {
            options.splits = true;
        } else if (name == slips.names().front()) {
            if (!options.slips.isEmpty())
                parsed.error = QStringLiteral("--slips can be given only once");
            options.slips = parser.value(slips);
        }
        for (AirOption& air : airOptions)
            if (name == air.option.names().front())
                parsed.error = parseAir(QStringLiteral("--") + name, air.values[air.next++], air.field,
                                        air.value);
        if (parsed.error.isEmpty() && name == pressure.names().front())
            options.pressureGiven = true;
        if (parsed.error.isEmpty() && name == altimeter.names().front())
            options.altimeterSetting = altimeterSetting;
        if (parsed.error.isEmpty() && name == elevation.names().front())
            options.elevation = elevationFeet;
        if (parsed.error.isEmpty() && options.pressureGiven && options.altimeterSetting)
            parsed.error = QStringLiteral("--pressure and --altimeter cannot be given together");
        if (!parsed.error.isEmpty())
            return parsed;
    }
    // The road model's figures are a road test's, so the day's air it runs
    // in is, field by field where none is given, the day road tests are
    // corrected to rather than the classic law's standard day.
    if (options.model == CarModel::Road) {
        if (parser.values(temperature).isEmpty())
            options.air.temperature = RoadTestDay::Temperature;
        if (!options.pressureGiven && !options.altimeterSetting)
            options.air.pressure = RoadTestDay::Pressure;
        if (parser.values(humidity).isEmpty())
            options.air.humidity = RoadTestDay::Humidity;
    }
    options.files = parser.positionalArguments();
    parsed.error = finish(options);
    return parsed;
}

long long SweepCount(const Sweep& sweep, long long limit)
{
    // The values rise with k (a product and a sum, each rounded, never fall
    // as k grows), so the values taken are those of k below the first that
    // fails: found by doubling, then halving.
    const double last = sweep.to + sweep.step * 1e-9;
    const auto taken = [&](long long k) {
        const double value = sweep.Value(k);
        return std::isfinite(value) && value <= last;
    };
    if (!taken(0))
        return 0;
    long long low = 0; // taken
    long long high = 1;
    while (taken(high)) {
        if (high > limit)
            return limit + 1;
        low = high;
        high *= 2;
    }
    while (high - low > 1) {
        const long long middle = low + (high - low) / 2;
        (taken(middle) ? low : high) = middle;
    }
    return std::min(low + 1, limit + 1);
}

QString ModelName(CarModel model)
{
    return model == CarModel::Road ? QStringLiteral("road") : QStringLiteral("classic");
}

QString Sweep::Name() const
{
    return roadKey ? RoadKeyName(*roadKey) : FieldKey(field);
}

QString RunOptions::PressureWarning() const
{
    const double at = elevation.value_or(0);
    if (altimeterSetting)
        return PressureKindWarning(PressureKind::Altimeter, *altimeterSetting, at);
    // A station pressure alone keeps the warning-free bytes it always had:
    // without the track's elevation there is no standard to hold it to.
    if (pressureGiven && elevation)
        return PressureKindWarning(PressureKind::Station, air.pressure, at);
    return QString();
}

long long RunOptions::RunsPerCar() const
{
    long long runs = 1;
    for (const Sweep& sweep : sweeps)
        runs *= sweep.count;
    return runs;
}

QString InputNames()
{
    QStringList names;
    for (InputField field : VehicleFile::FileOrder)
        names.append(FieldKey(field));
    return names.join(QStringLiteral(", "));
}

QString RoadKeyNames()
{
    QStringList names;
    for (RoadKey key : AllRoadKeys)
        names.append(RoadKeyName(key));
    return names.join(QStringLiteral(", "));
}

QString UsageLine()
{
    return QStringLiteral("Usage: torvane-run [--json | --csv] [--model classic|road]\n"
                          "                   [--set NAME=VALUE]... [--sweep NAME=FROM:TO:STEP]...\n"
                          "                   [--jobs N] [--splits] [--temperature F]\n"
                          "                   [--pressure INHG | --altimeter INHG] [--elevation FT]\n"
                          "                   [--humidity PERCENT] [--slips FILE.csv] FILE...");
}

QString HelpText()
{
    return UsageLine() + QStringLiteral(R"(
Runs the acceleration of each car in the vehicle data files (.trv) and writes
its results: an aligned table by default. A FILE of - reads one car from
standard input.

Options:
  --json                 write one JSON array, an object per car
  --csv                  write CSV: a header row, then a row per car
  --model classic|road   run the classic law (the default), or the road
                         model, which also reads the road keys after each
                         file's nine values (one key=value a line); JSON
                         and CSV then name the model
  --set NAME=VALUE       give input NAME of every car the text VALUE before
                         it is checked; may be given more than once
  --sweep NAME=FROM:TO:STEP
                         run every car once for each value FROM, FROM+STEP,
                         ... up to TO; a second --sweep makes a grid, the
                         first varying slowest
  --jobs N               run the cars on N threads (default: one for each
                         core); the output is the same for every N
  --temperature F        run every car in air of F degrees Fahrenheit (-40
                         to 140; default 77, with --model road 60)
  --pressure INHG        ... at a station (uncorrected) barometric pressure
                         of INHG inches of mercury (20 to 32; default
                         29.235, that is 99 kPa, with --model road 29.92)
  --altimeter INHG       ... or at the station pressure that this altimeter
                         setting (20 to 32) stands for at --elevation
  --elevation FT         the track's elevation in feet (-1500 to 14000;
                         default 0), with --altimeter or --pressure; a
                         pressure more than 1.5 inHg from the standard one
                         of its kind there is warned of
  --humidity PERCENT     ... at this relative humidity (0 to 100; default 0)
                         Without these, every car runs on the standard day
                         of SAE J1349, and every figure is the classic one;
                         the road model runs on the day road tests are
                         corrected to: 60 F, 29.92 inHg, dry air.
  --splits               show the time slip's splits in the table: 60 ft,
                         330 ft, 1/8 mile with its speed, 1000 ft (JSON and
                         CSV always hold them, with the day's air)
  --slips FILE.csv       fit every car's horsepower and spin time (on the
                         road model its power and launch grip) to the
                         time slips in FILE.csv (a header row naming its
                         columns: date, temperature, pressure or
                         altimeterSetting, elevation, humidity,
                         sixtyFootTime, eighthMileTime, eighthMileSpeed,
                         quarterMileTime, quarterMileSpeed, ..., or as
                         racers' sheets do: Temp, Baro, RT, 60ft, 1/8,
                         1/8 MPH, 1/4 ET, 1/4 MPH, ...), then run
                         the fitted car; JSON adds "calibration"
  -h, --help             show this help and exit
  -v, --version          show the version and exit

%1

%2

Exit status:
  0  Every car ran.
  1  A FILE could not be read, or its car failed a check or could not be
     fitted to the time slips (the other cars are still written); or the
     slips file could not be read, held no time slip or had a row refused.
  2  A usage error: an unknown option, an option without its value or with
     one it does not take, or no FILE.
  3  The output could not be written: a full disk, or a reader that left
     while SIGPIPE is ignored (then without a message); --help and
     --version too.
)").arg(wrapped(QStringLiteral("NAME is one of ") + InputNames() + u'.'),
          wrapped(QStringLiteral("With --model road, NAME may also be a road key: ") + RoadKeyNames()
                  + QStringLiteral("; --sweep takes those that are numbers.")));
}
