#include "evaluation.h"

#include "eval_features.h"
#include "eval_weights.h"

#include "engine/board/hash.h"

#include <algorithm>
#include <bit>

namespace {

using namespace EvalFeature;

// The weights gathered by what the evaluation looks up, Sente's signs applied, so that a piece
// costs one addition rather than a feature walk.
struct EvalTables {
    int32_t pieceSquare[2 * PieceTypeCount + 1][SquareCount]; // [code + PieceTypeCount][square]
    int32_t hand[HandTypeCount + 1][MaxOfAKind + 1]; // Sente's, by count held
    int32_t pressure[MaxZoneAttacks + 1][MaxHeldCounted + 1];
    int32_t shelter[MaxShelter + 1];
};

constexpr EvalTables BuildEvalTables()
{
    EvalTables t {};
    for (int type = Pawn; type <= PieceTypeCount; ++type)
        for (int square = 0; square < SquareCount; ++square) {
            for (const int s : { Sente, Gote })
                t.pieceSquare[type * s + PieceTypeCount][square] = s
                    * (EvalWeights[BoardPiece + type]
                        + EvalWeights[Placement + type * SquareCount + OwnView(s, square)]);
        }
    for (int type = Pawn; type <= HandTypeCount; ++type)
        for (int count = 1; count <= MaxOfAKind; ++count)
            t.hand[type][count] = t.hand[type][count - 1]
                + EvalWeights[HandPiece + (type - 1) * MaxHandCount + std::min(count, MaxHandCount)
                    - 1];
    for (int a = 0; a <= MaxZoneAttacks; ++a)
        for (int h = 0; h <= MaxHeldCounted; ++h)
            t.pressure[a][h] = EvalWeights[KingPressure + a * (MaxHeldCounted + 1) + h];
    for (int n = 0; n <= MaxShelter; ++n)
        t.shelter[n] = EvalWeights[KingShelter + n];
    return t;
}

constexpr EvalTables Tables = BuildEvalTables();

// The king terms of side s: its pressure on the enemy king and the shelter of its own.
int32_t KingTerms(const SearchBoard& b, int s, Bitboard occupied)
{
    const uint8_t* hand = b.hand[SideIndex(s)];
    int held = 0;
    for (int type = Pawn; type <= HandTypeCount; ++type)
        held += hand[type];
    int32_t score = 0;
    const int enemyKing = b.king[SideIndex(-s)], ownKing = b.king[SideIndex(s)];
    if (enemyKing >= 0) {
        const int attacked = std::popcount(Reach(b, s, occupied) & Attacks.near[enemyKing]);
        score
            += Tables.pressure[std::min(attacked, MaxZoneAttacks)][std::min(held, MaxHeldCounted)];
    }
    if (ownKing >= 0) {
        const Bitboard beside = Attacks.near[ownKing] & ~Bit(ownKing) & b.side[SideIndex(s)];
        score += Tables.shelter[std::min(std::popcount(beside), MaxShelter)];
    }
    return score;
}

} // namespace

int32_t Evaluate(const SearchBoard& b, int s)
{
    int32_t score = 0;
    for (Bitboard pieces = Occupied(b); pieces != 0;) {
        const int square = PopLowest(pieces);
        score += Tables.pieceSquare[b.code[square] + PieceTypeCount][square];
    }
    for (int type = Pawn; type <= HandTypeCount; ++type)
        score += Tables.hand[type][b.hand[0][type]] - Tables.hand[type][b.hand[1][type]];
    const Bitboard occupied = Occupied(b);
    score += KingTerms(b, Sente, occupied) - KingTerms(b, Gote, occupied);
    score += EvalWeights[Tempo] * s;
    return score * s;
}
