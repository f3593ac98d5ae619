// SPDX-License-Identifier: GPL-3.0-or-later
// mapwatch: starts a program and tells how long it took until its first
// window was mapped on the X server, in milliseconds, then ends it.
//
// Usage: mapwatch PROGRAM [ARGUMENTS...]
// The X server is the one DISPLAY names; no window manager is needed (the
// root window reports every top-level window mapped). Prints the wall-clock
// time, and the processor time the program used until it was stopped right
// after (which other programs on a busy machine do not inflate), on
// standard output; exits 1 when the program ended, or nothing was mapped
// within 30 s.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <csignal>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwatch PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    // A server busy with the last program's windows may turn a connection
    // away for a moment.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    for (int attempt = 0; xcb_connection_has_error(connection) && attempt < 40; ++attempt) {
        xcb_disconnect(connection);
        usleep(50000);
        connection = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "mapwatch: no X server\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    pollfd watched{ xcb_get_file_descriptor(connection), POLLIN, 0 };
    int status = 1;
    for (;;) {
        const auto waited = std::chrono::steady_clock::now() - start;
        const int left = 30000 - static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(waited).count());
        if (left <= 0 || waitpid(child, nullptr, WNOHANG) == child)
            break;
        poll(&watched, 1, std::min(left, 50));
        bool mapped = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            mapped = mapped || (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            free(event);
        }
        if (mapped) {
            status = 0;
            break;
        }
    }
    const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    kill(child, SIGKILL);
    rusage usage{};
    wait4(child, nullptr, 0, &usage);
    const double processor = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                             + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    if (status == 0)
        std::printf("%.1f %.1f\n", wall, processor);
    xcb_disconnect(connection);
    return status;
}
