#include "elo.h"
#include "game_play.h"
#include "match_options.h"
#include "opening_maker.h"
#include "openings.h"

#include "record/kif.h"
#include "rules/rule_tables.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

// velmora-match: plays two USI engines against each other from a list of openings, each opening
// twice with the colours swapped, and measures engine 1 against engine 2.

namespace {

std::string Fixed(double value, int decimals)
{
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string ResultText(int winner)
{
    return winner == Sente ? "1-0" : winner == Gote ? "0-1" : "1/2-1/2";
}

// Both engines' time controls, once when they are the same.
std::string DescribeTime(const MatchOptions& options)
{
    const std::string margin = " (margin " + std::to_string(options.margin.count()) + " ms)";
    const std::string times[2]
        = { DescribeTimeControl(options.time[0]), DescribeTimeControl(options.time[1]) };
    if (times[0] == times[1])
        return times[0] + margin;
    return "engine 1 at " + times[0] + ", engine 2 at " + times[1] + margin;
}

std::optional<std::vector<std::string>> LoadOpenings(const MatchOptions& options)
{
    std::ifstream file(options.openingsPath);
    std::string error;
    std::vector<std::string> openings
        = file ? ReadOpenings(file, *options.rules, error) : std::vector<std::string> {};
    if (!file)
        error = "cannot read";
    if (openings.empty()) {
        std::cerr << "velmora-match: openings " << options.openingsPath << ": " << error << '\n';
        return std::nullopt;
    }
    if (options.openingCount > 0 && size_t(options.openingCount) < openings.size())
        openings.resize(size_t(options.openingCount));
    if (options.rules == &VelmoraRules)
        for (std::string& opening : openings)
            opening = MirrorSfen(opening);
    return openings;
}

void WriteGame(const std::string& folder, int number, const GameRecord& record)
{
    char name[32];
    std::snprintf(name, sizeof name, "game-%03d", number);
    const std::filesystem::path base = std::filesystem::path(folder) / name;
    std::ofstream(base.string() + ".kif") << WriteKif(record);
    std::ofstream(base.string() + ".usi") << record.UsiPosition() << '\n';
}

void PrintElo(const std::vector<double>& samples, const std::string& unit)
{
    const EloEstimate estimate = EstimateElo(samples);
    std::cout << "Elo difference: " << Fixed(estimate.elo, 1) << " +/- "
              << Fixed(estimate.margin, 1) << " (95%, " << unit << ")\n";
}

void PrintSummary(const std::string names[2], const Tally& tally,
    const std::vector<double>& gameScores, const ThinkingTime thinking[2])
{
    std::cout << "Score of " << names[0] << " vs " << names[1] << ": W " << tally.wins << " D "
              << tally.draws << " L " << tally.losses << ", " << Fixed(tally.Points(), 1) << "/"
              << tally.Games() << " (" << Fixed(100 * tally.Points() / tally.Games(), 1) << "%), "
              << DescribeAverages(names, thinking) << '\n';
    // Pairs of games from one opening share its bias; scoring them as pairs measures with it
    // taken out. An odd game out leaves only the games.
    if (gameScores.size() % 2 == 1)
        return PrintElo(
            gameScores, "trinomial over " + std::to_string(gameScores.size()) + " games");
    std::vector<double> pairs;
    for (size_t i = 0; i < gameScores.size(); i += 2)
        pairs.push_back((gameScores[i] + gameScores[i + 1]) / 2);
    PrintElo(pairs, "pentanomial over " + std::to_string(pairs.size()) + " game pairs");
}

// "--elo W D L": the Elo line of games played elsewhere, from engine 1's wins, draws and losses.
int PrintEloOfCounts(char** counts)
{
    std::vector<double> games;
    const double points[] = { 1, 0.5, 0 };
    for (int i = 0; i < 3; ++i) {
        char* end = nullptr;
        const long count = std::strtol(counts[i], &end, 10);
        if (*end != '\0' || count < 0 || count > 1'000'000) {
            std::cerr << "velmora-match: --elo needs three counts: wins, draws, losses\n";
            return 2;
        }
        games.insert(games.end(), size_t(count), points[i]);
    }
    PrintElo(games, "trinomial over " + std::to_string(games.size()) + " games");
    return 0;
}

// What the whole match plays.
struct MatchPlan {
    MatchOptions options;
    std::vector<std::string> openings;
    int games = 0;
    std::string variant;
    std::string names[2]; // the engines' names, set when the first game starts
};

void PrintHeader(const MatchPlan& plan)
{
    const size_t used = std::min(plan.openings.size(), size_t(plan.games + 1) / 2);
    std::cout << "Match " << plan.names[0] << " vs " << plan.names[1] << ": " << plan.variant
              << " rules, " << plan.games << " games from " << used << " openings, "
              << DescribeTime(plan.options) << ", draw at " << plan.options.maxPlies << " plies"
              << std::endl;
    // A one-thread engine under a node limit plays a replayed opening exactly as before, so
    // the replays add no information though the error bar counts them as games.
    const bool nodes = plan.options.time[0].mode == TimeMode::Nodes
        || plan.options.time[1].mode == TimeMode::Nodes;
    if (nodes && size_t(plan.games) > 2 * plan.openings.size())
        std::cout << "Note: more games than the openings give; under a node limit a deterministic"
                  << " engine repeats its games, which the error bar counts as new" << std::endl;
}

// The game's time as the engines are placed: Sente's engine's first.
GameTime TimeOfGame(const MatchOptions& options, int senteEngine)
{
    GameTime time;
    time.side[0] = options.time[senteEngine];
    time.side[1] = options.time[1 - senteEngine];
    time.margin = options.margin;
    return time;
}

// Plays game number game (from 0) with fresh engines, so that one left thinking or broken
// by the game before cannot spoil it, and adds each engine's thinking time to thinking. Returns
// engine 1's score, or nothing when an engine would not start.
std::optional<double> PlayMatchGame(MatchPlan& plan, int game, ThinkingTime thinking[2])
{
    UsiEngine engines[2];
    std::ostream* log = plan.options.verbose ? &std::cerr : nullptr;
    for (int e = 0; e < 2; ++e) {
        std::string error;
        if (!engines[e].Start(plan.options.engines[e], plan.variant, log, error)) {
            std::cerr << "velmora-match: engine " << e + 1 << ": " << error << '\n';
            return std::nullopt;
        }
    }
    if (game == 0) {
        for (int e = 0; e < 2; ++e)
            plan.names[e] = engines[e].Name();
        if (plan.names[0] == plan.names[1])
            plan.names[0] += " (1)", plan.names[1] += " (2)";
        PrintHeader(plan);
    }
    // Each opening twice: engine 1 is Sente in the first game of the pair.
    const size_t opening = size_t(game / 2) % plan.openings.size();
    const int senteEngine = game % 2;
    const std::string players[2] = { plan.names[senteEngine], plan.names[1 - senteEngine] };
    PlayedGame played = PlayGame(engines[senteEngine], engines[1 - senteEngine],
        plan.openings[opening], RefereeRules { plan.options.rules, plan.options.maxPlies },
        TimeOfGame(plan.options, senteEngine));
    GameRecord& record = played.record;
    record.playerNames[SideIndex(Sente)] = players[0];
    record.playerNames[SideIndex(Gote)] = players[1];
    const std::string sides[2] = { "Sente", "Gote" };
    std::cout << "Game " << game + 1 << ", opening " << opening + 1 << ", Sente " << players[0]
              << ", Gote " << players[1] << ": " << ResultText(record.winner) << " "
              << played.reason << ", " << record.moves.size() << " plies, "
              << DescribeAverages(sides, played.thinking) << std::endl;
    if (!plan.options.kifDir.empty())
        WriteGame(plan.options.kifDir, game + 1, record);
    thinking[senteEngine] += played.thinking[0];
    thinking[1 - senteEngine] += played.thinking[1];
    const int engine1Side = senteEngine == 0 ? Sente : Gote;
    return record.winner == 0 ? 0.5 : record.winner == engine1Side ? 1 : 0;
}

// "--make-openings COUNT [SEED]": a new openings file on standard output.
int PrintNewOpenings(const std::vector<std::string_view>& arguments)
{
    OpeningRecipe recipe;
    const auto count = ReadCount(arguments[0]);
    const auto seed = arguments.size() > 1 ? ReadCount(arguments[1]) : std::optional(1);
    if (!count || *count == 0 || !seed) {
        std::cerr << "velmora-match: --make-openings needs a count and may take a seed\n";
        return 2;
    }
    recipe.count = *count;
    recipe.seed = unsigned(*seed);
    WriteOpeningsFile(recipe, MakeOpenings(recipe), std::cout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--help")
        return std::cout << MatchUsage, 0;
    if (argc == 5 && std::string_view(argv[1]) == "--elo")
        return PrintEloOfCounts(argv + 2);
    if ((argc == 3 || argc == 4) && std::string_view(argv[1]) == "--make-openings")
        return PrintNewOpenings(std::vector<std::string_view>(argv + 2, argv + argc));
    std::string error;
    std::optional<MatchOptions> options = ReadMatchOptions(argc, argv, error);
    if (!options) {
        std::cerr << "velmora-match: " << error << "\n" << MatchUsage;
        return 2;
    }
    if (options->openingsPath.empty())
        options->openingsPath = VELMORA_MATCH_OPENINGS;
    const auto openings = LoadOpenings(*options);
    if (!openings)
        return 1;
    if (!options->kifDir.empty())
        std::filesystem::create_directories(options->kifDir);
    MatchPlan plan { *options, *openings, 0, std::string(options->rules->name), {} };
    plan.games = options->games > 0 ? options->games : 2 * int(openings->size());

    Tally tally;
    std::vector<double> gameScores;
    ThinkingTime thinking[2];
    for (int game = 0; game < plan.games; ++game) {
        const std::optional<double> score = PlayMatchGame(plan, game, thinking);
        if (!score)
            return 1;
        gameScores.push_back(*score);
        (*score == 1 ? tally.wins : *score == 0 ? tally.losses : tally.draws) += 1;
    }
    PrintSummary(plan.names, tally, gameScores, thinking);
    return 0;
}
