#include "tests/support/ply_invariants.h"

#include "engine/board/game_position.h"
#include "engine/board/hash.h"
#include "engine/board/rules_move.h"
#include "engine/strong/search.h"
#include "rules/check.h"
#include "rules/legality.h"
#include "rules/make_move.h"
#include "rules/moves.h"
#include "rules/pawn_drop_mate.h"
#include "rules/repetition.h"
#include "rules/rule_tables.h"
#include "rules/sfen.h"
#include "rules/usi_move.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

// The strong search plays itself at a small node limit, and the rules, not the search, judge
// every move it chooses. Usage:
//   strong_soak <games> [nodes per move]
// Even games are standard minishogi, odd ones Velmora's game; every fifth game thinks on two
// threads with two lines. Each game starts with a few seeded random moves. Exits 1 at the first
// illegal move or broken invariant, printing the game so far.

namespace {

constexpr int PlyCap = 300;
constexpr int RandomPlies = 4;

struct Game {
    const RuleSet* rules;
    std::string moves;
};

[[noreturn]] void Fail(const Game& game, const std::string& what)
{
    std::printf("FAULT: %s\n  in position sfen %s moves%s (%s rules)\n", what.c_str(),
        std::string(game.rules->startSfen).c_str(), game.moves.c_str(),
        std::string(game.rules->name).c_str());
    std::exit(1);
}

// The legal moves of side s on ply 1 under the rules, as the rules list them.
std::vector<Move> LegalMoves(int s, const RuleSet& rules)
{
    std::vector<Move> moves;
    ForEachMove(1, s, [&](const Move& m) {
        if (MakeMoveIfSafe(1, s, m) && (rules.pawnDropMateLegal || !IsPawnDropMate(1, s, m)))
            moves.push_back(m);
    });
    return moves;
}

enum class Ending { Mate, Repetition, PlyCap };

Ending PlayGame(int number, uint64_t nodes, std::mt19937& random)
{
    Game game { number % 2 == 0 ? &StandardRules : &VelmoraRules, "" };
    SfenHeader header;
    std::string error;
    ReadSfen(game.rules->startSfen, header, error);
    const KindCounts start = CountKinds(1);
    StrongEngine engine(4);
    SearchLimits limits;
    limits.nodes = nodes;
    SearchSettings settings;
    if (number % 5 == 4)
        settings = SearchSettings { 2, 2, 20 };
    std::vector<PastPosition> history;
    int side = header.side;
    for (int ply = 0; ply < PlyCap; ++ply, side = -side) {
        const GamePosition position = PositionOfPly(1, side, *game.rules);
        const PastPosition here { HashOf(position.board, side), IsKingAttacked(1, side) };
        history.push_back(here);
        const RepetitionVerdict repetition = JudgeRepetition(
            *game.rules, std::span<const PastPosition>(history), side, FourfoldRepetition);
        history.pop_back(); // the search takes the positions before the one it searches
        if (repetition.end != RepetitionEnd::None)
            return Ending::Repetition;
        const std::vector<Move> legal = LegalMoves(side, *game.rules);
        Move move;
        if (ply < RandomPlies && !legal.empty()) {
            move = legal[random() % legal.size()];
        } else {
            const SearchResult r = engine.Search(position, history, limits, settings, {});
            if (r.hasMove != !legal.empty())
                Fail(game,
                    r.hasMove ? "a move where the rules see none" : "no move, yet one is legal");
            if (!r.hasMove)
                return Ending::Mate;
            move = RulesMove(r.best, side);
            if (r.hasPonder) {
                // The expected reply must be legal after the move.
                MakeMoveIfSafe(1, side, move);
                const Move reply = RulesMove(r.ponder, -side);
                if (JudgeMove(2, -side, reply, *game.rules) != MoveVerdict::Legal)
                    Fail(game,
                        "ponder move " + WriteUsiMove(reply) + " after " + WriteUsiMove(move));
            }
        }
        if (legal.empty())
            return Ending::Mate;
        const MoveVerdict verdict = JudgeMove(1, side, move, *game.rules);
        if (verdict != MoveVerdict::Legal)
            Fail(game, "illegal move " + WriteUsiMove(move) + ": " + Describe(verdict));
        history.push_back(here);
        MakeMove(1, move.fromX, move.fromY, move.toX, move.toY, move.promote);
        UpdateCheckerFlags(1);
        game.moves += " " + WriteUsiMove(move);
        if (const std::string fault = FindPlyFault(1, start); !fault.empty())
            Fail(game, fault);
        if (KingAttackedByAnyPiece(1, side))
            Fail(game, "the mover's king is left attacked after " + WriteUsiMove(move));
    }
    return Ending::PlyCap;
}

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    const uint64_t nodes = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 200;
    std::mt19937 random(20261210);
    int endings[3] = {};
    for (int g = 0; g < games; ++g)
        ++endings[int(PlayGame(g, nodes, random))];
    std::printf("%d games of the strong search, %llu nodes a move: %d mates, %d repetitions, "
                "%d at the %d-ply cap; no fault\n",
        games, static_cast<unsigned long long>(nodes), endings[0], endings[1], endings[2], PlyCap);
    return 0;
}
