#pragma once

#include "rules/legality.h"
#include "rules/make_move.h"
#include "rules/moves.h"
#include "rules/rule_tables.h"
#include "rules/setup.h"
#include "rules/sfen.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Positions from seeded random games, as SFEN: each game starts from a level's initial position
// (levels taken in turn) and plays uniformly random legal moves until the side to move has none
// or the game reaches maxPlies. Every position of every game is kept, so hands fill as captures
// pile up. The same seed gives the same positions on every machine.
inline std::vector<std::string> RandomPlayPositions(uint32_t seed, int count, int maxPlies)
{
    BuildRuleTables();
    std::mt19937 random(seed);
    std::vector<std::string> positions;
    for (int game = 0; int(positions.size()) < count; ++game) {
        SetUpPosition(MinLevel + game % MaxLevel);
        UpdateCheckerFlags(1);
        SfenHeader header;
        for (int ply = 0; ply < maxPlies && int(positions.size()) < count; ++ply) {
            positions.push_back(WriteSfen(1, header));
            std::vector<Move> legal;
            ForEachMove(1, header.side, [&](const Move& m) {
                if (MakeMoveIfSafe(1, header.side, m))
                    legal.push_back(m);
            });
            if (legal.empty())
                break;
            const Move m = legal[random() % legal.size()];
            MakeMove(1, m.fromX, m.fromY, m.toX, m.toY, m.promote);
            header.side = -header.side;
            ++header.moveNumber;
        }
    }
    return positions;
}
