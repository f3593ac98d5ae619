// SPDX-License-Identifier: GPL-3.0-or-later
// Puts a fuzz input on this process's standard input, for the runner's
// reader of the FILE "-", which reads file descriptor 0 itself.
#pragma once

#include <QByteArray>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <limits.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <unistd.h>

// Standard input as a pipe that another program fills piece by piece: each
// read returns exactly one piece, or the part of one the reader asked for,
// as a terminal hands over one line per read. A writer thread puts the next
// piece in only once the pipe is empty, and no piece is longer than
// PIPE_BUF, so that it goes in whole. The same pieces always give the same
// reads, so an input the fuzzer saves behaves the same when replayed.
class PipedStandardInput {
public:
    explicit PipedStandardInput(std::vector<std::string_view> pieces)
    {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0 || ::dup2(ends[0], STDIN_FILENO) < 0)
            std::abort();
        readEnd_ = ends[0];
        writer_ = std::thread(&PipedStandardInput::feed, ends[1], readEnd_, std::move(pieces),
                              std::ref(stop_));
    }
    ~PipedStandardInput()
    {
        // The reader may stop before the last piece.
        stop_ = true;
        writer_.join();
        ::close(readEnd_);
    }
    PipedStandardInput(const PipedStandardInput&) = delete;
    PipedStandardInput& operator=(const PipedStandardInput&) = delete;

    // `bytes` in pieces of `first` bytes for the first `count` pieces, then
    // of PIPE_BUF bytes.
    static std::vector<std::string_view> Pieces(const QByteArray& bytes, qsizetype first, int count)
    {
        std::vector<std::string_view> pieces;
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype size = qMin<qsizetype>(pieces.size() < std::size_t(count) ? first : PIPE_BUF,
                                                   bytes.size() - at);
            pieces.emplace_back(bytes.constData() + at, static_cast<std::size_t>(size));
            at += size;
        }
        return pieces;
    }

private:
    // Outside the coverage the fuzzer steers by: how long it waits depends
    // on the scheduler, not on the input.
    __attribute__((no_sanitize("coverage"))) static void feed(int writeEnd, int readEnd,
                                                              std::vector<std::string_view> pieces,
                                                              std::atomic<bool>& stop)
    {
        for (std::string_view piece : pieces) {
            int queued = 0;
            while (!stop && ::ioctl(readEnd, FIONREAD, &queued) == 0 && queued > 0)
                ::sched_yield();
            if (stop)
                break;
            while (!piece.empty()) {
                const ssize_t put = ::write(writeEnd, piece.data(), qMin<std::size_t>(piece.size(), PIPE_BUF));
                if (put < 0 && errno == EINTR)
                    continue;
                if (put <= 0)
                    std::abort();
                piece.remove_prefix(static_cast<std::size_t>(put));
            }
        }
        ::close(writeEnd);
    }

    int readEnd_ = -1;
    std::atomic<bool> stop_ = false;
    std::thread writer_;
};

// Standard input as the regular file at `path`, as the shell gives it for
// "torvane-run - < path".
inline void StandardInputFromFile(const char* path)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::dup2(fd, STDIN_FILENO) < 0)
        std::abort();
    ::close(fd);
}
