// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>
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

// The icon a program's windows take: the application's, which the program's
// start sets from the same picture, so that the four sizes are not read a
// second time; NAME's own where none is set, as for a window a test makes.
inline QIcon ApplicationWindowIcon(const QString& name)
{
    const QIcon application = QGuiApplication::windowIcon();
    return application.isNull() ? WindowIcon(name) : application;
}
