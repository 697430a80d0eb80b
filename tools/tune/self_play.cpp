#include "self_play.h"

#include "engine/board/hash.h"
#include "engine/board/move_list.h"
#include "engine/board/rules_move.h"
#include "engine/strong/move_order.h"
#include "engine/strong/search.h"
#include "rules/make_move.h"
#include "rules/repetition.h"
#include "rules/rule_tables.h"
#include "rules/sfen.h"

#include <random>

namespace {

// A game is given up for lost once the search sees this much against it for a few plies.
constexpr int DecisiveScore = 2500;
constexpr int DecisivePlies = 4;
// Longer games are drawn.
constexpr int MaxGamePlies = 200;
// The first plies after the opening are too much alike from game to game to teach much.
constexpr int SkippedPlies = 4;

double ResultForSente(int winner) { return winner == Sente ? 1 : winner == Gote ? 0 : 0.5; }

// Plays one game and returns Sente's result; the quiet positions go to samples.
// The game is played on ply 1, where the rules write it as SFEN.
double PlayGame(StrongEngine& engine, int side, std::mt19937& random,
    const SelfPlaySettings& settings, std::vector<std::string>& samples)
{
    engine.NewGame();
    std::vector<PastPosition> history;
    int decisiveFor = 0, decisiveRun = 0;
    SearchLimits limits;
    limits.nodes = settings.nodesPerMove;
    for (int ply = 0; ply < MaxGamePlies; ++ply, side = -side) {
        const GamePosition position = PositionOfPly(1, side, StandardRules);
        const SearchBoard& b = position.board;
        const int s = side;
        const uint64_t key = HashOf(b, s);
        const bool inCheck = KingAttacked(b, s);
        history.push_back(PastPosition { key, inCheck });
        const RepetitionVerdict repetition = JudgeRepetition(
            *position.rules, std::span<const PastPosition>(history), s, FourfoldRepetition);
        history.pop_back(); // the search takes the positions before the one it searches
        if (repetition.end != RepetitionEnd::None)
            return ResultForSente(repetition.winner);
        MoveList moves;
        GenerateLegalMoves(b, s, *position.rules, moves);
        if (moves.size == 0)
            return s == Sente ? 0 : 1;
        SearchMove move;
        if (ply < settings.randomPlies) {
            move = moves.moves[random() % uint32_t(moves.size)];
        } else {
            const SearchResult r = engine.Search(position, history, limits, SearchSettings {}, {});
            move = r.best;
            if (ply >= settings.randomPlies + SkippedPlies && !inCheck && IsQuiet(b, move))
                samples.push_back(WriteSfen(1, SfenHeader { s, 1 }));
            const int winner = r.score >= DecisiveScore ? s : r.score <= -DecisiveScore ? -s : 0;
            decisiveRun = winner != 0 && winner == decisiveFor ? decisiveRun + 1 : 1;
            decisiveFor = winner;
            if (winner != 0 && decisiveRun >= DecisivePlies)
                return winner == Sente ? 1 : 0;
        }
        history.push_back(PastPosition { key, inCheck });
        const Move m = RulesMove(move, s);
        MakeMove(1, m.fromX, m.fromY, m.toX, m.toY, m.promote);
    }
    return 0.5;
}

} // namespace

void WriteSelfPlayPositions(
    const std::vector<std::string>& openings, const SelfPlaySettings& settings, std::ostream& out)
{
    std::mt19937 random(settings.seed);
    StrongEngine engine(16);
    for (int game = 0; game < settings.games; ++game) {
        SfenHeader header;
        std::string error;
        ReadSfen(openings[size_t(game) % openings.size()], header, error);
        std::vector<std::string> samples;
        const double result = PlayGame(engine, header.side, random, settings, samples);
        for (const std::string& sfen : samples)
            out << result << ' ' << sfen << '\n';
    }
}
