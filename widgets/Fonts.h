// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts: the one place that decides which installed family stands in for
// each face the windows were designed with ("MS Sans Serif", "Arial",
// "Arial Black", "Courier", "Martina", "Notram", "Book Antiqua"). Every
// window asks here, so a change of stand-in changes every window at once.
#pragma once

#include <QFont>
#include <QString>

// The installed family used for a design face: the first candidate that is
// installed, otherwise what fontconfig offers for the face's generic kind
// (sans, serif, fixed pitch, decorative). A face this table does not know
// is returned unchanged.
QString FamilyFor(const QString& face);

// A font of the given face with its size in pixels (character height, as
// the layouts give it) or in points (as the printed report gives it).
QFont PixelFont(const QString& face, int pixels, bool bold = false);
QFont PointFont(const QString& face, qreal points, bool bold = false);

// The windows' own font: "MS Sans Serif" with 11-pixel characters.
QFont WindowFont();
