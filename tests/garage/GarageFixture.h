// SPDX-License-Identifier: GPL-3.0-or-later
// The garage of a window test: each test function starts a fresh one
// (StartGarage), with settings in a folder of its own and the default car,
// and ends it (EndGarage). The garage runs on the classic law unless the
// test chooses the road model, so its numbers are the classic program's. A test class derives from it beside QObject and
// reaches the folder, the program and its window by name.
#pragma once

#include "garage/GarageProgram.h"
#include "garage/GarageWindow.h"

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

class GarageFixture
{
protected:
    enum class Shown { No, Yes };

    void StartGarage(Shown shown = Shown::No, CarModel model = CarModel::Classic)
    {
        dir = std::make_unique<QTemporaryDir>();
        const QString ini = dir->filePath(QStringLiteral("garage.ini"));
        QSettings(ini, QSettings::IniFormat).setValue(QStringLiteral("model"), CarModelWord(model));
        program = std::make_unique<GarageProgram>(ini);
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
