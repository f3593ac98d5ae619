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
        "the selected car; each box is checked as you type, with the same ranges and messages as "
        "the classic program, and the message stands beside the box. The areas from measurements "
        "turn a width and a height in inches into square feet, as the classic area calculator "
        "does. <i>Save</i> (Ctrl+S) writes the car back as a .trv file in the classic units.</p>"
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
        "<p>Speed and distance against time for every car. The dots mark 60, 80 and 100 mph, the "
        "quarter mile and the top speed; hover a curve or a dot to read its time and value. The "
        "curves start with the car standing still during its wheel spin, and the shift time is "
        "spread along the run the way the results count it, so each curve passes exactly "
        "through its car's results.</p>"
        "<h3>What if</h3>"
        "<p>Pick a base car and move the sliders: a variant of the car (a dashed curve) follows "
        "every step in the table and the curves. <i>Keep as a new car</i> turns the variant into "
        "a car of its own that you can save.</p>"
        "<h3>Sensitivity and targets</h3>"
        "<p>How the quarter-mile time and speed, the top speed and the 0-60 time change with "
        "10 % less or more horsepower, weight, drag coefficient and frontal area (grill and "
        "windshield together). The target asks the reverse question: which horsepower (to "
        "0.01 hp) or weight (to 1 lb) gives a quarter mile of a given time, or says that it is "
        "not reachable within the ranges.</p>"
        "<h3>Units, export and printing</h3>"
        "<p><i>View ▸ Units</i> switches between imperial and metric (km/h, kg, kW, m², metres, "
        "newtons); files always stay in the classic units. <i>File ▸ Export</i> writes the "
        "comparison as CSV, the report as PDF, or the curves as PNG; <i>Print</i> (Ctrl+P) shows "
        "a preview, then the system print dialog.</p>");
}
