#pragma once

#include "notation.h"

#include "record/game_record.h"
#include "rules/moves.h"
#include "rules/rule_set.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

// What a move did, as a player hears it.
struct MoveFacts {
    int side; // the mover
    int piece; // the type before moving, or the type dropped
    bool drop;
    int fromX, fromY; // as in Move: for a drop the hand cell (type, 6 or 7)
    int toX, toY;
    bool promotes;
    bool promotionOptional; // the mover chose whether to promote
    int captured; // the type taken, as it stood on the board; 0 for none
    bool check; // the move attacks the enemy king
    bool sameSquareAsLast; // it goes where the move before it went
};

// The facts of side s's move in ply plyBefore, before it is made there: the move is tried in
// ply plyBefore + 1 to see whether it checks. lastTo is where the previous move went, if any.
// Leaves ply plyBefore as it was, its destinations included.
MoveFacts FactsOfMove(int plyBefore, const Move& move, int side,
    std::optional<std::pair<int, int>> lastTo = std::nullopt);

// The facts of move n (from 1) of the record, taken from the position before it that the record
// keeps: what the computer just played, or any move of a game being replayed. Ply 1 and its
// destinations are left as they were; ply 2 is overwritten.
MoveFacts FactsOfRecordedMove(const GameRecord& record, size_t n);

// The move in words: "Gote silver 3a to 4b, promotes", "Sente pawn dropped on 3c, check";
// in Japanese "△４二銀成", "▲同　歩"; in USI "3a4b+".
std::string SpokenMove(const MoveFacts& facts, Notation notation);

// One board square of ply p: "3c, Gote silver", "4d, empty".
std::string SquareDescription(int p, int x, int y);

// A hand of ply p: "Sente's hand: 2 silvers, pawn", "Gote's hand: empty".
std::string HandDescription(int p, int side);

// A rank of ply p, rank 1 to 5 being a to e, read from file 5 to file 1:
// "rank c: 5c empty, 4c Sente pawn, 3c empty, 2c empty, 1c Gote king".
std::string RankDescription(int p, int rank);

// A file of ply p, file 1 to 5 as it is written, read from rank a to rank e:
// "file 3: 3a Gote silver, 3b empty, ...".
std::string FileDescription(int p, int file);

// Where side's pieces of one type stand in ply p, and how many it holds:
// "Sente silvers: 3e, 2b", "Gote rooks: 1 in hand", "Sente golds: none".
std::string PieceLocations(int p, int side, int pieceType);

// Every piece of either side in ply p that could move to, capture on or guard the square:
// "3c is attacked by Gote gold on 3b and Sente rook on 3e", "3c is not attacked". Leaves the
// destinations of ply p as they were.
std::string AttackersOf(int p, int x, int y);

// The game being played: "Sente to move; Velmora's rules, level 1, against the classic computer".
// opponent is said as given ("against the classic computer", "two players").
std::string TurnDescription(
    int side, std::string_view rulesName, int level, std::string_view opponent);

// A rule set as it is spoken: "Velmora's rules", "standard minishogi rules".
std::string_view SpokenRulesName(const RuleSet& rules);

// How a game ended, in a sentence: "Gote wins: Sente resigned", "Sente wins by mate",
// "Gote wins: Sente's move left its own king in check", "The game was stopped".
std::string GameEndSentence(GameEnd end, int winner);

// What one of the window's Japanese end-of-game messages says: "まで" is "The end",
// "先手の勝ち" "Sente wins", "まいりました" "The computer resigns", "いやお強い！" "You are
// strong!". Any other text comes back as it is.
std::string MessageInWords(std::string_view message);
