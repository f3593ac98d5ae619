// SPDX-License-Identifier: GPL-3.0-or-later
// What the programs that take pictures of the windows share: waiting until
// the X server shows a window, saving its picture as the screen shows it,
// and the dark desktop palette the pictures are also taken in.
#pragma once

#include <QApplication>
#include <QColor>
#include <QElapsedTimer>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <cstdio>

// A dark desktop theme, as a user may have chosen one: light text on dark
// windows.
inline QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(50, 50, 50));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::Button, QColor(60, 60, 63));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 63));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    return dark;
}

// Lets the X server map and paint the window.
inline void SettleWindow(QWidget* window)
{
    QElapsedTimer timer;
    timer.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && timer.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(15);
    }
}

// Saves the window as the screen shows it; true when the file was written.
inline bool SaveWindowPicture(QWidget* window, const QString& path)
{
    SettleWindow(window);
    const QPixmap picture = window->screen()->grabWindow(window->winId());
    const bool saved = picture.save(path);
    std::printf("%s %s (%dx%d)\n", saved ? "wrote" : "FAILED", qPrintable(path), picture.width(),
                picture.height());
    return saved;
}
