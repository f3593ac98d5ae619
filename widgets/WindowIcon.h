// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QString>

// A program's window icon at the sizes a window sends the X server, from
// the resources ":/icons/NAME-SIZE.rgba": the pictures bench/startup/
// render_icons draws from the program's SVG picture, as bare pixels. Taking
// them needs neither Qt's SVG plugin nor an image reader, whose plugins Qt
// would look through first: both cost a program's start more than the
// window it shows.
inline QIcon WindowIcon(const QString& name)
{
    QIcon icon;
    for (int size : { 16, 32, 64, 128 }) {
        const QByteArray pixels
            = QResource(QStringLiteral(":/icons/%1-%2.rgba").arg(name).arg(size)).uncompressedData();
        if (pixels.size() != static_cast<qsizetype>(size) * size * 4)
            continue;
        const QImage picture(reinterpret_cast<const uchar*>(pixels.constData()), size, size, size * 4,
                             QImage::Format_RGBA8888_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(picture.copy()));
    }
    return icon;
}
