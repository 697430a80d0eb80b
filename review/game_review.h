#pragma once

#include "game_analysis.h"
#include "winning_chance.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// What the engine can show about why a move was bad, from the strongest proof down.
enum class Reason {
    MissedMate, // the mover had a forced mate and played a move that throws it away
    AllowedMate, // after the move the opponent has a forced mate, which it had not before
    LostExchange, // the move captured on a square where the exchange that follows loses
    LeftHanging, // the best reply takes a piece and wins the exchange on its square
    LosesPiece, // along the best line the mover is a piece down within three moves
    MissedCapture, // the best move took a piece and won the exchange; the move played did not
    ChanceFell, // nothing shorter to show: the winning chance fell
};

// One reason, with what its sentence names. Moves are in USI notation.
struct Explanation {
    Reason reason = Reason::ChanceFell;
    std::string move; // the move judged
    int matePlies = 0; // MissedMate, AllowedMate: the length of the mate
    std::vector<std::string> line; // the mate, or the moves that win the piece
    int pieceType = 0; // LostExchange, LeftHanging, LosesPiece: the piece lost; MissedCapture:
                       // the piece not taken
    int capturedType = 0; // LostExchange: the piece the move took
    std::string square; // LostExchange, LeftHanging, MissedCapture: where it is taken
    std::string reply; // LostExchange, LeftHanging: the move that takes it; MissedCapture: the
                       // move that would have
    double chanceBefore = 0, chanceAfter = 0; // ChanceFell: the mover's winning chances
};

// A move with its judgement.
struct ReviewedMove {
    size_t number = 0; // as a KIF record numbers it: 1 the first move of the record
    int side = Sente;
    std::string move;
    Judgement judgement = Judgement::Good;
    double loss = 0; // the winning chance it threw away, on the -1..+1 scale
    std::string better; // the engine's best move instead, empty when it had none
    Explanation explanation; // for the worst moments only
};

// At most this many worst moments are told for each side.
inline constexpr size_t WorstMomentsPerSide = 3;

struct SideReview {
    int side = Sente;
    // How many of its moves got each judgement, indexed by Judgement.
    std::array<int, 4> counts {};
    // Its worst moves, the worst first, each explained.
    std::vector<ReviewedMove> worst;
};

struct GameReview {
    std::vector<ReviewedMove> judged; // every move judged worse than good, in the record's order
    std::array<SideReview, SideSlots> sides; // Sente's, then Gote's
};

// A move of the rules as the search plays it on its board.
SearchMove SearchMoveOf(const Move& m);

// The winning chance move n (1 the first) threw away, from its mover's side, on the -1..+1 scale.
double ChanceLost(const GameAnalysis& analysis, size_t n);

// Reviews a record from its analysis (which must describe it) under the rules it was read with.
// Ply 1 is left as it was.
GameReview ReviewGame(const GameRecord& record, const GameAnalysis& analysis, const RuleSet& rules);
