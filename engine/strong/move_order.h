#pragma once

#include "static_exchange.h"
#include "transposition_table.h"

#include "engine/board/move_list.h"

#include <cstdint>
#include <vector>

// The order moves are tried in: the table's move, then captures by the victim's worth and the
// attacker's cheapness, promotions, the two killers of the ply, quiet moves by history (their
// own, and after the moves one and two plies before), and last the captures that lose material.

// What a piece is worth for ordering captures, by type.
inline constexpr int32_t OrderValue[PieceTypeCount + 1] = { 0, 1, 5, 6, 7, 6, 20, 6, 6, 9, 10 };

// Moves a history entry toward the bonus's sign, less the nearer it is to the limit, so that
// entries stay in range and recent results count.
inline void NudgeHistory(int16_t& h, int bonus)
{
    constexpr int Limit = 16384;
    bonus = bonus > Limit ? Limit : bonus < -Limit ? -Limit : bonus;
    h = int16_t(h + bonus - h * (bonus < 0 ? -bonus : bonus) / Limit);
}

// How often a quiet move of a piece (or a drop) to a square made a cut: [side][mover][to],
// where mover is the type on the board, or PieceTypeCount + the type dropped.
struct HistoryTable {
    static constexpr int Movers = PieceTypeCount + HandTypeCount + 1;
    int16_t score[SideSlots][Movers][SquareCount];

    static int Mover(const SearchBoard& b, int s, const SearchMove& m)
    {
        return m.dropType != 0 ? PieceTypeCount + m.dropType : b.code[m.from] * s;
    }
    int16_t& At(const SearchBoard& b, int s, const SearchMove& m)
    {
        return score[SideIndex(s)][Mover(b, s, m)][m.to];
    }
    void Update(const SearchBoard& b, int s, const SearchMove& m, int bonus)
    {
        NudgeHistory(At(b, s, m), bonus);
    }
};

// How often a quiet move made a cut right after a given move one or two plies before it:
// [earlier move's side, mover and square][this move's side, mover and square]. It sees the
// replies a position calls for, as the plain history cannot.
struct ContinuationHistory {
    static constexpr int Keys = SideSlots * HistoryTable::Movers * SquareCount;
    std::vector<int16_t> score = std::vector<int16_t>(size_t(Keys) * Keys);

    static int Key(const SearchBoard& b, int s, const SearchMove& m)
    {
        return (SideIndex(s) * HistoryTable::Movers + HistoryTable::Mover(b, s, m)) * SquareCount
            + m.to;
    }
    // An earlier key of -1 (no move, or a pass) has no entries.
    int Get(int earlier, int key) const
    {
        return earlier < 0 ? 0 : score[size_t(earlier) * Keys + size_t(key)];
    }
    void Update(int earlier, int key, int bonus)
    {
        if (earlier >= 0)
            NudgeHistory(score[size_t(earlier) * Keys + size_t(key)], bonus);
    }
};

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
inline constexpr int32_t LosingCaptureScore = -(1 << 26);

// Gives every move of the list its ordering score.
inline void ScoreMoves(const SearchBoard& b, int s, MoveList& list, PackedMove tableMove,
    const SearchMove* killers, const HistoryTable& history, const ContinuationHistory& continuation,
    const int* earlier)
{
    for (int i = 0; i < list.size; ++i) {
        const SearchMove& m = list.moves[i];
        int32_t score;
        if (tableMove != 0 && Pack(m) == tableMove) {
            score = TableMoveScore;
        } else if (IsCapture(b, m) || m.promote == 1) {
            const int victim = b.code[m.to] * -s;
            const int mover = b.code[m.from] * s;
            // A capture that loses material in the exchange comes after the quiet moves.
            score = (ExchangeAtLeast(b, s, m, 0) ? CaptureScore : LosingCaptureScore)
                + OrderValue[victim] * 64 - OrderValue[mover] + (m.promote == 1 ? 4 * 64 : 0);
        } else if (SameMove(m, killers[0])) {
            score = KillerScore + 1;
        } else if (SameMove(m, killers[1])) {
            score = KillerScore;
        } else {
            const int key = ContinuationHistory::Key(b, s, m);
            score = history.score[SideIndex(s)][HistoryTable::Mover(b, s, m)][m.to]
                + continuation.Get(earlier[0], key) + continuation.Get(earlier[1], key);
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
