// SPDX-License-Identifier: GPL-3.0-or-later
// Connects to the desktop's session bus on a thread of its own while a
// window program makes its first window. Qt connects when the bus is first
// asked for, and waits for the connection there: a menu bar asks whether
// the desktop shows menus of its own, and the accessibility bridge asks at
// the first text a label is given, both before the first window is mapped.
// Connected here, on the second core, they find the connection made, or
// wait only for the rest of it. Without a session bus, the attempt fails
// here as it would have failed there.
//
// Made right after the QApplication (Qt's bus connections need it) and
// destroyed before it, as StartWindowProgram (startup/WindowProgram.h) does.
#pragma once

#include <QDBusConnection>

#include <system_error>
#include <thread>

class SessionBusConnector
{
public:
    SessionBusConnector()
    {
        // Without a thread, Qt connects on first use, as it always has.
        try {
            connecting = std::thread([] { QDBusConnection::sessionBus(); });
        } catch (const std::system_error&) {
        }
    }
    ~SessionBusConnector()
    {
        if (connecting.joinable())
            connecting.join();
    }
    SessionBusConnector(const SessionBusConnector&) = delete;
    SessionBusConnector& operator=(const SessionBusConnector&) = delete;

private:
    std::thread connecting;
};
