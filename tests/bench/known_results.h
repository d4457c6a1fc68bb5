// Training positions whose results come from a known evaluation, so that a fit can be checked against the truth.
#pragma once

#include <cmath>
#include <span>
#include <string>

#include "engine/board.h"
#include "engine/evaluate.h"

namespace varnix::bench {

// Each placement with either side to move, `copies` times, labelled with the logistic of `truth`'s evaluation.
template <typename AddFn>
void AddResultsOf(const engine::EvalParams& truth, std::span<const char* const> placements, int copies, AddFn add) {
    engine::Evaluator judge(truth);
    for (int copy = 0; copy < copies; ++copy) {
        for (const char* placement : placements) {
            for (const char* side : {" w - - 0 1", " b - - 0 1"}) {
                const engine::Board board = *engine::Board::FromFen(std::string(placement) + side);
                const int eval = judge.Evaluate(board);
                const double white = board.SideToMove() == engine::White ? eval : -eval;
                add(board, 1 / (1 + std::pow(10.0, -white / 400)));
            }
        }
    }
}

}  // namespace varnix::bench
