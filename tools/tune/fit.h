#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// A position of the training set: its features, each with its count for Sente (Gote's count
// negatively), and the game's result for Sente.
struct TrainingPosition {
    std::vector<std::pair<int, int>> features;
    double result;
};

// Reads "<result> <SFEN>" lines; error names the first line that cannot be read.
std::vector<TrainingPosition> ReadTrainingPositions(std::istream& in, std::string& error);

// Fits the evaluation's weights, starting from the current ones, so that the logistic of the
// evaluation predicts the results: gradient descent on the mean squared error, the same steps on
// every run. Returns the weights; log gets the error as it falls.
std::vector<double> FitWeights(
    const std::vector<TrainingPosition>& positions, int epochs, std::ostream& log);

// Writes the weights as engine/strong/eval_weights.h.
void WriteWeightsHeader(
    const std::vector<double>& weights, const std::string& provenance, std::ostream& out);
