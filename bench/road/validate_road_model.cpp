// SPDX-License-Identifier: GPL-3.0-or-later
// How close the road model comes to published road tests, beside Hale's
// rule, in the open.
//
// In: a road-test file (the columns of data/roadtests.csv in the shared
// data: the car, its rated power and torque with their engine speeds, its
// weight without driver, drivetrain, transmission, gears, aero, surface, and
// the measured quarter-mile time and trap speed, 0-60 mph and 60 ft). Out:
// each car's figures beside the model's and Hale's, then the mean absolute
// error and the bias of each figure, and with --fit or --families the
// calibrated constants fitted to the rows, and each car family predicted by
// constants fitted to all the other families.
//
// Only the car, its power and its weight must be there; columns may come in
// any order or be left out, words in any case. A cell the road model cannot
// use is listed and read as empty, and a row it cannot run is listed and
// left out of the sums and the fits.
//
// The file's conventions: the car runs with 180 lb of driver and gear
// aboard; the results are corrected to a standard day of 60 °F, 29.92 inHg
// and dry air; aero is as given. Hale's rule: ET = 5.825·(lb/hp)^(1/3),
// trap = 234·(hp/lb)^(1/3), with the same 180 lb.
#include "core/Air.h"
#include "core/RoadKeys.h"
#include "core/RoadRun.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double DriverPounds = 180;
// A dry weight leaves out what a car runs with: a full tank (about 80 l of
// petrol, 60 kg), oil and coolant (25 kg) and the battery (15 kg), about
// 100 kg in all.
constexpr double FluidPounds = 220;

struct Row {
    std::string id, car, family;
    RoadCar road;
    std::optional<double> et, trap, sixty, sixtyFoot;
    // Why the road model cannot run the row (a value it cannot take), or
    // empty; such a row is listed but left out of the sums and the fits.
    std::string refused;
    // Cells the reader could not use as written, and what it took instead.
    std::vector<std::string> notes;
};

// One record of the file: its cells, read on over line ends inside quotes.
// False at the end of the file.
bool ReadCsvRecord(std::istream& in, std::vector<std::string>& cells)
{
    cells.clear();
    std::string line, cell;
    bool quoted = false, any = false;
    while (std::getline(in, line)) {
        any = true;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (quoted) {
                if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                    cell += '"';
                    ++i;
                } else if (c == '"') {
                    quoted = false;
                } else if (c != '\r') {
                    cell += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                cells.push_back(cell);
                cell.clear();
            } else if (c != '\r') {
                cell += c;
            }
        }
        if (!quoted)
            break;
        cell += '\n';
    }
    if (!any)
        return false;
    cells.push_back(cell);
    for (std::string& text : cells) {
        const std::size_t first = text.find_first_not_of(" \t");
        const std::size_t last = text.find_last_not_of(" \t");
        text = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    }
    return true;
}

