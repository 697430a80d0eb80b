#include "tests/reference/plain_engine.h"

#include "rules/ply_stack.h"
#include "rules/rule_tables.h"
#include "rules/targets.h"

#include <cstring>

namespace plain {

void BuildControlMap(int p)
{
    std::memcpy(ControlMap[p], ControlMap[0], sizeof ControlMap[p]);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int c = Position[p][x][y];
            if (c == 0)
                continue;
            GenerateTargets(p, x, y);
            uint8_t(&counts)[BoardSize + 1][BoardSize + 1] = ControlMap[p][SideIndex(SideOf(c))];
            for (int tx = 1; tx <= BoardSize; ++tx)
                for (int ty = 1; ty <= BoardSize; ++ty)
                    if (TargetMap[p][tx][ty] != TargetNone)
                        ++counts[tx][ty];
        }
}

} // namespace plain
