// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace {

struct TStandIn
{
    const char* face;
    std::array<const char*, 3> candidates;
    QFont::StyleHint kind;
    QFont::Weight weight;   // the face's own weight; bold requests go heavier
};

// Chosen among the Debian font packages that install-deps.sh installs
// (fonts-liberation, fonts-urw-base35, fonts-dejavu-core). The reasons are
// in docs/DECISIONS.md.
const TStandIn standIns[] = {
    {"MS Sans Serif", {"Liberation Sans", "Nimbus Sans", "DejaVu Sans"}, QFont::SansSerif, QFont::Normal},
    {"Arial", {"Liberation Sans", "Nimbus Sans", "DejaVu Sans"}, QFont::SansSerif, QFont::Normal},
    {"Arial Black", {"DejaVu Sans", "Liberation Sans", "Nimbus Sans"}, QFont::SansSerif, QFont::Black},
    {"Courier", {"Nimbus Mono PS", "Liberation Mono", "DejaVu Sans Mono"}, QFont::Monospace, QFont::Normal},
    {"Martina", {"Z003", "URW Chancery L", "DejaVu Serif"}, QFont::Decorative, QFont::Normal},
    {"Notram", {"URW Bookman", "C059", "DejaVu Serif"}, QFont::Serif, QFont::Normal},
    {"Book Antiqua", {"P052", "Liberation Serif", "DejaVu Serif"}, QFont::Serif, QFont::Normal},
};

const TStandIn* StandInFor(const QString& face)
{
    for (const TStandIn& entry : standIns)
        if (face.compare(QLatin1String(entry.face), Qt::CaseInsensitive) == 0)
            return &entry;
    return nullptr;
}

QFont FontFor(const QString& face, bool bold)
{
    QFont font;
    const TStandIn* entry = StandInFor(face);
    font.setFamily(FamilyFor(face));
    if (entry) {
        font.setStyleHint(entry->kind);
        font.setWeight(bold && entry->weight < QFont::Bold ? QFont::Bold : entry->weight);
        if (entry->kind == QFont::Monospace)
            font.setFixedPitch(true);
    } else {
        font.setBold(bold);
    }
    return font;
}

} // namespace

QString FamilyFor(const QString& face)
{
    const TStandIn* entry = StandInFor(face);
    if (!entry)
        return face;
    // Looked up among the families installed: hasFamily would ask
    // fontconfig to resolve each name as an alias, a noticeable part of the
    // program's start when every window asks. The list is read once: the
    // windows ask for the same few faces again and again while the program
    // starts.
    // A family that two foundries install is listed once for each, as
    // "Z003 [urw]".
    static const QStringList installed = [] {
        QStringList families = QFontDatabase::families();
        for (QString& family : families)
            family = family.section(QLatin1String(" ["), 0, 0);
        return families;
    }();
    for (const char* candidate : entry->candidates)
        if (installed.contains(QLatin1String(candidate), Qt::CaseInsensitive))
            return QLatin1String(candidate);
    // None of ours is installed: let fontconfig pick a face of the same kind.
    QFont generic;
    generic.setStyleHint(entry->kind);
    return generic.defaultFamily();
}

QFont PixelFont(const QString& face, int pixels, bool bold)
{
    QFont font = FontFor(face, bold);
    font.setPixelSize(pixels);
    return font;
}

QFont PointFont(const QString& face, qreal points, bool bold)
{
    QFont font = FontFor(face, bold);
    font.setPointSizeF(points);
    return font;
}

QFont WindowFont()
{
    return PixelFont(QStringLiteral("MS Sans Serif"), 11);
}
