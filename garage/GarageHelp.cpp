// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/GarageHelp.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

GarageHelp::GarageHelp(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("garageHelp"));
    setWindowTitle(tr("Torvane Garage Help"));
    setModal(false);
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("helpText"));
    text->setAccessibleName(tr("Help text"));
    text->setOpenExternalLinks(false);
    text->setHtml(HelpText());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(640, 560);
}

QString GarageHelp::HelpText()
{
    return tr(
        "<h2>Torvane Garage</h2>"
        "<p>The garage runs the same engine as the classic Torvane program and shows several cars "
        "side by side: their figures, their curves, what a change would do, and how sensitive "
        "they are. Every figure is a run of the engine, except the three estimates below.</p>"
        "<h3>Cars</h3>"
        "<p>Open <b>.trv</b> files with <i>File ▸ Open</i> (Ctrl+O), by dropping them onto the "
        "window, or by naming them on the command line (<tt>torvane-garage car.trv …</tt>); "
        "<i>File ▸ New Car</i> (Ctrl+N) starts from the default car. The form on the left edits "
        "the current car; each box shows its range in its tooltip and is checked as you type, "
        "with the same ranges and messages as the classic program, the message under the box. "
        "The areas from measurements turn a width and a height (inches, or centimetres in "
        "metric units) into the grill or windshield area. <i>Save</i> (Ctrl+S) and "
        "<i>Save As</i> (Ctrl+Shift+S) write the car as a .trv file in the classic units; a file "
        "another program changed since is never overwritten without asking. <i>Close Car</i> "
        "(Ctrl+W, or Delete in the list) asks first when the car has unsaved changes, which its "
        "name shows with a *.</p>"
        "<p><i>Edit ▸ Undo</i> (Ctrl+Z) and <i>Redo</i> (Ctrl+Shift+Z) take back and redo every "
        "change: a stretch of typing in one box, one slider drag, a car added, closed or kept.</p>"
        "<h3>Comparison</h3>"
        "<p>One column per car: the results of the classic results dialog, the 1/8 mile "
        "(660 ft) time and speed, and in metric mode the 0-100 km/h time, all found with the "
        "engine's own 0.001 s steps and counted like the quarter mile and the 0-60 time. The best "
        "value of each row is bold. “Forget it!” marks a speed the car never reaches.</p>"
        "<p>Three rules of thumb that drag racers use estimate the quarter mile from the weight "
        "<i>W</i> in pounds and the rated horsepower <i>hp</i> alone:</p>"
        "<ul>"
        "<li>the <b>Hale</b> formula: ET = 5.825·(W/hp)<sup>1/3</sup>, trap speed = 234·(hp/W)<sup>1/3</sup>;</li>"
        "<li>the <b>Fox</b> formula: ET = 6.269·(W/hp)<sup>1/3</sup>, trap speed = 230·(hp/W)<sup>1/3</sup>;</li>"
        "<li>the <b>Huntington</b> formula: ET = 6.290·(W/hp)<sup>1/3</sup>, trap speed = 224·(hp/W)<sup>1/3</sup>.</li>"
        "</ul>"
        "<h3>Curves</h3>"
        "<p>Speed and distance against time for every car, from the start to its top speed, or "
        "each to its own quarter mile in the <i>Quarter mile</i> view. The marks have a shape "
        "each, named in the key under the charts: ● 60 mph, ■ 80 mph, ▲ 100 mph, ★ the quarter "
        "mile and ◆ the top speed, in their car's colour; the dashed line on the distance chart is "
        "the quarter mile. Point at a curve or a mark to read its time and value. The curves "
        "start with the car standing still during its wheel spin, and the shift time is spread "
        "along the run the way the results count it, so each curve passes exactly through its "
        "car's results.</p>"
        "<p><b>Past the top speed.</b> The motion law rises to a top speed and would fall after "
        "it. A car that reaches its top speed before the quarter mile (a light car with a large, "
        "blunt front, say) therefore slows down on the strip in the model, where a real car "
        "would hold its top speed. The curves are dotted past that point, and the table marks "
        "such a car with †: its quarter-mile figures carry that fall.</p>"
        "<h3>What if</h3>"
        "<p>Pick a base car and move the sliders: the first move makes a variant of the car (a "
        "dashed curve, an italic name) that follows every step in the table and the curves. Tick "
        "any cars to compare the variant with (a friend's car, say), and choose one under "
        "<i>Differences against</i>: a column gives the variant's figures less that car's, so "
        "“−0.35 s” means the variant is 0.35 s quicker. <i>Keep as one of your cars</i> turns the "
        "variant into a car of its own that you can save.</p>"
        "<h3>Sensitivity and targets</h3>"
        "<p>How the quarter-mile time and speed, the top speed and the 0-60 time change with "
        "10 % less or more horsepower, weight, drag coefficient and frontal area (grill and "
        "windshield together). The target asks the reverse question: which horsepower (to "
        "0.01 hp) or weight (to 1 lb) gives a quarter mile of a given time, a trap speed or a "
        "0-60 time, and how far that is from the car's own. When every value in the range "
        "meets the target it says so; when none does, that it is not reachable within the "
        "ranges. <i>Apply to What if</i> moves the car's variant there.</p>"
        "<h3>Units, export and printing</h3>"
        "<p><i>View ▸ Units</i> switches between imperial and metric (km/h, kg, kW, m², metres, "
        "newtons); files always stay in the classic units. <i>File ▸ Export</i> writes the "
        "comparison as CSV or the report as PDF, each with every car's inputs so that another "
        "person can check them, or the curves as a PNG picture of the size you choose. Every "
        "export is written whole or not at all. <i>Print</i> (Ctrl+P) shows "
        "a preview, then the system print dialog.</p>")
        + tr("<h3>The day's air</h3>"
             "<p>The Conditions row under the menus holds the day every car runs on: the temperature, "
             "the pressure and the relative humidity. Give the pressure as a barometer at the track "
             "reads it (<i>station pressure</i>), or as a weather report gives it (<i>altimeter "
             "setting</i>) with the track's elevation; switching between the two converts the value "
             "and keeps the day. The row shows the density altitude, how dense the air is against "
             "the standard day, and the SAE J1349 and J607 correction factors. The engine runs with "
             "the horsepower divided by the J1349 factor and with the day's air density. "
             "<i>Standard day</i> (25 °C, dry air at 29.235 inHg) gives the classic program's "
             "results exactly. Every page uses the row's air: the comparison, the curves, What if, "
             "Sensitivity, the target and the logbook's prediction.</p>")
        + tr("<p><i>Road-test day</i> (60 °F, dry air at 29.92 inHg) is the day US magazines correct "
             "their tests to, where an engine makes about 4.7 % more than its rating: choose it to "
             "hold the road model against a published test.</p>")
        + tr("<h3>Road model and classic law</h3>"
             "<p>The <i>Model</i> list in the Conditions row chooses how every page runs the cars. "
             "The <b>road model</b> (the choice for a new garage) is a real car at a real strip: "
             "power through the gears, the driven tires' grip with weight transfer, rolling "
             "resistance, the turning parts' inertia, the launch and the shift times, timed from the "
             "first foot as a strip times it. It reads the road fields under the nine values "
             "(engine, drivetrain, transmission and gears, power and torque peaks, redline, frontal "
             "area, tires, surface); an empty field shows greyed the typical value it uses. The "
             "<b>classic law</b> gives the classic program's numbers exactly. Each page names the "
             "model it shows; <i>View ▸ Classic Law Beside the Road Model</i> adds a classic column "
             "per car to the comparison.</p>")
        + tr("<h3>Splits</h3>"
             "<p>The comparison shows a time slip's splits as a drag strip times them: 60 ft, 330 ft, "
             "1/8 mile (660 ft) with its speed, 1,000 ft and the quarter mile with its speed. The "
             "times are counted on the run's own timeline, with its wheel spin and shift time, so the "
             "quarter mile is the results' own. The logbook's <i>Splits</i> tab draws your slips' "
             "splits over the model's distance curve, and <i>Model's slips</i> puts the model's slip "
             "for each run's day beside the run.</p>")
        + tr("<h3>The logbook</h3>"
             "<p><i>File ▸ Open Logbook…</i> opens or makes a logbook: one file that keeps the time "
             "slips of your cars. Runs belong to a car, not to its file name: each car keeps its own "
             "identity in its .trv file, so its runs follow it through Save As, a move or a copy (a "
             "copy asks whether it is the same car or a new one). Runs whose car is not open show above "
             "the runs, under <i>Runs of cars not open</i>, with <i>Attach to this car</i> and "
             "<i>Move to another car…</i>. The "
             "<i>Logbook</i> tab shows the runs of the current car.</p>"
             "<p><i>Add a run</i> opens the new run's slip to type, dated now, with the Conditions "
             "row's weather and elevation and no figures: a run without a quarter-mile or 1/8-mile "
             "time is not saved. Every figure is checked against its range (ET 3–30 s, 1/8 mile "
             "2–20 s, speeds 20–350 mph, 60 ft 0.8–4 s, reaction −1.5–2 s, a red light being "
             "negative, the weather as the Conditions row takes it), "
             "the splits must rise along the track, and numbers take your locale's decimal "
             "separator. <i>Import runs…</i> reads a CSV file of slips as racers keep them: common "
             "headers (Temp, Baro, RT, 60ft, 330, 1/8, 1/8 MPH, 1000, 1/4 ET, 1/4 MPH, DA, Lane, "
             "Notes) are recognised whatever their case and spaces, a dialog asks what the others "
             "hold and remembers the answer for that header line, and dates may be ISO, US "
             "(m/d/yyyy) or your locale's short form (a date that reads two ways is asked about). "
             "Runs already in the logbook "
             "are skipped, and the import says how many. <i>Export runs…</i> writes the runs in the "
             "logbook's own columns. The logbook has its own undo history: Edit ▸ Undo on this page "
             "takes back an added, changed, deleted, imported or moved run.</p>")
        + tr("<h3>Fit, bands and report card</h3>"
             "<p><i>Fit to</i> chooses the runs the fit uses: all runs, the runs since a date, or the "
             "last N; the choice is saved with the logbook, and selecting rows never narrows it. "
             "<i>Calibrate</i> fits the car to those runs, each on its own day's air: the power at "
             "the wheels and the launch grip with the road model, the horsepower and the spin time "
             "with the classic law. The ET and the trap speed carry the weight; the 60 ft and 1/8 "
             "mile figures fit the launch, each weighted by its own scatter. With fewer slips than "
             "fitted figures the page says so instead of fitting them exactly.</p>"
             "<p>The prediction for the Conditions row's day comes with two bands, "
             "“14.32 s ± 0.05 (68 %), ± 0.11 (95 %)”: a next run falls within the first about two "
             "times in three and within the second 19 times in 20. They are measured by predicting "
             "each day's runs from the other days and widened for few runs (Student's t).</p>"
             "<p>The report card scores every way of predicting on the same runs and forward in time "
             "only: each run is predicted from the runs before it, after the first three, for both "
             "the ET and the trap speed. The ways are the fitted model on the run's day and on the "
             "standard day, the car as typed, Hale's formula, the run before, the density-altitude "
             "line of the past runs, and the run's own 60 ft or 1/8 mile. The best is in bold; the "
             "prediction uses it and names it, and a way with too few runs says “not enough "
             "runs”. <i>Copy fitted values to a new car</i> adds the fitted car beside the typed "
             "one. A large logbook calibrates on a worker: the window stays usable, and "
             "<i>Cancel</i> stops it.</p>")
        + tr("<h3>Dial-in</h3>"
             "<p>The runs table shows each run's density altitude and its ET corrected to the "
             "standard day: the time · (1 / CF)<sup>1/3</sup>, CF the day's J1349 factor, the "
             "correction the model makes for the day. The <i>Density altitude</i> tab plots the "
             "quarter-mile time and speed against the density altitude, with the lines of least "
             "squares through the runs of the fit, and says what 100 ft of density altitude costs; "
             "<i>By date</i> plots the time as run and on the standard day over the season. The "
             "dial-in for today line gives the best way's time on the Conditions row's day with its "
             "95 % band.</p>");
}
