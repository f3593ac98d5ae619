#include "garage/GarageProgram.h"

int main(int argc, char** argv)
{
    return RunGarage(argc, argv);
}
