// SPDX-License-Identifier: GPL-3.0-or-later
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
    QT_TRANSLATE_NOOP("TAboutDlg", "Engine horsepower\t100\t1500\tEngine horsepower"),
    QT_TRANSLATE_NOOP("TAboutDlg", "Coefficient of drag\t.20\t.40\tDimensionless (from manufacturer)"),
    QT_TRANSLATE_NOOP("TAboutDlg", "Weight\t1000\t4500\tPounds (with driver and fuel)"),
    QT_TRANSLATE_NOOP("TAboutDlg", "Grill area\t2.0\t20.0\tSquare feet (height times width)"),
    QT_TRANSLATE_NOOP("TAboutDlg", "Windshield area\t2.0\t20.0\tSquare feet (height times width)"),
    QT_TRANSLATE_NOOP("TAboutDlg", "Windshield angle\t20.0\t45.0\tDegrees from horizontal"),
    QT_TRANSLATE_NOOP("TAboutDlg", "Wheelspin time\t0.75\t3.0\tSeconds (Blue smoke time)"),
    QT_TRANSLATE_NOOP("TAboutDlg", "Available shifts\t1\t5\tDimensionless"),
    QT_TRANSLATE_NOOP("TAboutDlg", "Quarter mile shifts\t1\tAvailable shifts\tDimensionless"),
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

// Each paragraph is translated whole; a translation breaks its lines where
// its own words fit the memo.
QString AboutText()
{
    QStringList lines;
    lines << TAboutDlg::tr("Program Torvane") << equalsRule << QString()
          << TAboutDlg::tr("Disclaimer - Agreement:") << QString()
          << TAboutDlg::tr(
              "This program is supplied as is, without any warranty of any kind, expressed or implied,\n"
              "including fitness for a particular purpose. No liability is accepted for any damage or\n"
              "loss, direct or indirect, that comes from using it or from relying on its results. By\n"
              "using the program you accept these terms.")
          << QString()
          << TAboutDlg::tr(
              "Torvane is free software: you can redistribute it and/or modify it under the terms of\n"
              "the GNU General Public License as published by the Free Software Foundation, either\n"
              "version 3 of the License, or (at your option) any later version (GPL-3.0-or-later).\n"
              "See <https://www.gnu.org/licenses/> for the licence.")
          << equalsRule << QString()
          << TAboutDlg::tr("Current allowable Range of Input Values...") << QString()
          << equalsRule
          << TAboutDlg::tr("Parameter\tLow\tHigh\tUnits")
          << equalsRule;
    for (const char* row : rangeRows)
        lines << TAboutDlg::tr(row);
    lines << equalsRule << QString()
          << TAboutDlg::tr("Sample data files are in the Examples folder where the program was installed:")
          << QDir::toNativeSeparators(ExamplesFolder())
          << QString() << dashRule << QString()
          << TAboutDlg::tr(
              "WARNING: this program is no substitute for testing real cars. Such tests are dangerous;\n"
              "they belong only on approved and sanctioned courses, never on public roads.")
          << QString() << dashRule << QString()
          << TAboutDlg::tr("Notes on the results:") << QString()
          << TAboutDlg::tr(
              "The top speed is an independent calculation: the speed at which the wind force just\n"
              "stops any further acceleration, assuming the car has enough gears to get there.\n"
              "A zero in the 0-60, 0-80 or 0-100 time means that the car did not reach that speed\n"
              "within the quarter mile.\n"
              "A smaller drag coefficient is better.\n"
              "The grill and windshield areas are taken as flat areas square to the wind: the\n"
              "measured height times the width, in feet. The top speed is very sensitive to them;\n"
              "the quarter-mile results hardly change with them.")
          << QString() << dashRule << QString()
          << TAboutDlg::tr("How the results are found:") << QString()
          << TAboutDlg::tr(
              "The model is classical force, mass and acceleration. The equations for the changing\n"
              "acceleration were derived with the help of a computer algebra program, and no\n"
              "correction factors are applied. The engine is assumed to run close to the speed of its\n"
              "maximum power at all times, with no missed or slow shifts. The default inputs describe\n"
              "a well-known sports car of the 1998 model year.")
          << QString() << dashRule << QString()
          << TAboutDlg::tr("The Torvane team")
          << TAboutDlg::tr("June 22, 2003")
          << QString() << QString() << QString();
    return lines.join(QLatin1Char('\n'));
}

TAboutDlg::TAboutDlg()
{
    SetUpDialog(this, "AboutDlg", tr("About program Torvane..."), QSize(778, 482));

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
    aboutText->setAccessibleName(tr("About Torvane"));

    okButton = MakeBitBtn(this, "BitBtn1", TButtonKind::Ok, 351, 432);
    SetHint(okButton, tr("Close this dialog box..."), false);
}
