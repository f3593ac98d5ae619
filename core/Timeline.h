// SPDX-License-Identifier: GPL-3.0-or-later
// Timeline is one of the numbers below Qt: numbers/Timeline.h.
#pragma once

#include "numbers/Timeline.h"
