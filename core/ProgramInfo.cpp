// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProgramInfo.h"

#include <QCoreApplication>

QString TorvaneVersion()
{
    return QStringLiteral(TORVANE_VERSION);
}

QString VersionLine(const QString& program)
{
    return program + QLatin1Char(' ') + TorvaneVersion();
}

QString LicenceNotice()
{
    return QCoreApplication::translate(
        "ProgramInfo",
        "Copyright (C) 2026 The Torvane team.\n"
        "License GPLv3+: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl.html>.\n"
        "This is free software: you are free to change and redistribute it.\n"
        "There is NO WARRANTY, to the extent permitted by law.");
}

QString VersionText(const QString& program)
{
    return VersionLine(program) + QLatin1Char('\n') + LicenceNotice() + QLatin1Char('\n');
}
