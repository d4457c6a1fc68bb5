#include <gtest/gtest.h>


#include "engine/board.h"
#include "engine/evaluate.h"
#include "known_results.h"
#include "trace_tuner.h"

using namespace varnix;
using namespace varnix::engine;

namespace {

const char* const kPlacements[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR",  "r1bqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR",
    "rnbqkbnr/pppp1ppp/8/8/8/8/PPPPPPPP/RNBQKB1R",  "4k3/pppp4/8/8/8/8/PPPPP3/4K3",
    "4k3/8/8/8/8/8/PPP5/4KN2",                      "r3k3/8/8/8/8/8/8/2N1K3",
    "2b1k3/pp6/8/8/8/8/PPP5/4K1N1",                 "4k3/pppppppp/8/8/8/8/PPPPPPPP/3QK3",
};

}  // namespace

// Results drawn from a stronger knight than the start weights say: the steps fit them, and the held-out
// positions agree, which they would not if the gradient pointed the wrong way or had the wrong scale.
TEST(TraceTuner, FitsResultsOfAKnownEvaluation) {
    const EvalParams start = DefaultEvalParams();
    EvalParams truth = start;
    truth.pieceValue[Knight] += Score{150, 150};
    bench::TraceTuner tuner(start);
    bench::AddResultsOf(truth, kPlacements, 100, [&](const Board& b, double result) { tuner.Add(b, result); });
    EXPECT_GT(tuner.Size(true), 0u);
    EXPECT_GT(tuner.Size(false), 8 * tuner.Size(true));
    const double before = tuner.Error(1, false), heldOutBefore = tuner.Error(1, true);
    for (int step = 0; step < 200; ++step) tuner.Step(1, 2);
    EXPECT_LT(tuner.Error(1, false), before / 20);
    EXPECT_LT(tuner.Error(1, true), heldOutBefore / 20);
    const EvalParams fitted = tuner.Params();
    const Board knightUp = *Board::FromFen("4k3/8/8/8/8/8/PPP5/4KN2 w - - 0 1");
    EXPECT_GT(Evaluator(fitted).Evaluate(knightUp), Evaluator(start).Evaluate(knightUp) + 50);
}
