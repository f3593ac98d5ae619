// SPDX-License-Identifier: GPL-3.0-or-later
// What each of the three programs says about itself: its version and the
// licence it is under, for --version and the about boxes.
#pragma once

#include <QString>

// "4.0", the version of the whole project.
QString TorvaneVersion();

// "torvane 4.0" for "torvane": the first line of every --version.
QString VersionLine(const QString& program);

// The licence in a few lines (translated): the GNU General Public License,
// version 3 or any later version, and no warranty.
QString LicenceNotice();

// What --version prints: the version line, then the licence notice, each
// line ended by a line feed.
QString VersionText(const QString& program);
