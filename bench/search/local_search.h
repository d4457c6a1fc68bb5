// Fits the weights that enter the evaluation non-linearly (the king-danger integers) by local search: each weight
// in turn moves one step up or down while the error of the whole evaluation on the training positions falls.
// Slower than the traced tuner, since every trial evaluates every position afresh, but exact for any weight.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/board.h"
#include "engine/eval_params.h"

namespace varnix::bench {

class LocalSearch {
public:
    // `weights` are indices into EvalParams::Numbers().
    explicit LocalSearch(std::vector<int> weights) : weights_(std::move(weights)) {}

    // Keeps the same positions, and holds out the same ones, as TraceTuner::Add.
    void Add(const engine::Board& board, double whiteResult);
    size_t Size(bool heldOut) const;

    double Error(const engine::EvalParams& params, double k, bool heldOut) const;
    // One pass over the weights, keeping each step that lowers the training error; false when none did.
    bool Pass(engine::EvalParams& params, double k) const;

    // The weights of the king-danger formula, which the traced tuner cannot fit.
    static std::vector<int> KingDangerWeights(const engine::EvalParams& params);

private:
    struct Position {
        engine::Board board;
        float result;
    };
    std::vector<int> weights_;
    std::vector<Position> training_, heldOut_;
    size_t added_ = 0;
};

}  // namespace varnix::bench
