#include "shell/AboutDialog.h"

#include "widgets/DialogParts.h"
#include "widgets/Fonts.h"
#include "widgets/Hints.h"
#include "widgets/Shape.h"

#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>

namespace {

const QString equalsRule = QString(98, QLatin1Char('='));
const QString dashRule = QString(98, QLatin1Char('-'));

// The input-range table: one row per line, columns separated by tabs and
// aligned by the memo's tab stops.
const char* const rangeRows[] = {
    "Engine horsepower\t100\t1500\tEngine horsepower",
    "Coefficient of drag\t.20\t.40\tDimensionless (from manufacturer)",
    "Weight\t1000\t4500\tPounds (with driver and fuel)",
    "Grill area\t2.0\t20.0\tSquare feet (height times width)",
    "Windshield area\t2.0\t20.0\tSquare feet (height times width)",
    "Windshield angle\t20.0\t45.0\tDegrees from horizontal",
    "Wheelspin time\t0.75\t3.0\tSeconds (Blue smoke time)",
    "Available shifts\t1\t5\tDimensionless",
    "Quarter mile shifts\t1\tAvailable shifts\tDimensionless",
};

} // namespace

QString ExamplesFolder()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    // Installed: beside the program's share folder. In a build folder: the
    // Examples folder the build copies beside the program.
    const QString installed = programDir.absoluteFilePath(QStringLiteral("../share/torvane/examples"));
    const QString besideProgram = programDir.absoluteFilePath(QStringLiteral("Examples"));
    if (!QDir(installed).exists() && QDir(besideProgram).exists())
        return QDir::cleanPath(besideProgram);
    return QDir::cleanPath(installed);
}

QString AboutText()
{
    QStringList lines;
    lines << QStringLiteral("Program Torvane") << equalsRule << QString()
          << QStringLiteral("Disclaimer - Agreement:") << QString()
          << QStringLiteral("This program is supplied as is, without any warranty of any kind, expressed or implied,")
          << QStringLiteral("including fitness for a particular purpose. No liability is accepted for any damage or")
          << QStringLiteral("loss, direct or indirect, that comes from using it or from relying on its results. By")
          << QStringLiteral("using the program you accept these terms.")
          << equalsRule << QString()
          << QStringLiteral("Current allowable Range of Input Values...") << QString()
          << equalsRule
          << QStringLiteral("Parameter\tLow\tHigh\tUnits")
          << equalsRule;
    for (const char* row : rangeRows)
        lines << QLatin1String(row);
    lines << equalsRule << QString()
          << QStringLiteral("Sample data files are in the Examples folder where the program was installed:")
          << QDir::toNativeSeparators(ExamplesFolder())
          << QString() << dashRule << QString()
          << QStringLiteral("WARNING: this program is no substitute for testing real cars. Such tests are dangerous;")
          << QStringLiteral("they belong only on approved and sanctioned courses, never on public roads.")
          << QString() << dashRule << QString()
          << QStringLiteral("Notes on the results:") << QString()
          << QStringLiteral("The top speed is an independent calculation: the speed at which the wind force just")
          << QStringLiteral("stops any further acceleration, assuming the car has enough gears to get there.")
          << QStringLiteral("A zero in the 0-60, 0-80 or 0-100 time means that the car did not reach that speed")
          << QStringLiteral("within the quarter mile.")
          << QStringLiteral("A smaller drag coefficient is better.")
          << QStringLiteral("The grill and windshield areas are taken as flat areas square to the wind: the")
          << QStringLiteral("measured height times the width, in feet. The top speed is very sensitive to them;")
          << QStringLiteral("the quarter-mile results hardly change with them.")
          << QString() << dashRule << QString()
          << QStringLiteral("How the results are found:") << QString()
          << QStringLiteral("The model is classical force, mass and acceleration. The equations for the changing")
          << QStringLiteral("acceleration were derived with the help of a computer algebra program, and no")
          << QStringLiteral("correction factors are applied. The engine is assumed to run close to the speed of its")
          << QStringLiteral("maximum power at all times, with no missed or slow shifts. The default inputs describe")
          << QStringLiteral("a well-known sports car of the 1998 model year.")
          << QString() << dashRule << QString()
          << QStringLiteral("The Torvane team")
          << QStringLiteral("June 22, 2003")
          << QString() << QString() << QString();
    return lines.join(QLatin1Char('\n'));
}

TAboutDlg::TAboutDlg()
{
    SetUpDialog(this, "AboutDlg", QStringLiteral("About program Torvane..."), QSize(778, 482));

    auto* frame = new TShape(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(8, 8, 761, 465);
    frame->SetPen(clBlue, 5);

    aboutText = new QPlainTextEdit(this);
    aboutText->setObjectName(QStringLiteral("Memo1"));
    aboutText->setGeometry(24, 24, 729, 393);
    aboutText->setReadOnly(true);
    aboutText->setLineWrapMode(QPlainTextEdit::NoWrap);
    aboutText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    aboutText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    aboutText->setFocusPolicy(Qt::ClickFocus);
    aboutText->setFont(PixelFont(QStringLiteral("Book Antiqua"), 12));
    SetBoxColours(aboutText, clCream);
    QTextOption option = aboutText->document()->defaultTextOption();
    option.setTabs({QTextOption::Tab(150, QTextOption::LeftTab), QTextOption::Tab(220, QTextOption::LeftTab),
                    QTextOption::Tab(330, QTextOption::LeftTab)});
    aboutText->document()->setDefaultTextOption(option);
    aboutText->setPlainText(AboutText());

    okButton = MakeBitBtn(this, "BitBtn1", TButtonKind::Ok, 351, 432);
    SetHint(okButton, QStringLiteral("Close this dialog box..."), false);
}
