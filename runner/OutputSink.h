// SPDX-License-Identifier: GPL-3.0-or-later
// Where the runner's output goes, and whether it got there.
//
// Bytes are gathered into pieces of 64 KiB and each piece is written as it
// fills, so a full disk, or a reader that has left a pipe while SIGPIPE is
// ignored, is found at the first write that fails: the runner then stops at
// once instead of computing every car first. After a failure nothing more
// is written.
#pragma once

#include <QIODevice>
#include <QString>

#include <string>
#include <string_view>

class OutputSink {
public:
    virtual ~OutputSink() = default;

    // Takes the bytes; false once any write has failed.
    bool Write(std::string_view bytes);
    // Writes whatever is held back; false once any write has failed.
    bool Flush();
    bool Failed() const { return failed; }
    // Whether the failure was a reader that left (EPIPE): the runner ends
    // quietly then, as it would have by SIGPIPE.
    bool ReaderLeft() const { return readerLeft; }
    // The system's words for the failure.
    QString Failure() const { return failure; }

protected:
    // Writes all of `bytes`; on failure sets the reason with Fail and
    // returns false.
    virtual bool Put(std::string_view bytes) = 0;
    void Fail(const QString& reason, bool readerHasLeft = false);

private:
    static constexpr std::size_t pieceSize = 64 * 1024;
    std::string held;
    bool failed = false;
    bool readerLeft = false;
    QString failure;
};

// A file descriptor, written with write(2) (standard output).
class DescriptorSink : public OutputSink {
public:
    explicit DescriptorSink(int fd) : fd(fd) {}

protected:
    bool Put(std::string_view bytes) override;

private:
    int fd;
};

// A QIODevice (the tests' buffers).
class DeviceSink : public OutputSink {
public:
    explicit DeviceSink(QIODevice& device) : device(device) {}

protected:
    bool Put(std::string_view bytes) override;

private:
    QIODevice& device;
};

// Counts the bytes and keeps none (the benchmark).
class DiscardingSink : public OutputSink {
public:
    qint64 Count() const { return count; }

protected:
    bool Put(std::string_view bytes) override
    {
        count += static_cast<qint64>(bytes.size());
        return true;
    }

private:
    qint64 count = 0;
};
