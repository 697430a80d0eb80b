#include "evaluation.h"

#include "rules/ply_stack.h"
#include "rules/rule_tables.h"
#include "rules/targets.h"

#include <cstdlib>
#include <cstring>

uint32_t RandomSeed = 0;

int32_t CountMaterial(int p, int s)
{
    int32_t sum = 0;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int c = Position[p][x][y];
            if (c != 0)
                sum += PieceValueTable[std::abs(c)] * SideOf(c);
        }
    for (int t = 1; t <= HandTypeCount; ++t)
        sum += (Position[p][t][HandRow(Sente)] - Position[p][t][HandRow(Gote)])
            * PieceValueTable[t];
    return sum * s;
}

void BuildControlMap(int p)
{
    std::memcpy(ControlMap[p], ControlMap[0], sizeof ControlMap[p]);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int c = Position[p][x][y];
            if (c == 0)
                continue;
            GenerateTargets(p, x, y);
            uint8_t(&counts)[BoardSize + 1][BoardSize + 1] = ControlMap[p][SideOf(c) + 1];
            for (int tx = 1; tx <= BoardSize; ++tx)
                for (int ty = 1; ty <= BoardSize; ++ty)
                    if (TargetMap[p][tx][ty] != TargetNone)
                        ++counts[tx][ty];
        }
}

int32_t RandomBelow(int32_t n)
{
    RandomSeed = RandomSeed * 134775813u + 1u;
    return int32_t((uint64_t(RandomSeed) * uint32_t(n)) >> 32);
}
