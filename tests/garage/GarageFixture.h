// SPDX-License-Identifier: GPL-3.0-or-later
// The garage of a window test: each test function starts a fresh one
// (StartGarage), with settings in a folder of its own and the default car,
// and ends it (EndGarage). A test class derives from it beside QObject and
// reaches the folder, the program and its window by name.
#pragma once

#include "garage/GarageProgram.h"
#include "garage/GarageWindow.h"

#include <QTemporaryDir>

#include <memory>

class GarageFixture
{
protected:
    enum class Shown { No, Yes };

    void StartGarage(Shown shown = Shown::No)
    {
        dir = std::make_unique<QTemporaryDir>();
        program = std::make_unique<GarageProgram>(dir->filePath(QStringLiteral("garage.ini")));
        program->Start({});
        window = &program->Window();
        if (shown == Shown::Yes)
            window->show();
    }

    void EndGarage()
    {
        window = nullptr;
        program.reset();
        dir.reset();
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<GarageProgram> program;
    GarageWindow* window = nullptr;
};
