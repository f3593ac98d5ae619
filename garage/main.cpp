// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/GarageProgram.h"

int main(int argc, char** argv)
{
    return RunGarage(argc, argv);
}