std::optional<double> Number(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool SameWord(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A cell that names one of the road model's words, in any case; a word it
// does not know is noted and read as empty.
template <typename Enum, std::size_t N>
std::optional<Enum> Choice(const std::string& text, const char* name, const std::array<std::string_view, N>& words,
                           std::vector<std::string>& notes)
{
    for (std::size_t i = 0; i < N; ++i)
        if (SameWord(words[i], text))
            return static_cast<Enum>(i);
    if (!text.empty())
        notes.push_back(std::string(name) + " \"" + text + "\" is not a word the road model knows, read as empty");
    return std::nullopt;
}

// A car family: the maker and the model's name (two words for "Model S"),
// and the kind of engine, so that an electric Mustang is not a Mustang.
std::string FamilyOf(const std::string& car, const std::string& engine)
{
    std::istringstream words(car);
    std::string year, make, model, more;
    words >> year >> make >> model;
    if (model == "Model")
        words >> more, model += " " + more;
    std::string family = make + " " + model;
    while (!family.empty() && (family.back() == ',' || family.back() == ' '))
        family.pop_back();
    return family + (SameWord(engine, "electric") ? " (electric)" : "");
}

std::vector<Row> ReadRows(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "validate_road_model: cannot read %s\n", path.c_str());
        std::exit(2);
    }
    std::vector<std::string> header, cells;
    ReadCsvRecord(in, header);
    if (!header.empty() && header[0].rfind("\xEF\xBB\xBF", 0) == 0)
        header[0].erase(0, 3);
    // The car, its power and its weight are needed; every other column may
    // be absent, and reads as empty.
    constexpr std::size_t Absent = std::numeric_limits<std::size_t>::max();
    auto column = [&](const char* name, bool needed = false) {
        const auto it = std::find_if(header.begin(), header.end(), [&](const std::string& h) { return SameWord(h, name); });
        if (it == header.end() && needed) {
            std::fprintf(stderr, "validate_road_model: no column %s\n", name);
            std::exit(2);
        }
        return it == header.end() ? Absent : static_cast<std::size_t>(it - header.begin());
    };
    const std::size_t car = column("car", true), hp = column("horsepower", true),
                      weight = column("weightAsTested", true), id = column("id"), engine = column("engine"),
                      powerRpm = column("powerRpm"), torque = column("torque"), torqueRpm = column("torqueRpm"),
                      redline = column("redline"), drivetrain = column("drivetrain"),
                      transmission = column("transmission"), gears = column("gears"),
                      cd = column("dragCoefficient"), area = column("frontalArea"), body = column("body"), tires = column("tires"),
                      surface = column("surface"), et = column("quarterMileTime"),
                      trap = column("quarterMileSpeed"), sixty = column("zeroToSixtyTime"),
                      sixtyFoot = column("sixtyFootTime"), weightBasis = column("weightBasis");
    std::vector<Row> rows;
    while (ReadCsvRecord(in, cells)) {
        if (std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return c.empty(); }))
            continue;
        Row row;
        static const std::string Empty;
        auto cell = [&](std::size_t index) -> const std::string& {
            return index < cells.size() ? cells[index] : Empty;
        };
        auto number = [&](std::size_t index, const char* name) {
            const std::optional<double> value = Number(cell(index));
            if (!value && !cell(index).empty())
                row.notes.push_back(std::string(name) + " \"" + cell(index) + "\" is not a number, read as empty");
            return value;
        };
        row.id = id == Absent ? std::to_string(rows.size() + 1) : cell(id);
        row.car = cell(car);
        row.family = FamilyOf(cell(car), cell(engine));
        RoadCar& r = row.road;
        const std::optional<double> power = number(hp, "horsepower"), pounds = number(weight, "weightAsTested");
        r.horsepower = power.value_or(0);
        const bool dry = SameWord(cell(weightBasis), "Y-dry");
        r.weight = pounds ? *pounds + DriverPounds + (dry ? FluidPounds : 0) : 0;
        // The file's convention for aero it does not give, by body: a
        // typical car's Cd 0.33 and 22 ft², an SUV's 0.36 and 27 ft², a
        // pickup's 0.45 and 34 ft².
        const bool pickup = SameWord(cell(body), "pickup"), suv = SameWord(cell(body), "suv");
        r.dragCoefficient = number(cd, "dragCoefficient").value_or(pickup ? 0.45 : suv ? 0.36 : 0.33);
        r.frontalArea = number(area, "frontalArea").value_or(pickup ? 34 : suv ? 27 : 22);
        r.engine = Choice<EngineKind>(cell(engine), "engine", EngineWords, row.notes);
        r.drivetrain = Choice<Drivetrain>(cell(drivetrain), "drivetrain", DrivetrainWords, row.notes);
        r.transmission = Choice<Transmission>(cell(transmission), "transmission", TransmissionWords, row.notes);
        if (const auto g = number(gears, "gears"))
            r.gears = static_cast<int>(std::lround(*g));
        r.powerRpm = number(powerRpm, "powerRpm");
        r.torque = number(torque, "torque");
        r.torqueRpm = number(torqueRpm, "torqueRpm");
        r.redline = number(redline, "redline");
        r.tires = Choice<TireKind>(cell(tires), "tires", TireWords, row.notes);
        r.surface = Choice<SurfaceKind>(cell(surface), "surface", SurfaceWords, row.notes);
        row.et = number(et, "quarterMileTime");
        row.trap = number(trap, "quarterMileSpeed");
        row.sixty = number(sixty, "zeroToSixtyTime");
        row.sixtyFoot = number(sixtyFoot, "sixtyFootTime");
        // A published figure the model cannot take with the others (a CVT
        // of eight steps, a torque peak above the power peak) is dropped
        // for its typical value, and noted; the car's power, weight and
        // aero cannot be.
        for (RoadProblem problem = RoadRangeProblem(r); problem; problem = RoadRangeProblem(r)) {
            const std::string message = RoadProblemMessage(problem).toStdString();
            std::optional<double>* figure = problem.field == RoadField::PowerRpm    ? &r.powerRpm
                                            : problem.field == RoadField::Torque    ? &r.torque
                                            : problem.field == RoadField::TorqueRpm ? &r.torqueRpm
                                            : problem.field == RoadField::Redline   ? &r.redline
                                                                                    : nullptr;
            if (figure && *figure) {
                figure->reset();
            } else if (problem.field == RoadField::Gears && r.gears) {
                r.gears.reset();
            } else {
                row.refused = message;
                break;
            }
            row.notes.push_back(message + ": the figure dropped for its typical value");
        }
        if (!power || !pounds)
            row.refused = "no horsepower or no weight";
        rows.push_back(row);
    }
    return rows;
}

