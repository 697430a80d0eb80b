#include "fit.h"
#include "self_play.h"

#include "tools/match/openings.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

// velmora-tune: fits the strong search's evaluation to game results, in two steps that give the
// same output for the same arguments on every run.
//   velmora-tune selfplay GAMES NODES SEED > positions.txt
//   velmora-tune fit positions.txt EPOCHS "<provenance>" > engine/strong/eval_weights.h
int main(int argc, char** argv)
{
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "selfplay" && argc == 5) {
        std::ifstream in(VELMORA_MATCH_OPENINGS);
        std::string error;
        const std::vector<std::string> openings = ReadOpenings(in, StandardRules, error);
        if (openings.empty()) {
            std::cerr << "openings: " << error << '\n';
            return 1;
        }
        SelfPlaySettings settings;
        settings.games = std::atoi(argv[2]);
        settings.nodesPerMove = std::strtoull(argv[3], nullptr, 10);
        settings.seed = uint32_t(std::strtoul(argv[4], nullptr, 10));
        WriteSelfPlayPositions(openings, settings, std::cout);
        return 0;
    }
    if (command == "fit" && argc == 5) {
        std::ifstream in(argv[2]);
        std::string error;
        const std::vector<TrainingPosition> positions = ReadTrainingPositions(in, error);
        if (positions.empty()) {
            std::cerr << argv[2] << ": " << (error.empty() ? "no positions" : error) << '\n';
            return 1;
        }
        std::cerr << positions.size() << " positions\n";
        WriteWeightsHeader(
            FitWeights(positions, std::atoi(argv[3]), std::cerr), argv[4], std::cout);
        return 0;
    }
    std::cerr << "usage: velmora-tune selfplay GAMES NODES SEED > positions.txt\n"
                 "       velmora-tune fit positions.txt EPOCHS PROVENANCE > eval_weights.h\n";
    return 2;
}
