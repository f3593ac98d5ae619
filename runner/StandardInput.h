// SPDX-License-Identifier: GPL-3.0-or-later
// One car from standard input, for the FILE "-".
#pragma once

#include "runner/CarBatch.h"

#include <QIODevice>

// Reads standard input until it holds the nine words of a car, ends, or
// reaches the most a data file is scanned for (VehicleFile::MaxScannedBytes)
// and one byte more, to see whether a word runs on past the bound,
// so that a car typed at a terminal runs once its ninth value is ended by a
// space or a line end. With `roadKeys` (--model road) it reads on after the
// nine words, to the end of the input or the bound, for the road keys that
// follow them. On a terminal, first says on `notices` what to type.
InputBytes ReadStandardInput(QIODevice& notices, bool roadKeys = false);
