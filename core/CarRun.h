// SPDX-License-Identifier: GPL-3.0-or-later
// CarRun is one of the numbers below Qt: numbers/CarRun.h.
#pragma once

#include "numbers/CarRun.h"
