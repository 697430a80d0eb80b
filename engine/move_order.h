#pragma once

#include "move_list.h"
#include "transposition_table.h"

#include <cstdint>

// The order moves are tried in: the table's move, then captures by the victim's worth and the
// attacker's cheapness, promotions, the two killers of the ply, then quiet moves by history.

// What a piece is worth for ordering captures, by type.
inline constexpr int32_t OrderValue[PieceTypeCount + 1] = { 0, 1, 5, 6, 7, 6, 20, 6, 6, 9, 10 };

// How often a quiet move of a piece (or a drop) to a square made a cut: [side][mover][to],
// where mover is the type on the board, or PieceTypeCount + the type dropped.
struct HistoryTable {
    int16_t score[SideSlots][PieceTypeCount + HandTypeCount + 1][SquareCount];

    static int Mover(const SearchBoard& b, int s, const SearchMove& m)
    {
        return m.dropType != 0 ? PieceTypeCount + m.dropType : b.code[m.from] * s;
    }
    int16_t& At(const SearchBoard& b, int s, const SearchMove& m)
    {
        return score[SideIndex(s)][Mover(b, s, m)][m.to];
    }
    // Moves the entry toward the bonus's sign, less the nearer it is to the limit.
    void Update(const SearchBoard& b, int s, const SearchMove& m, int bonus)
    {
        constexpr int Limit = 16384;
        int16_t& h = At(b, s, m);
        bonus = bonus > Limit ? Limit : bonus < -Limit ? -Limit : bonus;
        h = int16_t(h + bonus - h * (bonus < 0 ? -bonus : bonus) / Limit);
    }
};

inline bool SameMove(const SearchMove& a, const SearchMove& b)
{
    return a.from == b.from && a.to == b.to && a.dropType == b.dropType && a.promote == b.promote;
}

inline bool IsCapture(const SearchBoard& b, const SearchMove& m)
{
    return m.dropType == 0 && b.code[m.to] != 0;
}

inline bool IsQuiet(const SearchBoard& b, const SearchMove& m)
{
    return !IsCapture(b, m) && m.promote == 0;
}

inline constexpr int32_t TableMoveScore = 1 << 30;
inline constexpr int32_t CaptureScore = 1 << 28;
inline constexpr int32_t KillerScore = 1 << 26;

// Gives every move of the list its ordering score.
inline void ScoreMoves(const SearchBoard& b, int s, MoveList& list, PackedMove tableMove,
    const SearchMove* killers, const HistoryTable& history)
{
    for (int i = 0; i < list.size; ++i) {
        const SearchMove& m = list.moves[i];
        int32_t score;
        if (tableMove != 0 && Pack(m) == tableMove) {
            score = TableMoveScore;
        } else if (IsCapture(b, m) || m.promote == 1) {
            const int victim = b.code[m.to] * -s;
            const int mover = b.code[m.from] * s;
            score = CaptureScore + OrderValue[victim] * 64 - OrderValue[mover]
                + (m.promote == 1 ? 4 * 64 : 0);
        } else if (SameMove(m, killers[0])) {
            score = KillerScore + 1;
        } else if (SameMove(m, killers[1])) {
            score = KillerScore;
        } else {
            score = history.score[SideIndex(s)][HistoryTable::Mover(b, s, m)][m.to];
        }
        list.scores[i] = score;
    }
}

// Moves the best-scored move from index i on to index i and returns it.
inline const SearchMove& PickNext(MoveList& list, int i)
{
    int best = i;
    for (int j = i + 1; j < list.size; ++j)
        if (list.scores[j] > list.scores[best])
            best = j;
    std::swap(list.moves[i], list.moves[best]);
    std::swap(list.scores[i], list.scores[best]);
    return list.moves[i];
}
