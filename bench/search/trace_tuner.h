// Fits the evaluation weights to game results by gradient descent with momentum on the mean squared error between
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
    // How the square tables take part: each square on its own; a square and its mirror across the middle file
    // together, which halves their number for data too thin to tell the king's side from the queen's; or not.
    enum class Squares { Free, Mirrored, Fixed };
    explicit TraceTuner(const engine::EvalParams& start, Squares squares = Squares::Free);

    // Traces the position with the start weights; every tenth block of positions is held out of the fit.
    void Add(const engine::Board& board, double whiteResult);
    size_t Size(bool heldOut) const;
    // Whether the index-th position kept is held out: every tenth block of about two games.
    static bool HeldOutAt(size_t index);

    // The mean squared error of the current weights, with the logistic scaled by k.
    double Error(double k, bool heldOut) const;
    // The k that makes the start weights fit the training positions best.
    double FitScale() const;
    // One full-batch step; the weight with the steepest gradient moves about `rate` centipawns.
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
    std::vector<double> weights_, moment_;
    double scale_ = 0;  // running mean of the steepest squared gradient
    std::vector<int> mirror_;   // the index that moves with each weight, or -1
    std::vector<bool> fixed_;   // weights that keep their start value
    std::vector<engine::EvalTrace::Use> uses_;
    std::vector<Position> positions_;
    int steps_ = 0;
};

}  // namespace varnix::bench
