#include "elo.h"

#include <algorithm>
#include <cmath>

namespace varnix::match {
namespace {

double EloFromScore(double score) {
    const double s = std::clamp(score, 1e-3, 1 - 1e-3);  // a clean sweep has no finite Elo
    return -400.0 * std::log10(1.0 / s - 1.0);
}

}  // namespace

// The spread of the per-game scores gives the standard error of the mean
// score; its 95% bounds are turned into Elo.
EloEstimate EstimateElo(int wins, int draws, int losses) {
    const double games = wins + draws + losses;
    if (games == 0) return {0.5, 0, 0};
    const double score = (wins + 0.5 * draws) / games;
    const double variance = (wins * std::pow(1 - score, 2) + draws * std::pow(0.5 - score, 2) +
                             losses * std::pow(score, 2)) / games;
    const double error = 1.96 * std::sqrt(variance / games);
    return {score, EloFromScore(score), (EloFromScore(score + error) - EloFromScore(score - error)) / 2};
}

}  // namespace varnix::match
