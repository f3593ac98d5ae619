// SPDX-License-Identifier: GPL-3.0-or-later
// One include, named by the target that builds this file (CMakeLists.txt).
#include TORVANE_INCLUDED
