// SPDX-License-Identifier: GPL-3.0-or-later
// RoadRun is one of the numbers below Qt: numbers/RoadRun.h.
#pragma once

#include "numbers/RoadRun.h"
