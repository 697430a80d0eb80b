#include "game_position.h"

GamePosition PositionOfPly(int p, int s, const RuleSet& rules)
{
    // Material is the classic computer's measure; the strong search evaluates on its own.
    return GamePosition { LoadBoard(p, 0), s, &rules };
}
