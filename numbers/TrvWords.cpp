// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/TrvWords.h"

#include <algorithm>
#include <cstring>

namespace {

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

} // namespace

void TrvScanner::feed(const char* data, std::int64_t size)
{
    std::int64_t i = 0;
    if (atStart && size >= 3 && std::memcmp(data, byteOrderMark, 3) == 0)
        i = 3;
    atStart = false;
    for (; i < size && !done(); ++i) {
        if (isWhiteSpace(data[i])) {
            endWord();
            if (data[i] == '\n') {
                ++lines;
                if (words.size() == TrvValueCount) {
                    inTail = true;
                    tailFirstLine = lines;
                }
            }
        } else {
            current += data[i];
            if (current.size() > static_cast<std::size_t>(TrvMaxWordLength))
                tooLong = true;
        }
    }
    // After the nine values: the rest of the ninth value's line is skipped,
    // the lines after it are kept.
    if (words.size() == TrvValueCount && !tooLong) {
        for (; i < size && !inTail; ++i) {
            if (data[i] == '\n') {
                inTail = true;
                tailFirstLine = ++lines;
            }
        }
        if (inTail)
            tail.append(data + i, static_cast<std::size_t>(size - i));
    }
}

void TrvScanner::finish(int next)
{
    if (done())
        return;
    if (!current.empty() && next >= 0 && !isWhiteSpace(static_cast<char>(next))) {
        runsPastBound = true;
        return;
    }
    endWord();
    fileGoesOn = next >= 0;
}

void TrvScanner::cutTailToLines()
{
    const std::size_t end = tail.rfind('\n');
    tail.resize(end == std::string::npos ? 0 : end + 1);
}

void TrvScanner::endWord()
{
    if (!current.empty() && !tooLong && words.size() < TrvValueCount)
        words.push_back(current);
    current.clear();
}

TrvProblem ProblemOf(const TrvScanner& scanner)
{
    if (scanner.tooLong)
        return TrvProblem::WordTooLong;
    if (scanner.runsPastBound)
        return TrvProblem::RunsPastBound;
    if (scanner.words.size() < TrvValueCount)
        return scanner.fileGoesOn ? TrvProblem::TooFewWithinBound : TrvProblem::TooFew;
    return TrvProblem::None;
}

TrvScanner ScanTrv(std::string_view bytes)
{
    TrvScanner scanner;
    const std::int64_t size = static_cast<std::int64_t>(bytes.size());
    const std::int64_t scanned = std::min(size, TrvMaxScannedBytes);
    scanner.feed(bytes.data(), scanned);
    if (scanned < size && !scanner.tail.empty())
        scanner.cutTailToLines();
    scanner.finish(scanned < size ? static_cast<unsigned char>(bytes[static_cast<std::size_t>(scanned)]) : -1);
    return scanner;
}

std::string EncodeTrvLines(const std::vector<std::string>& texts)
{
    std::string bytes;
    for (const std::string& text : texts) {
        for (const char c : text) {
            if (c == '\n')
                bytes += '\r';
            bytes += c;
        }
        bytes += "\r\n";
    }
    return bytes;
}