// The file's standard day (60 °F, 29.92 inHg, dry air), through the same
// air figures the programs use.
RoadDay StandardTestDay()
{
    return RoadDayOf(FiguresFor(RoadTestConditions));
}

struct Figures {
    bool finished = false;
    double et = 0, trap = 0, sixty = 0, sixtyFoot = 0, eighth = 0;
};

Figures ModelFigures(const Row& row, const RoadCalibration& calibration)
{
    const RoadRun run = RunRoadModel(row.road, StandardTestDay(), DefaultRoadSpeedStep, calibration);
    Figures f;
    f.finished = run.Finished();
    f.et = run.Results().quarterMileTime;
    f.trap = run.Results().quarterMileSpeed;
    f.sixty = run.Results().zeroToSixtyTime;
    f.sixtyFoot = run.Splits()[0].elapsedTime;
    f.eighth = run.Splits()[2].elapsedTime;
    return f;
}

Figures HaleFigures(const Row& row)
{
    Figures f;
    f.finished = true;
    f.et = 5.825 * std::cbrt(row.road.weight / row.road.horsepower);
    f.trap = 234 * std::cbrt(row.road.horsepower / row.road.weight);
    return f;
}

struct Error {
    int count = 0;
    double absolute = 0, bias = 0;
    void Add(std::optional<double> measured, double predicted)
    {
        if (!measured || predicted <= 0)
            return;
        ++count;
        absolute += std::abs(predicted - *measured);
        bias += predicted - *measured;
    }
    double Mean() const { return count ? absolute / count : NAN; }
    double Bias() const { return count ? bias / count : NAN; }
};

struct Summary {
    Error et, trap, sixty, sixtyFoot;
};

// What the fit minimises: each error over a tester's spread on the same car
// (0.25 s of ET, 2.5 mph of trap, 0.3 s of 0-60, 0.1 s of 60 ft), absolute.
double Cost(const std::vector<const Row*>& rows, const RoadCalibration& calibration)
{
    double cost = 0;
    for (const Row* row : rows) {
        const Figures f = ModelFigures(*row, calibration);
        if (!f.finished) {
            // Far worse than any error, yet still comparable between
            // constants, so one car that cannot finish does not stop the fit.
            cost += 1e6;
            continue;
        }
        auto add = [&](std::optional<double> measured, double predicted, double scale) {
            // Absolute errors, as the figures are judged, smoothed at 0.
            if (measured)
                cost += std::sqrt(std::pow((predicted - *measured) / scale, 2) + 0.01);
        };
        add(row->et, f.et, 0.25);
        add(row->trap, f.trap, 2.5);
        add(row->sixty, f.sixty, 0.3);
        add(row->sixtyFoot, f.sixtyFoot, 0.1);
    }
    return cost;
}

// The constants fitted: the street tire's grip, the prepared surface's gain
// and the combustion drivetrain's efficiency, each within a physical range.
using Params = std::array<double, 3>;
constexpr Params Low = { 0.7, 1.0, 0.75 };
constexpr Params High = { 1.5, 1.6, 0.97 };

RoadCalibration CalibrationOf(const Params& p)
{
    RoadCalibration c;
    c.streetGrip = std::clamp(p[0], Low[0], High[0]);
    c.preparedGain = std::clamp(p[1], Low[1], High[1]);
    c.drivetrainEfficiency = std::clamp(p[2], Low[2], High[2]);
    return c;
}

