#include "elo.h"

#include <cmath>
#include <limits>

namespace {

// The two-sided 95% quantile of the normal distribution.
constexpr double Z95 = 1.959963984540054;

} // namespace

double EloOfScore(double score)
{
    if (score <= 0)
        return -std::numeric_limits<double>::infinity();
    if (score >= 1)
        return std::numeric_limits<double>::infinity();
    return 400 * std::log10(score / (1 - score));
}

EloEstimate EstimateElo(const std::vector<double>& samples)
{
    const double n = double(samples.size());
    // One sample says nothing of the spread.
    if (samples.size() < 2)
        return { samples.empty() ? 0 : EloOfScore(samples[0]),
            std::numeric_limits<double>::infinity() };
    double sum = 0;
    for (const double x : samples)
        sum += x;
    const double mean = sum / n;
    double squares = 0;
    for (const double x : samples)
        squares += (x - mean) * (x - mean);
    const double deviation = std::sqrt(squares / n / n);
    const double low = EloOfScore(mean - Z95 * deviation);
    const double high = EloOfScore(mean + Z95 * deviation);
    if (!std::isfinite(low) || !std::isfinite(high))
        return { EloOfScore(mean), std::numeric_limits<double>::infinity() };
    return { EloOfScore(mean), (high - low) / 2 };
}
