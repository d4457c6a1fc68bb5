#include "elo.h"

#include <algorithm>
#include <cmath>

namespace varnix::match {
namespace {

double EloFromScore(double score) { return -400.0 * std::log10(1.0 / score - 1.0); }

}  // namespace

// The spread of the per-game scores gives the standard error of the mean
// score; its 95% bounds are turned into Elo. A clean sweep has no finite Elo,
// so scores are kept half a game away from 0 and 1.
EloEstimate EstimateElo(int wins, int draws, int losses) {
    const double games = wins + draws + losses;
    if (games == 0) return {0.5, 0, 0};
    const double score = (wins + 0.5 * draws) / games;
    const double lowest = 0.5 / games, highest = 1 - lowest;
    const double kept = std::clamp(score, lowest, highest);
    double variance = (wins * std::pow(1 - score, 2) + draws * std::pow(0.5 - score, 2) +
                       losses * std::pow(score, 2)) / games;
    if (variance == 0) variance = kept * (1 - kept);
    const double error = 1.96 * std::sqrt(variance / games);
    const double upper = EloFromScore(std::clamp(kept + error, lowest, highest));
    const double lower = EloFromScore(std::clamp(kept - error, lowest, highest));
    return {score, EloFromScore(kept), (upper - lower) / 2};
}

}  // namespace varnix::match
