#include <gtest/gtest.h>

#include "engine/board.h"
#include "engine/evaluate.h"
#include "known_results.h"
#include "local_search.h"
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

namespace {

// Kings under attack by a queen and a second piece, so that the king-danger formula decides much of the score.
const char* const kAttacks[] = {
    "6k1/5ppp/8/6N1/8/5Q2/5PPP/6K1",  "6k1/5ppp/7Q/6N1/8/8/5PPP/6K1", "r5k1/5p1p/6p1/7Q/8/3B4/5PPP/6K1",
    "6k1/4bppp/8/3N4/6Q1/8/5PPP/6K1", "1k6/ppp5/8/1N6/Q7/8/5PPP/6K1", "2kr4/ppp5/8/Q7/3B4/8/5PPP/6K1",
    "6k1/5ppp/8/8/3B4/5Q2/5PPP/6K1",  "4rrk1/5ppp/5N2/8/8/6Q1/5PPP/6K1",
};

}  // namespace

// Results drawn from a deadlier queen attack than the start weights say: the search raises the queen's attack
// units, which the traced tuner cannot do, and keeps the positions and the held-out split of the traced tuner.
TEST(LocalSearch, FitsANonLinearWeightToResultsOfAKnownEvaluation) {
    const EvalParams start = DefaultEvalParams();
    EvalParams truth = start;
    truth.kingAttackUnits[Queen] *= 2;
    bench::LocalSearch local(bench::LocalSearch::KingDangerWeights(start));
    bench::TraceTuner tuner(start);
    bench::AddResultsOf(truth, kAttacks, 80, [&](const Board& b, double result) {
        local.Add(b, result);
        tuner.Add(b, result);
    });
    EXPECT_GT(local.Size(true), 0u);
    EXPECT_EQ(local.Size(true), tuner.Size(true));
    EXPECT_EQ(local.Size(false), tuner.Size(false));

    EvalParams fitted = start;
    const double before = local.Error(fitted, 1, false);
    for (int pass = 0; pass < 30 && local.Pass(fitted, 1); ++pass) {
    }
    EXPECT_GT(fitted.kingAttackUnits[Queen], start.kingAttackUnits[Queen]);
    EXPECT_LT(local.Error(fitted, 1, false), before / 4);
    EXPECT_LT(local.Error(fitted, 1, true), local.Error(start, 1, true) / 4);
}
