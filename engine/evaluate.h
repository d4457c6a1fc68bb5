// Static evaluation in centipawns from the side to move's view.
#pragma once

#include "engine/board.h"
#include "engine/eval_params.h"
#include "engine/evaluate_trace.h"
#include "engine/pawn_structure.h"

namespace varnix::engine {

class Evaluator {
public:
    explicit Evaluator(const EvalParams& params = DefaultEvalParams());
    int Evaluate(const Board& board);

private:

    const EvalParams& params_;
    PawnCache pawns_;
};

// The same evaluation under `params`, also filling `trace`; without a pawn cache, for the tuner and tests.
int EvaluateTraced(const Board& board, const EvalParams& params, EvalTrace& trace);

// The exchange value of one colour's pieces other than pawns and king.
int NonPawnMaterial(const Board& board, Color c);

}  // namespace varnix::engine
