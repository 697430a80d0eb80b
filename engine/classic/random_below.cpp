#include "random_below.h"

uint32_t RandomSeed = 0;

int32_t RandomBelow(int32_t n)
{
    RandomSeed = RandomSeed * 134775813u + 1u;
    return int32_t((uint64_t(RandomSeed) * uint32_t(n)) >> 32);
}
