// torvane-run: runs vehicle data files from the command line.
#include "runner/Runner.h"
#include "runner/StandardInput.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    RunnerStreams streams;
    streams.out = &out;
    streams.err = &err;
    streams.readStandardInput = [&err] { return ReadStandardInput(err); };
    return RunCommand(arguments, streams);
}
