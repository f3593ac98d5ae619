// Numbers as the runner writes them for other programs: the shortest text
// that reads back as the very same double, whatever the locale.
#pragma once

#include <QByteArray>

// "0.1", "345", "1e+21", "-0"; "inf", "-inf" or "nan" for a value that is
// not finite.
QByteArray ShortestText(double value);
QByteArray ShortestText(int value);
