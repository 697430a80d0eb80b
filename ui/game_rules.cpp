#include "game_rules.h"

#include "rules/setup.h"
#include "rules/sfen.h"

#include <cassert>
#include <string>

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
    RemoveHandicapPieces(level);
}
