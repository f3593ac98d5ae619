// SPDX-License-Identifier: GPL-3.0-or-later
// torvane-run: runs vehicle data files from the command line.
#include "core/FileNames.h"
#include "runner/Runner.h"
#include "runner/StandardInput.h"

#include <QFile>

#include <unistd.h>

int main(int argc, char** argv)
{
    // The arguments as the system gives them: a file name that is not
    // valid UTF-8 still opens.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(ArgumentText(QByteArray(argv[i])));
    DescriptorSink out(STDOUT_FILENO);
    QFile err;
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    RunnerStreams streams;
    streams.out = &out;
    streams.err = &err;
    streams.readStandardInput = [&err](bool roadKeys) { return ReadStandardInput(err, roadKeys); };
    return RunCommand(arguments, streams);
}
