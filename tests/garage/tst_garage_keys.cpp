// SPDX-License-Identifier: GPL-3.0-or-later
// The garage by keyboard: Tab goes through each page in reading order and
// leaves the tables, and every mnemonic of the window leads to one place.
#include "GarageFixture.h"
#include "MnemonicSupport.h"

#include "garage/WhatIfPage.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// Where Tab stops after `start`, round the window once, by object name.
QStringList tabStops(QWidget* start)
{
    QStringList stops;
    QWidget* widget = start;
    for (int i = 0; i < 1000; ++i) {
        widget = widget->nextInFocusChain();
        if (widget == start)
            break;
        if ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisible() && widget->isEnabled()
            && !widget->focusProxy())
            stops << widget->objectName();
    }
    return stops;
}

} // namespace

class TestGarageKeys : public QObject, protected GarageFixture
{
    Q_OBJECT

private slots:
    void init() { StartGarage(Shown::Yes); }

    void cleanup() { EndGarage(); }

    void tabFollowsTheReadingOrder_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("page"); // the stops after the tab bar
        QTest::newRow("Compare") << 0 << QStringList{ "comparisonTable", "curveSpan" };
        QStringList whatIf{ "whatIfBase", "whatIfCompared", "whatIfReference" };
        for (const char* field : { "horsepower", "carWeight", "dragCoefficient", "grillArea", "windshieldArea",
                                   "windshieldAngle", "spinTime", "availableShifts", "quarterMileShifts" })
            whatIf << QStringLiteral("%1Slider").arg(QLatin1String(field)) << QStringLiteral("%1Spin").arg(QLatin1String(field));
        whatIf << "whatIfReset" << "whatIfKeep" << "whatIfTable" << "curveSpan";
        QTest::newRow("What if") << 1 << whatIf;
        QTest::newRow("Sensitivity") << 2 << QStringList{ "sensitivityCar", "sensitivityTable", "targetFigure",
                                                           "targetTime", "solveHorsepower", "solveWeight",
                                                           "solveButton", "applyToWhatIf" };
        QTest::newRow("Logbook") << 3 << QStringList{ "runsTable", "addRunButton", "deleteRunButton",
                                                       "importRunsButton", "exportRunsButton",
                                                       "fitToBox", "calibrateButton", "useFittedButton", "qt_tabwidget_tabbar",
                                                       "reportCard" };
    }
    void tabFollowsTheReadingOrder()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, page);
        window->Tabs()->setCurrentIndex(tab);
        // Buttons that are off until there is something to do are on here
        // (the logbook's choice of model is off until there is a fit).
        if (tab == 1)
            window->WhatIf()->Slider(InputField::Horsepower)->setValue(350);
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            button->setEnabled(true);
        const QStringList form{ "carName",         "horsepower",       "grillArea",
                                "windshieldArea",  "carWeight",        "dragCoefficient",
                                "windshieldAngle", "availableShifts",  "quarterMileShifts",
                                "spinTime",        "roadEngine",       "roadDrivetrain",
                                "roadTransmission", "roadGears",       "roadPowerRpm",
                                "roadTorque",      "roadTorqueRpm",    "roadRedline",
                                "roadFrontalArea", "roadTires",        "roadSurface",
                                "grillWidthInches", "grillHeightInches",
                                "useGrillArea",    "windshieldWidthInches", "windshieldHeightInches",
                                "useWindshieldArea" };
        // Then the day's air, above the pages.
        const QStringList conditions{ "airTemperature", "pressureKind", "airPressure", "airHumidity", "standardDay", "carModel",
                                      "roadTestDay" };
        QCOMPARE(tabStops(window->CarListView()), form + conditions + QStringList{ "qt_tabwidget_tabbar" } + page);
    }

    void everyMnemonicLeadsToOnePlace_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("Compare") << 0;
        QTest::newRow("What if") << 1;
        QTest::newRow("Sensitivity") << 2;
        QTest::newRow("Logbook") << 3;
    }
    void everyMnemonicLeadsToOnePlace()
    {
        QFETCH(int, tab);
        window->Tabs()->setCurrentIndex(tab);
        const QMultiHash<QChar, QString> places = VisibleMnemonics(window);
        const QStringList clashes = MnemonicClashes(places);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
        // The menus keep theirs.
        for (const char* menu : { "&File", "&Edit", "&View", "&Help" })
            QVERIFY(places.values(MnemonicOf(QLatin1String(menu))).contains(QLatin1String(menu)));
    }

    void eachMenuHasItsOwnLetters()
    {
        const QStringList clashes = MenuMnemonicClashes(window);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
    }

private:
};

QTEST_MAIN(TestGarageKeys)
#include "tst_garage_keys.moc"