// Nelder and Mead's simplex, from the defaults.
RoadCalibration Fit(const std::vector<const Row*>& rows)
{
    const RoadCalibration start;
    constexpr std::size_t n = std::tuple_size_v<Params>;
    std::array<Params, n + 1> simplex;
    simplex.fill({ start.streetGrip, start.preparedGain, start.drivetrainEfficiency });
    for (std::size_t i = 0; i < n; ++i)
        simplex[i + 1][i] *= 1.05;
    std::array<double, n + 1> cost{};
    auto evaluate = [&](const Params& p) { return Cost(rows, CalibrationOf(p)); };
    for (std::size_t i = 0; i <= n; ++i)
        cost[i] = evaluate(simplex[i]);
    for (int iteration = 0; iteration < 500; ++iteration) {
        std::array<std::size_t, n + 1> order;
        for (std::size_t i = 0; i <= n; ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return cost[a] < cost[b]; });
        const std::size_t worst = order[n];
        if (cost[worst] - cost[order[0]] < 1e-7 * (1 + cost[order[0]]))
            break;
        Params centre{};
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < n; ++j)
                centre[j] += simplex[order[i]][j] / n;
        auto along = [&](double factor) {
            Params p;
            for (std::size_t j = 0; j < n; ++j)
                p[j] = centre[j] + factor * (simplex[worst][j] - centre[j]);
            return p;
        };
        const Params reflected = along(-1);
        const double reflectedCost = evaluate(reflected);
        if (reflectedCost < cost[order[0]]) {
            const Params expanded = along(-2);
            const double expandedCost = evaluate(expanded);
            if (expandedCost < reflectedCost)
                simplex[worst] = expanded, cost[worst] = expandedCost;
            else
                simplex[worst] = reflected, cost[worst] = reflectedCost;
        } else if (reflectedCost < cost[order[n - 1]]) {
            simplex[worst] = reflected, cost[worst] = reflectedCost;
        } else {
            const Params contracted = along(0.5);
            const double contractedCost = evaluate(contracted);
            if (contractedCost < cost[worst]) {
                simplex[worst] = contracted, cost[worst] = contractedCost;
            } else {
                for (std::size_t i = 1; i <= n; ++i) {
                    const std::size_t k = order[i];
                    for (std::size_t j = 0; j < n; ++j)
                        simplex[k][j] = simplex[order[0]][j] + 0.5 * (simplex[k][j] - simplex[order[0]][j]);
                    cost[k] = evaluate(simplex[k]);
                }
            }
        }
    }
    const std::size_t best = static_cast<std::size_t>(std::min_element(cost.begin(), cost.end()) - cost.begin());
    return CalibrationOf(simplex[best]);
}

std::string Cell(std::optional<double> value, int decimals)
{
    if (!value)
        return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, *value);
    return text;
}

void PrintSummary(const char* title, const Summary& model, const Summary* hale)
{
    std::printf("\n%s\n", title);
    std::printf("| Figure | cars | road model: mean absolute error | bias | Hale's rule: mean absolute error | bias |\n");
    std::printf("|---|---|---|---|---|---|\n");
    auto line = [&](const char* name, const Error& m, const Error* h, const char* unit) {
        if (m.count == 0)
            std::printf("| %s | 0 | | | | |\n", name);
        else if (h)
            std::printf("| %s | %d | %.3f %s | %+.3f | %.3f %s | %+.3f |\n", name, m.count, m.Mean(), unit, m.Bias(),
                        h->Mean(), unit, h->Bias());
        else
            std::printf("| %s | %d | %.3f %s | %+.3f | | |\n", name, m.count, m.Mean(), unit, m.Bias());
    };
    line("1/4-mile ET", model.et, hale ? &hale->et : nullptr, "s");
    line("trap speed", model.trap, hale ? &hale->trap : nullptr, "mph");
    line("0-60 mph", model.sixty, nullptr, "s");
    line("60 ft", model.sixtyFoot, nullptr, "s");
}

} // namespace

