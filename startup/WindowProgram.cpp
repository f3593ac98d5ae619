// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup/WindowProgram.h"

#include "core/Translations.h"
#include "startup/FontConfigurationReader.h"
#include "startup/LazyIcon.h"
#include "startup/SessionBusConnector.h"
#include "startup/StartGuard.h"
#include "startup/WindowIcon.h"

#include <QApplication>
#include <QByteArray>

int StartWindowProgram(int& argc, char** argv, const WindowProgramStart& start, const std::function<int()>& run)
{
    FontConfigurationReader fontConfiguration;
    const QByteArray guardedName = start.name.toLocal8Bit();
    GuardStart(guardedName.constData());
    QApplication application(argc, argv);
    EndStartGuard();
    const SessionBusConnector sessionBus;
    if (!start.desktopEntry.isEmpty())
        QGuiApplication::setDesktopFileName(start.desktopEntry);
    ReadExtensionGlyphsWhenDrawn();
    QGuiApplication::setWindowIcon(WindowIcon(start.name));
    InstallTranslations();
    fontConfiguration.wait();
    return run();
}
