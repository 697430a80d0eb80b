#include "game_rules.h"

#include "rules/ply_stack.h"
#include "rules/setup.h"
#include "rules/sfen.h"

#include <cassert>
#include <string>

namespace {

void RemoveSentePiece(int type)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (Position[1][x][y] == type)
                Position[1][x][y] = 0;
}

} // namespace

void SetUpStart(const RuleSet& rules, int level)
{
    if (&rules == &VelmoraRules) {
        SetUpPosition(level);
        return;
    }
    SfenHeader header;
    std::string error;
    [[maybe_unused]] const bool read = ReadSfen(rules.startSfen, header, error);
    assert(read);
    if (level > 1)
        RemoveSentePiece(Bishop);
    if (level == MaxLevel)
        RemoveSentePiece(Rook);
}
