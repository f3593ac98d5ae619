// SPDX-License-Identifier: GPL-3.0-or-later
// The ".trv" car file's bytes: the words of its nine values, found as the
// bytes arrive, and the lines after the ninth value's line (the road keys),
// with codes for a file that is not a car (core/VehicleFile.h gives their
// messages). Writing: each text a CR LF line.
//
// A file is taken as white-space separated words (space, tab, LF, CR, VT,
// FF), whatever lines they stand on; a UTF-8 byte-order mark at its start is
// not part of the first word; no word may be longer than TrvMaxWordLength
// bytes, and the nine must lie wholly within the first TrvMaxScannedBytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int TrvValueCount = 9;
inline constexpr int TrvMaxWordLength = 64;
inline constexpr std::int64_t TrvMaxScannedBytes = 1024 * 1024;

// Splits bytes into words as they arrive, keeping no more than the first
// nine words and refusing an overlong word as soon as it shows. It is fed at
// most TrvMaxScannedBytes, the first time with the file's first bytes: at
// least three of them when the file has three, so a byte-order mark is seen
// whole.
class TrvScanner {
public:
    void feed(const char* data, std::int64_t size);
    // The end of the scanned bytes; `next` is the byte that follows them,
    // or -1 at the end of the file. A word cut by the bound is not taken.
    void finish(int next);
    // Nothing that follows can change the words: the nine are whole, or a
    // word is too long, or one runs past the bound.
    bool done() const { return words.size() == TrvValueCount || tooLong || runsPastBound; }
    // Drops the last line of the tail when it is not whole: the bound cut it.
    void cutTailToLines();

    std::vector<std::string> words;
    bool tooLong = false;
    bool runsPastBound = false;
    bool fileGoesOn = false;
    // The bytes after the ninth value's line, and the line they start on.
    std::string tail;
    int tailFirstLine = 0;

private:
    void endWord();

    std::string current;
    bool atStart = true;
    bool inTail = false;
    int lines = 1; // the line being scanned
};

// Why a file's bytes are not a car, in the order the reader tests them:
// a word too long, a word running past the bound, fewer than nine words
// within the bound of a file that goes on, fewer than nine words.
enum class TrvProblem { None, WordTooLong, RunsPastBound, TooFewWithinBound, TooFew };
TrvProblem ProblemOf(const TrvScanner& scanner);

// The whole of a file's bytes scanned, as a reader of the file does it.
TrvScanner ScanTrv(std::string_view bytes);

// Each text as a line: every LF written as CR LF, each line ended by CR LF.
std::string EncodeTrvLines(const std::vector<std::string>& texts);
