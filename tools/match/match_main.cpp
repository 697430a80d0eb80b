#include "elo.h"
#include "game_play.h"
#include "match_options.h"
#include "openings.h"

#include "rules/rule_tables.h"
#include "ui/kif.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

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

std::string DescribeTime(const TimeControl& time)
{
    const std::string margin = " (margin " + std::to_string(time.margin.count()) + " ms)";
    if (time.perMove)
        return "byoyomi " + std::to_string(time.move.count()) + " ms a move" + margin;
    return Fixed(time.base.count() / 1000.0, 3) + " s + "
        + Fixed(time.increment.count() / 1000.0, 3) + " s a game" + margin;
}

std::optional<std::vector<std::string>> LoadOpenings(const MatchOptions& options)
{
    std::ifstream file(options.openingsPath);
    std::string error;
    std::vector<std::string> openings
        = file ? ReadOpenings(file, options.velmoraRules, error) : std::vector<std::string> {};
    if (!file)
        error = "cannot read";
    if (openings.empty()) {
        std::cerr << "velmora-match: openings " << options.openingsPath << ": " << error << '\n';
        return std::nullopt;
    }
    if (options.openingCount > 0 && size_t(options.openingCount) < openings.size())
        openings.resize(size_t(options.openingCount));
    if (options.velmoraRules)
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

void PrintSummary(
    const std::string names[2], const Tally& tally, const std::vector<double>& gameScores)
{
    std::cout << "Score of " << names[0] << " vs " << names[1] << ": W " << tally.wins << " D "
              << tally.draws << " L " << tally.losses << ", " << Fixed(tally.Points(), 1) << "/"
              << tally.Games() << " (" << Fixed(100 * tally.Points() / tally.Games(), 1) << "%)\n";
    // Pairs of games from one opening share its bias; scoring them as pairs measures with it
    // taken out. An odd game out leaves only the games.
    const bool paired = gameScores.size() % 2 == 0;
    std::vector<double> samples;
    for (size_t i = 0; i < gameScores.size(); i += paired ? 2 : 1)
        samples.push_back(paired ? (gameScores[i] + gameScores[i + 1]) / 2 : gameScores[i]);
    const EloEstimate estimate = EstimateElo(samples);
    std::cout << "Elo difference: " << Fixed(estimate.elo, 1) << " +/- "
              << Fixed(estimate.margin, 1) << " (95%, "
              << (paired ? "pentanomial over " + std::to_string(samples.size()) + " game pairs"
                         : "trinomial over " + std::to_string(samples.size()) + " games")
              << ")\n";
}

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    std::optional<MatchOptions> options = ReadMatchOptions(argc, argv, error);
    if (!options) {
        std::cerr << "velmora-match: " << error << "\n" << MatchUsage;
        return 2;
    }
    BuildRuleTables();
    if (options->openingsPath.empty())
        options->openingsPath = VELMORA_MATCH_OPENINGS;
    const auto openings = LoadOpenings(*options);
    if (!openings)
        return 1;
    if (!options->kifDir.empty())
        std::filesystem::create_directories(options->kifDir);
    const int games = options->games > 0 ? options->games : 2 * int(openings->size());
    const std::string variant = options->velmoraRules ? "velmora" : "minishogi";
    const RefereeRules rules { options->velmoraRules, options->maxPlies };
    std::ostream* log = options->verbose ? &std::cerr : nullptr;

    std::string names[2];
    Tally tally;
    std::vector<double> gameScores;
    for (int game = 0; game < games; ++game) {
        UsiEngine engines[2];
        for (int e = 0; e < 2; ++e)
            if (!engines[e].Start(options->engines[e], variant, log, error)) {
                std::cerr << "velmora-match: engine " << e + 1 << ": " << error << '\n';
                return 1;
            }
        if (game == 0) {
            for (int e = 0; e < 2; ++e)
                names[e] = engines[e].Name();
            if (names[0] == names[1])
                names[0] += " (1)", names[1] += " (2)";
            std::cout << "Match " << names[0] << " vs " << names[1] << ": " << variant << " rules, "
                      << games << " games from " << openings->size() << " openings, "
                      << DescribeTime(options->time) << ", draw at " << options->maxPlies
                      << " plies" << std::endl;
        }
        // Each opening twice: engine 1 is Sente in the first game of the pair.
        const int opening = (game / 2) % int(openings->size());
        const int senteEngine = game % 2;
        std::string reason;
        GameRecord record = PlayGame(engines[senteEngine], engines[1 - senteEngine],
            (*openings)[size_t(opening)], rules, options->time, reason);
        record.playerNames[Sente + 1] = names[senteEngine];
        record.playerNames[Gote + 1] = names[1 - senteEngine];
        const int engine1Side = senteEngine == 0 ? Sente : Gote;
        const double score = record.winner == 0 ? 0.5 : record.winner == engine1Side ? 1 : 0;
        gameScores.push_back(score);
        (score == 1 ? tally.wins : score == 0 ? tally.losses : tally.draws) += 1;
        std::cout << "Game " << game + 1 << ", opening " << opening + 1 << ", Sente "
                  << names[senteEngine] << ", Gote " << names[1 - senteEngine] << ": "
                  << ResultText(record.winner) << " " << reason << ", " << record.moves.size()
                  << " plies" << std::endl;
        if (!options->kifDir.empty())
            WriteGame(options->kifDir, game + 1, record);
    }
    PrintSummary(names, tally, gameScores);
    return 0;
}
