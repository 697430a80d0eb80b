#include "opening_maker.h"

#include "engine/board/rules_move.h"
#include "engine/strong/search.h"
#include "rules/make_move.h"
#include "rules/sfen.h"

#include <cstdlib>
#include <map>
#include <random>
#include <set>

namespace {

// Gives up on a recipe that finds no new positions: far more walks than openings wanted.
constexpr int WalksPerOpening = 50;
// MultiPV's greatest value: every legal move gets its own line.
constexpr int EveryMove = 600;

// The position without its move number: the same position reached in more or fewer plies.
std::string PositionKey(const std::string& sfen) { return sfen.substr(0, sfen.rfind(' ')); }

// Searches the SFEN position (standard rules) to the depth with the lines asked for, from a
// cleared table; returns the last iteration's lines, best first.
std::vector<PvLine> SearchLines(StrongEngine& engine, const std::string& sfen, int depth, int lines)
{
    SfenHeader header;
    std::string error;
    if (!ReadSfen(sfen, header, error))
        return {};
    engine.NewGame();
    SearchLimits limits;
    limits.depth = depth;
    SearchSettings settings;
    settings.multiPV = lines;
    std::vector<PvLine> found;
    SearchCallbacks callbacks;
    callbacks.info = [&](const SearchInfo& info) { found = info.lines; };
    engine.Search(PositionOfPly(1, header.side, StandardRules), {}, limits, settings, callbacks);
    return found;
}

std::string PlayMove(const std::string& sfen, const SearchMove& move)
{
    SfenHeader header;
    std::string error;
    ReadSfen(sfen, header, error);
    const Move m = RulesMove(move, header.side);
    MakeMove(1, m.fromX, m.fromY, m.toX, m.toY, m.promote);
    header.side = -header.side;
    ++header.moveNumber;
    return WriteSfen(1, header);
}

class OpeningMaker {
public:
    explicit OpeningMaker(const OpeningRecipe& recipe)
        : recipe_(recipe)
    {
    }

    // The moves near the best in the position; remembered, as walks share their first plies.
    const std::vector<SearchMove>& Candidates(const std::string& sfen)
    {
        const auto known = candidates_.find(sfen);
        if (known != candidates_.end())
            return known->second;
        std::vector<SearchMove>& moves = candidates_[sfen];
        const std::vector<PvLine> lines = SearchLines(engine_, sfen, recipe_.moveDepth, EveryMove);
        for (const PvLine& line : lines)
            if (!line.moves.empty() && line.score >= lines.front().score - recipe_.moveMargin)
                moves.push_back(line.moves.front());
        return moves;
    }

    bool NearlyEven(const std::string& sfen)
    {
        const std::vector<PvLine> lines = SearchLines(engine_, sfen, recipe_.judgeDepth, 1);
        return !lines.empty() && std::abs(lines.front().score) <= recipe_.evenMargin;
    }

private:
    OpeningRecipe recipe_;
    StrongEngine engine_ { 16 };
    std::map<std::string, std::vector<SearchMove>> candidates_;
};

} // namespace

std::vector<std::string> MakeOpenings(const OpeningRecipe& recipe)
{
    OpeningMaker maker(recipe);
    std::mt19937 random(recipe.seed);
    std::set<std::string> seen;
    std::vector<std::string> openings;
    const int span = recipe.maxPlies - recipe.minPlies + 1;
    for (int walk = 0; walk < recipe.count * WalksPerOpening; ++walk) {
        if (int(openings.size()) == recipe.count)
            break;
        std::string sfen(StandardStartSfen);
        const int plies = recipe.minPlies + int(random() % unsigned(span));
        int ply = 0;
        for (; ply < plies; ++ply) {
            const std::vector<SearchMove>& moves = maker.Candidates(sfen);
            if (moves.empty())
                break;
            sfen = PlayMove(sfen, moves[random() % moves.size()]);
        }
        if (ply == plies && seen.insert(PositionKey(sfen)).second && maker.NearlyEven(sfen))
            openings.push_back(sfen);
    }
    return openings;
}

void WriteOpeningsFile(
    const OpeningRecipe& recipe, const std::vector<std::string>& openings, std::ostream& out)
{
    out << "# " << openings.size() << " opening positions of standard minishogi for velmora-match,"
        << " one SFEN a line; each is\n# played twice, once with each engine as Sente. Made by"
        << " velmora-match --make-openings " << recipe.count << " " << recipe.seed << ":\n"
        << "# walks of " << recipe.minPlies << " to " << recipe.maxPlies << " plies from the start,"
        << " each ply a random move among those velmora-usi's\n# strong search at depth "
        << recipe.moveDepth << " (MultiPV, every move) rates within " << recipe.moveMargin
        << " centipawns of its best,\n# kept when the search at depth " << recipe.judgeDepth
        << " rates the position within " << recipe.evenMargin
        << " centipawns of even; each\n# position once.\n";
    for (const std::string& opening : openings)
        out << opening << '\n';
}
