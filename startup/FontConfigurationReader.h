// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the system's font configuration on a thread of its own while a
// window program starts Qt and connects to the display. Reading it
// (fontconfig parses some dozens of XML files) is the largest single cost of
// the start, and needs nothing from the display, so on a second core it is
// done by the time the first window asks for a font.
//
// Made before the QApplication; wait() before the first window is made, so
// that Qt finds the configuration read instead of reading it a second time
// (fontconfig lets two threads read it at once; one of the two readings is
// then thrown away). Where Qt draws its text without fontconfig, the reader
// does nothing. StartWindowProgram (startup/WindowProgram.h) does both.
#pragma once

#include <dlfcn.h>

#include <system_error>
#include <thread>

class FontConfigurationReader
{
public:
    FontConfigurationReader()
    {
        // fontconfig is loaded with Qt's GUI library when Qt uses it. Looked
        // up by name, so that nothing here is built against it.
        using Initialise = int (*)();
        // Without a thread, Qt reads it when it first needs it.
        if (const auto initialise = reinterpret_cast<Initialise>(dlsym(RTLD_DEFAULT, "FcInit"))) {
            try {
                reader = std::thread(initialise);
            } catch (const std::system_error&) {
            }
        }
    }
    ~FontConfigurationReader() { wait(); }
    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

    void wait()
    {
        if (reader.joinable())
            reader.join();
    }

private:
    std::thread reader;
};
