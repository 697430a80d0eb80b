#include "game_rules.h"

#include "rules/setup.h"
#include "rules/sfen.h"

#include <cassert>
#include <string>

void SetUpStart(GameRules rules, int level)
{
    if (rules == GameRules::Velmora) {
        SetUpPosition(level);
        return;
    }
    SfenHeader header;
    std::string error;
    [[maybe_unused]] const bool read = ReadSfen(StandardStartSfen, header, error);
    assert(read);
    RemoveHandicapPieces(level);
}
