// Fits the evaluation weights to game results by gradient descent (Adam) on the mean squared error between
// each result and a logistic of the evaluation. A position's evaluation is linear in the square, material and
// single-term weights, so each position is traced once and re-scored from its trace; the king danger and the
// draw scales stay as traced.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/board.h"
#include "engine/eval_params.h"
#include "engine/evaluate_trace.h"

namespace varnix::bench {

class TraceTuner {
public:
    explicit TraceTuner(const engine::EvalParams& start);

    // Traces the position with the start weights; every tenth block of positions is held out of the fit.
    void Add(const engine::Board& board, double whiteResult);
    size_t Size(bool heldOut) const;

    // The mean squared error of the current weights, with the logistic scaled by k.
    double Error(double k, bool heldOut) const;
    // The k that makes the start weights fit the training positions best.
    double FitScale() const;
    // One full-batch Adam step of `rate` centipawns.
    void Step(double k, double rate);
    // The current weights, rounded.
    engine::EvalParams Params() const;

private:
    struct Position {
        float result;
        int16_t phase, endgameScale, fiftyScale;
        bool heldOut;
        engine::Score total;
        uint32_t first, end;  // its uses in uses_
    };
    double WhiteEval(const Position& p) const;

    engine::EvalParams start_;
    std::vector<double> weights_, moment_, square_;
    std::vector<engine::EvalTrace::Use> uses_;
    std::vector<Position> positions_;
    int steps_ = 0;
};

}  // namespace varnix::bench
