// SPDX-License-Identifier: GPL-3.0-or-later
// DayRun is one of the numbers below Qt: numbers/DayRun.h.
#pragma once

#include "numbers/DayRun.h"
