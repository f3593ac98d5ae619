// SPDX-License-Identifier: GPL-3.0-or-later
// GarageProgram: one run of Torvane Garage. It owns the remembered settings,
// the cars, their files and the main window, opens the files named on the command line
// (or starts with the default car) and shows the window. A test or the
// screenshot program makes a fresh one with settings of its own.
#pragma once

#include "garage/CarFiles.h"
#include "garage/CarList.h"
#include "garage/GarageSettings.h"

#include <QStringList>

#include <memory>

class GarageWindow;

class GarageProgram
{
public:
    // Settings from `settingsPath` (an INI file) or, when it is empty, the
    // user's own.
    explicit GarageProgram(const QString& settingsPath = QString());
    ~GarageProgram();

    // Opens these files; when none opened, starts with the default car.
    // What the start opened is where the history begins: it cannot be undone.
    void Start(const QStringList& files);

    CarList& Cars() { return *cars; }
    GarageSettings& Settings() { return *settings; }
    CarFiles& Files() { return *files; }
    GarageWindow& Window() { return *window; }

private:
    std::unique_ptr<GarageSettings> settings;
    std::unique_ptr<CarList> cars;
    std::unique_ptr<CarFiles> files;
    std::unique_ptr<GarageWindow> window;
};

// The whole program: the application object, the command line, the window.
int RunGarage(int argc, char** argv);
