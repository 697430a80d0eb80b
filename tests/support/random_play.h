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
// (levels taken in turn) and plays random legal moves until the side to move has none or the game
// reaches maxPlies. The moves lean towards captures and away from drops, so that both hands fill
// up as they do in the costliest positions; every position of every game is kept. The same seed
// gives the same positions on every machine.
// Three times in four a capture when there is one, else a board move when there is one.
inline Move PickLeaningToCaptures(const std::vector<Move>& legal, int side, std::mt19937& random)
{
    std::vector<Move> captures, boardMoves;
    for (const Move& m : legal) {
        if (m.fromY <= BoardSize)
            boardMoves.push_back(m);
        if (m.fromY <= BoardSize && Position[1][m.toX][m.toY] * side < 0)
            captures.push_back(m);
    }
    const std::vector<Move>& pool = random() % 4 == 0 ? legal
        : !captures.empty()                           ? captures
        : !boardMoves.empty()                         ? boardMoves
                                                      : legal;
    return pool[random() % pool.size()];
}

inline std::vector<std::string> RandomPlayPositions(uint32_t seed, int count, int maxPlies)
{
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
            const Move m = PickLeaningToCaptures(legal, header.side, random);
            MakeMove(1, m.fromX, m.fromY, m.toX, m.toY, m.promote);
            header.side = -header.side;
            ++header.moveNumber;
        }
    }
    return positions;
}
