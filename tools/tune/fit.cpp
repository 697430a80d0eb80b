#include "fit.h"

#include "engine/board/game_position.h"
#include "engine/strong/eval_features.h"
#include "engine/strong/eval_scale.h"
#include "engine/strong/eval_weights.h"
#include "rules/rule_tables.h"
#include "rules/sfen.h"

#include <cmath>
#include <map>
#include <sstream>

namespace {

constexpr double ScoreScale = EvalScoreSlope;
// Adam's step sizes.
constexpr double LearningRate = 1.0;
// The gradients of rare features are tiny: the epsilon must not swamp them.
constexpr double Beta1 = 0.9, Beta2 = 0.999, Epsilon = 1e-14;
// A piece's placement is pulled gently towards nothing, so that a square seen in few positions
// does not get a wild value.
constexpr double PlacementDecay = 1e-8;

double Sigmoid(double x) { return 1.0 / (1.0 + std::exp(-x)); }

double Evaluation(const TrainingPosition& p, const std::vector<double>& w)
{
    double e = 0;
    for (const auto& [feature, count] : p.features)
        e += w[size_t(feature)] * count;
    return e;
}

double MeanError(const std::vector<TrainingPosition>& positions, const std::vector<double>& w)
{
    double sum = 0;
    for (const TrainingPosition& p : positions) {
        const double d = p.result - Sigmoid(ScoreScale * Evaluation(p, w));
        sum += d * d;
    }
    return sum / double(positions.size());
}

struct Section {
    const char* name;
    int first, count, perRow;
};

} // namespace

std::vector<TrainingPosition> ReadTrainingPositions(std::istream& in, std::string& error)
{
    std::vector<TrainingPosition> positions;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const size_t space = line.find(' ');
        SfenHeader header;
        if (space == std::string::npos || !ReadSfen(line.substr(space + 1), header, error)) {
            error = "line " + std::to_string(number) + ": " + (error.empty() ? "no SFEN" : error);
            return {};
        }
        TrainingPosition p;
        p.result = std::stod(line.substr(0, space));
        std::map<int, int> counts;
        const GamePosition position = PositionOfPly(1, header.side, StandardRules);
        VisitEvalFeatures(
            position.board, position.side, [&](int feature, int sign) { counts[feature] += sign; });
        for (const auto& [feature, count] : counts)
            if (count != 0)
                p.features.emplace_back(feature, count);
        positions.push_back(std::move(p));
    }
    return positions;
}

std::vector<double> FitWeights(
    const std::vector<TrainingPosition>& positions, int epochs, std::ostream& log)
{
    using namespace EvalFeature;
    std::vector<double> w(EvalWeights, EvalWeights + Count);
    std::vector<double> m(w.size()), v(w.size()), gradient(w.size());
    log << "start: mean squared error " << MeanError(positions, w) << '\n';
    for (int epoch = 1; epoch <= epochs; ++epoch) {
        std::fill(gradient.begin(), gradient.end(), 0.0);
        for (const TrainingPosition& p : positions) {
            const double s = Sigmoid(ScoreScale * Evaluation(p, w));
            const double g = -2 * (p.result - s) * s * (1 - s) * ScoreScale;
            for (const auto& [feature, count] : p.features)
                gradient[size_t(feature)] += g * count;
        }
        for (size_t i = 0; i < w.size(); ++i) {
            double g = gradient[i] / double(positions.size());
            if (int(i) >= Placement && int(i) < KingPressure)
                g += PlacementDecay * w[i];
            m[i] = Beta1 * m[i] + (1 - Beta1) * g;
            v[i] = Beta2 * v[i] + (1 - Beta2) * g * g;
            const double mHat = m[i] / (1 - std::pow(Beta1, epoch));
            const double vHat = v[i] / (1 - std::pow(Beta2, epoch));
            w[i] -= LearningRate * mHat / (std::sqrt(vHat) + Epsilon);
        }
        if (epoch % 100 == 0 || epoch == epochs)
            log << "epoch " << epoch << ": mean squared error " << MeanError(positions, w) << '\n';
    }
    return w;
}

void WriteWeightsHeader(
    const std::vector<double>& weights, const std::string& provenance, std::ostream& out)
{
    using namespace EvalFeature;
    const Section sections[] = {
        { "BoardPiece: by type", BoardPiece, PieceTypeCount + 1, PieceTypeCount + 1 },
        { "HandPiece: [type][count]", HandPiece, HandTypeCount * MaxHandCount, 10 },
        { "Placement: [type][square]", Placement, (PieceTypeCount + 1) * SquareCount, SquareCount },
        { "KingPressure: [attacked][held]", KingPressure,
            (MaxZoneAttacks + 1) * (MaxHeldCounted + 1), MaxHeldCounted + 1 },
        { "KingShelter", KingShelter, MaxShelter + 1, MaxShelter + 1 },
        { "Tempo", Tempo, 1, 1 },
    };
    out << "#pragma once\n\n#include \"eval_features.h\"\n\n#include <cstdint>\n\n"
        << "// The evaluation's weights in centipawns, in the order of EvalFeature, fitted by "
           "tools/tune\n"
        << "// to the results of games: " << provenance << "\n// clang-format off\n"
        << "inline constexpr int16_t EvalWeights[EvalFeature::Count] = {\n";
    for (const Section& s : sections) {
        out << "    // " << s.name << '\n';
        for (int i = 0; i < s.count; ++i) {
            out << (i % s.perRow == 0 ? "    " : " ") << std::lround(weights[size_t(s.first + i)])
                << ',';
            if (i % s.perRow == s.perRow - 1 || i == s.count - 1)
                out << '\n';
        }
    }
    out << "};\n// clang-format on\n";
}
