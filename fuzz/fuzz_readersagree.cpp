// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the runner's two readers of a car, side by side. The
// same bytes as a file ("torvane-run car.trv") and on standard input
// ("torvane-run - < car.trv") must give the same nine texts, or the same
// refusal. The file is named "-" so that both messages name the same file;
// the folder's ".trv" passes the extension rule.
#include "StandardInputFeed.h"

#include "runner/CarBatch.h"
#include "runner/StandardInput.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const std::string& carPath()
{
    // In memory where there is a tmpfs: ext4 flushes a file truncated and
    // written again on close, which would make each input take milliseconds.
    const QString memory = QStringLiteral("/dev/shm");
    static const QTemporaryDir folder((QFileInfo(memory).isDir() ? memory : QDir::tempPath())
                                      + QStringLiteral("/fuzz.trv.XXXXXX"));
    static const std::string path = QFile::encodeName(folder.filePath(QStringLiteral("-"))).toStdString();
    if (!folder.isValid())
        std::abort();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = carPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
    const CarSource fromFile = ReadCar(BatchFile::Of(QString::fromStdString(path)), [](bool) { return InputBytes(); });
    StandardInputFromFile(path.c_str());
    QBuffer notices;
    notices.open(QIODevice::WriteOnly);
    const CarSource fromInput
        = ReadCar(BatchFile::Of(QStringLiteral("-")), [&notices](bool) { return ReadStandardInput(notices); });
    if (fromFile.error != fromInput.error || fromFile.texts != fromInput.texts) {
        std::fprintf(stderr, "file:  %s\ninput: %s\n", qPrintable(fromFile.error), qPrintable(fromInput.error));
        std::abort();
    }
    return 0;
}
