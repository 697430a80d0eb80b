#include "typed_move.h"

TypedMoveResult ReadTypedMove(
    std::string_view, int, const RuleSet&, std::optional<std::pair<int, int>>)
{
    return { std::nullopt, "typed moves are not read yet" };
}
