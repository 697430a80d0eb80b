#include "rules/ply_snapshot.h"
#include "tests/support/ply_invariants.h"
#include "tests/support/search_board_check.h"

#include "engine/classic/computer_choice.h"
#include "engine/classic/mate_search.h"
#include "engine/classic/material.h"
#include "engine/classic/random_below.h"
#include "rules/check.h"
#include "rules/legality.h"
#include "rules/make_move.h"
#include "rules/rule_tables.h"
#include "rules/setup.h"
#include "rules/usi_move.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

// The computer plays both sides, from each level's start and from seeded random openings,
// and every position of every game is checked from scratch. Usage:
//   self_play_soak <games> [first game]
// Game g starts from level g % 3 + 1 when g % 4 < 3, else from a random opening drawn from g.
// Exits 1 at the first broken invariant, printing the game so far.

namespace {

constexpr int PlyCap = 300;
constexpr int MaxOpeningPlies = 8;

enum class Ending { Mate, Resignation, OwnKingLeftAttacked, PlyCap, Count };
const char* const EndingNames[]
    = { "mate", "resignation", "own king left attacked", "300-ply cap" };

struct Game {
    int level = 1;
    std::string moves; // the USI record after the start position
    int plies = 0;
    int side = Sente;
    KindCounts start {};
    uint32_t randomSeed = 0; // the computer's generator when the game began
};

const char* const LevelSfens[]
    = { "", "kgsbr/p4/5/4P/RBSGK b - 1", "kgsbr/p4/5/4P/R1SGK b - 1", "kgsbr/p4/5/4P/2SGK b - 1" };

[[noreturn]] void Fail(const Game& game, const std::string& what)
{
    std::printf("FAULT: %s\n  in position sfen %s moves%s\n  (RandomSeed %u when the game began)\n",
        what.c_str(), LevelSfens[game.level], game.moves.c_str(), unsigned(game.randomSeed));
    std::exit(1);
}

std::vector<Move> LegalMoves(int side)
{
    std::vector<Move> moves;
    ForEachMove(1, side, [&](const Move& m) {
        if (MakeMoveIfSafe(1, side, m))
            moves.push_back(m);
    });
    return moves;
}

// Every move the searches could make from ply p, and the replies below it, played with Play on
// search boards as the engine plays them, leave the board that the rules' MakeMove leaves, with
// the material counted from scratch. A line that takes a king ends there: the rules' move maker
// has no hand slot for it.
void CheckSearchBoards(const Game& game, int p, int side, int depth)
{
    const SearchBoard board = LoadBoard(p, CountMaterial(p, Sente));
    ForEachMove(p, side, [&](const Move& m) {
        if (Position[p][m.toX][m.toY] == -King * side)
            return;
        SearchBoard next = board;
        Play(next, side, ToSearchMove(m));
        CopyPly(p);
        MakeMove(p + 1, m.fromX, m.fromY, m.toX, m.toY, m.promote);
        const std::string fault = FindSearchBoardFault(next, p + 1);
        if (!fault.empty())
            Fail(game,
                fault + " after " + WriteUsiMove(m) + " at ply " + std::to_string(p + 1) + " in "
                    + DescribePly(p + 1));
        if (depth > 1)
            CheckSearchBoards(game, p + 1, -side, depth - 1);
    });
}

// The referee after a move on ply 1, as the window's: the mover's own king attacked loses,
// a check without a legal reply mates, anything else passes the turn.
std::optional<Ending> Referee(Game& game, const Move& m)
{
    MakeMove(1, m.fromX, m.fromY, m.toX, m.toY, m.promote);
    game.moves += " " + WriteUsiMove(m);
    ++game.plies;
    const std::string fault = FindPlyFault(1, game.start);
    if (!fault.empty())
        Fail(game, fault);
    if (IsKingAttacked(1, game.side) != KingAttackedByAnyPiece(1, game.side))
        Fail(game, "IsKingAttacked disagrees with a look at every piece in " + DescribePly(1));
    if (IsKingAttacked(1, game.side))
        return Ending::OwnKingLeftAttacked;
    if (IsKingAttacked(1, -game.side) && !FindEscape(1, -game.side, 1))
        return Ending::Mate;
    game.side = -game.side;
    return std::nullopt;
}

// The computer's move for the side to move, checked to leave ply 1 alone and to play its search
// boards as the rules play moves; nothing when it resigns.
std::optional<Move> ComputerMove(const Game& game)
{
    CheckSearchBoards(game, 1, game.side, 2);
    const PlySnapshot before(1);
    const ComputerDecision decision = DecideComputerMove(PositionOfPly(1, game.side, VelmoraRules));
    if (!(PlySnapshot(1) == before))
        Fail(game, "the search changed ply 1 to " + DescribePly(1));
    if (decision.resigns)
        return std::nullopt;
    return decision.move;
}

std::optional<Ending> PlayRandomOpening(Game& game, std::mt19937& random)
{
    const int plies = std::uniform_int_distribution<int>(1, MaxOpeningPlies)(random);
    for (int i = 0; i < plies; ++i) {
        const std::vector<Move> moves = LegalMoves(game.side);
        if (moves.empty())
            break;
        const Move m = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(random)];
        if (const auto ending = Referee(game, m))
            return ending;
    }
    return std::nullopt;
}

Ending PlayGame(Game& game, bool randomOpening, unsigned seed)
{
    game.randomSeed = RandomSeed;
    SetUpPosition(game.level);
    UpdateCheckerFlags(1);
    game.start = CountKinds(1);
    if (randomOpening) {
        std::mt19937 random(seed);
        if (const auto ending = PlayRandomOpening(game, random))
            return *ending;
    }
    while (game.plies < PlyCap) {
        const auto move = ComputerMove(game);
        if (!move)
            return Ending::Resignation;
        if (const auto ending = Referee(game, *move))
            return *ending;
    }
    return Ending::PlyCap;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <games> [first game]\n", argv[0]);
        return 2;
    }
    const int games = std::atoi(argv[1]);
    const int first = argc > 2 ? std::atoi(argv[2]) : 0;
    const auto started = std::chrono::steady_clock::now();
    int endings[int(Ending::Count)] = {};
    Game longest;
    for (int g = first; g < first + games; ++g) {
        Game game;
        const bool randomOpening = g % 4 == 3;
        game.level = randomOpening ? int(std::mt19937(g)() % 3) + 1 : g % 3 + 1;
        ++endings[int(PlayGame(game, randomOpening, unsigned(g)))];
        if (game.plies > longest.plies)
            longest = game;
    }
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%d games in %.0f s, no broken invariant\n", games, seconds);
    for (int e = 0; e < int(Ending::Count); ++e)
        std::printf("  %-24s %d\n", EndingNames[e], endings[e]);
    std::printf("longest game: %d plies, position sfen %s moves%s\n", longest.plies,
        LevelSfens[longest.level], longest.moves.c_str());
    return 0;
}
