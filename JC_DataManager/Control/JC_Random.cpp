#include "JC_DataManager/Control/JC_Random.h"

#include <cstdlib>

int JC_Random::Random(int iMin, int iMax)
{
    if (iMin < LOWEST_MIN || iMax > HIGHEST_MAX || iMin > iMax)
        return 0;
    return std::rand() % (iMax - iMin + 1) + iMin;
}

int JC_Random::Random(int iMax)
{
    if (iMax < 0 || iMax > LARGEST_MAX)
        return 0;
    return std::rand() % (iMax + 1);
}

int JC_Random::Chance(int iPercent)
{
    if (iPercent == 0)
        return 0;
    return Random(99) + 1 <= iPercent ? 1 : 0;
}