int main(int argc, char** argv)
{
    std::string path;
    bool fit = false, families = false;
    RoadCalibration calibration;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--grip") == 0 && i + 1 < argc)
            calibration.streetGrip = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--prepared") == 0 && i + 1 < argc)
            calibration.preparedGain = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--efficiency") == 0 && i + 1 < argc)
            calibration.drivetrainEfficiency = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--fit") == 0)
            fit = true;
        else if (std::strcmp(argv[i], "--families") == 0)
            families = true;
        else
            path = argv[i];
    }
    if (path.empty()) {
        std::fprintf(stderr, "usage: validate_road_model [--fit] [--families] ROADTESTS.csv\n");
        return 2;
    }
    const std::vector<Row> read = ReadRows(path);
    // The rows the road model can run; the others are listed with the reason.
    std::vector<Row> rows;
    for (const Row& row : read)
        if (row.refused.empty())
            rows.push_back(row);
    std::vector<const Row*> all;
    for (const Row& row : rows)
        all.push_back(&row);

    std::printf("Road model and Hale's rule on %zu road tests (elapsed times from a 1-ft rollout; 180 lb of "
                "driver, 220 lb of fluids on a dry weight)",
                rows.size());
    if (read.size() > rows.size())
        std::printf("; %zu more row%s not run, listed below", read.size() - rows.size(),
                    read.size() - rows.size() == 1 ? "" : "s");
    std::printf("\n\n");
    std::printf("| id | car | ET | model | Hale | trap | model | Hale | 0-60 | model | 60 ft | model | 1/8 share |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    Summary model, hale;
    bool shaped = true;
    for (const Row& row : rows) {
        const Figures m = ModelFigures(row, calibration);
        if (!m.finished) {
            std::printf("| %s | %.40s | %s | did not finish the quarter mile |\n", row.id.c_str(), row.car.c_str(),
                        Cell(row.et, 2).c_str());
            shaped = false;
            continue;
        }
        const Figures h = HaleFigures(row);
        model.et.Add(row.et, m.et);
        model.trap.Add(row.trap, m.trap);
        model.sixty.Add(row.sixty, m.sixty);
        model.sixtyFoot.Add(row.sixtyFoot, m.sixtyFoot);
        hale.et.Add(row.et, h.et);
        hale.trap.Add(row.trap, h.trap);
        const double share = m.eighth / m.et;
        if (!(m.sixtyFoot >= 1.2 && m.sixtyFoot <= 2.7 && share >= 0.60 && share <= 0.68))
            shaped = false;
        std::printf("| %s | %.40s | %s | %.2f | %.2f | %s | %.1f | %.1f | %s | %.2f | %s | %.2f | %.3f |\n",
                    row.id.c_str(), row.car.c_str(), Cell(row.et, 2).c_str(), m.et, h.et,
                    Cell(row.trap, 1).c_str(), m.trap, h.trap, Cell(row.sixty, 1).c_str(), m.sixty,
                    Cell(row.sixtyFoot, 2).c_str(), m.sixtyFoot, share);
    }
    bool noted = false;
    for (const Row& row : read) {
        if (row.refused.empty() && row.notes.empty())
            continue;
        if (!noted)
            std::printf("\nRows with cells the road model cannot use:\n");
        noted = true;
        if (!row.refused.empty())
            std::printf("- %s (%s): not run: %s\n", row.id.c_str(), row.car.c_str(), row.refused.c_str());
        for (const std::string& note : row.notes)
            std::printf("- %s (%s): %s\n", row.id.c_str(), row.car.c_str(), note.c_str());
    }
    PrintSummary("With the program's constants:", model, &hale);
    std::printf("\nEvery car's 60 ft within 1.2-2.7 s and 1/8-mile time within 0.60-0.68 of the ET: %s\n",
                shaped ? "yes" : "NO");

    if (fit) {
        const RoadCalibration fitted = Fit(all);
        std::printf("\nFitted to all rows: streetGrip %.4f, preparedGain %.4f, drivetrainEfficiency %.4f\n",
                    fitted.streetGrip, fitted.preparedGain, fitted.drivetrainEfficiency);
    }
    if (families) {
        std::map<std::string, std::vector<const Row*>> byFamily;
        for (const Row& row : rows)
            byFamily[row.family].push_back(&row);
        Summary left, leftHale;
        std::printf("\nLeave one family out (%zu families): each predicted with constants fitted to the others\n\n",
                    byFamily.size());
        std::printf("| family | cars | streetGrip | preparedGain | drivetrainEfficiency |\n|---|---|---|---|---|\n");
        for (const auto& [family, members] : byFamily) {
            std::vector<const Row*> others;
            for (const Row& row : rows)
                if (row.family != family)
                    others.push_back(&row);
            const RoadCalibration fitted = Fit(others);
            std::printf("| %s | %zu | %.3f | %.3f | %.3f |\n", family.c_str(), members.size(), fitted.streetGrip,
                        fitted.preparedGain, fitted.drivetrainEfficiency);
            for (const Row* row : members) {
                const Figures m = ModelFigures(*row, fitted);
                if (!m.finished)
                    continue;
                const Figures h = HaleFigures(*row);
                left.et.Add(row->et, m.et);
                left.trap.Add(row->trap, m.trap);
                left.sixty.Add(row->sixty, m.sixty);
                left.sixtyFoot.Add(row->sixtyFoot, m.sixtyFoot);
                leftHale.et.Add(row->et, h.et);
                leftHale.trap.Add(row->trap, h.trap);
            }
        }
        PrintSummary("Leave one family out:", left, &leftHale);
    }
    return 0;
}
