#pragma once

#include "search_board.h"

// Where checks come from and where a checked king can go, as square sets: the geometry the mate
// search uses to make only the moves that matter.

inline constexpr Bitboard AllSquares = (Bitboard(1) << SquareCount) - 1;

// By piece type, the squares from which a piece of side s would attack square k directly.
struct CheckSquares {
    Bitboard of[PieceTypeCount + 1];
};

CheckSquares DirectCheckSquares(const SearchBoard& b, int s, int k);

// The pieces of side blockers that stand alone between square k and a slider of side sliders
// on one of k's lines: moving one of them off the line may open that line onto k.
Bitboard LoneBlockers(const SearchBoard& b, int sliders, int blockers, int k);

// Every square that some slider of side s reaches with the board occupied as given.
Bitboard SliderReach(const SearchBoard& b, int s, Bitboard occupied);

// Whether the enemy king on square k surely keeps a safe square to step to after side s's move
// m, which leaves a piece of type placed on m.to: then m does not mate at once. flights holds the
// king's steps that were free before the move and that no piece of side s reached, with the king
// lifted off the board; after the move, the moved piece's new reach and any line its old square
// opens may cover some of them. A false answer proves nothing and leaves the test to the exact
// search.
bool KingSurelyStepsAway(
    const SearchBoard& b, int s, const SearchMove& m, int placed, int k, Bitboard flights);

// The squares from which a piece of side s of the type would reach every one of the flights with
// the board occupied as given: a drop mates at once only from there, since a dropped piece
// opens no line and a flight square it lands on would simply be taken.
Bitboard CoveringSquares(int s, int type, Bitboard flights, Bitboard occupied);

// The squares where a move other than the king's can end the check on side s's king: every
// checker's square and the squares between a sliding checker and the king.
Bitboard CheckLines(const SearchBoard& b, int s);
