// SPDX-License-Identifier: GPL-3.0-or-later
// render_icons: draws the programs' window icons from their SVG pictures
// at the sizes a window sends the X server (16, 32, 64 and 128 pixels),
// with Qt's own SVG plugin, as the programs drew them when they started
// from the SVG. The programs start from these pictures, kept as their
// bare pixels (RGBA, premultiplied, row by row): taking them needs neither
// the SVG plugin nor an image reader, whose plugins Qt would look through
// first.
//
// Usage: render_icons DATA-FOLDER (writes DATA-FOLDER/icons/NAME-SIZE.rgba)
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_icons DATA-FOLDER\n");
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    data.mkpath(QStringLiteral("icons"));
    for (const char* name : { "torvane", "torvane-garage" }) {
        const QIcon icon(data.filePath(QStringLiteral("%1.svg").arg(QLatin1String(name))));
        for (int size : { 16, 32, 64, 128 }) {
            const QImage picture
                = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_RGBA8888_Premultiplied);
            const QString path = data.filePath(QStringLiteral("icons/%1-%2.rgba").arg(QLatin1String(name)).arg(size));
            QFile file(path);
            const auto bytes = static_cast<qint64>(size) * size * 4;
            if (picture.size() != QSize(size, size) || !file.open(QIODevice::WriteOnly)
                || file.write(reinterpret_cast<const char*>(picture.constBits()), bytes) != bytes) {
                std::fprintf(stderr, "render_icons: could not draw %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
