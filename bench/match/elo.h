// Elo difference from a match result, with its 95% error bar.
#pragma once

namespace varnix::match {

struct EloEstimate {
    double score;   // 0..1, points per game
    double elo;     // difference for the side whose result it is
    double margin;  // half the width of the 95% interval, in Elo
};

EloEstimate EstimateElo(int wins, int draws, int losses);

}  // namespace varnix::match
