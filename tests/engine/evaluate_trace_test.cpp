#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/board.h"
#include "engine/evaluate.h"

using namespace varnix::engine;

namespace {

const char* const kPositions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b KQkq - 0 1",
    "2rq1rk1/pp1bppbp/3p1np1/4n3/3NP3/1BN1BP2/PPPQ2PP/2KR3R w - - 3 13",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "6k1/5ppp/8/1P6/8/8/5PPP/6K1 b - - 0 40",     // a passed pawn against the king
    "8/8/4k3/8/8/8/2K5/R7 w - - 0 50",            // the mop-up
    "4k3/8/2b5/8/8/5B2/8/4K3 w - - 30 60",        // a draw by material, fifty-move count running
    "r1bq1rk1/ppp2ppp/2n5/3np3/2B5/5N2/PP1P1PPP/RNBQ1RK1 w - - 0 9",
};

std::map<int, int> CountsByIndex(const EvalTrace& trace) {
    std::map<int, int> counts;
    for (const EvalTrace::Use u : trace.uses) counts[u.index] += u.count;
    return counts;
}

}  // namespace

// The trace blends back to the evaluation itself.
TEST(EvalTrace, ReproducesTheEvaluation) {
    for (const char* fen : kPositions) {
        const Board board = *Board::FromFen(fen);
        Evaluator evaluator;
        EvalTrace trace;
        const int traced = EvaluateTraced(board, DefaultEvalParams(), trace);
        EXPECT_EQ(traced, evaluator.Evaluate(board)) << fen;
        EXPECT_EQ(board.SideToMove() == White ? traced : -traced, trace.White()) << fen;
    }
}

// Changing any one weight moves the traced total by exactly its recorded count, and weights the trace does not
// name leave the total alone: the tuner's linear model is the evaluation.
TEST(EvalTrace, CountsEveryWeightItUses) {
    const EvalParams defaults = DefaultEvalParams();
    // The Score weights come first in the record; the king-danger integers after them are not traced.
    const int scoreWeights = defaults.IndexOf(defaults.storm.back()) + 2;
    for (const char* fen : kPositions) {
        const Board board = *Board::FromFen(fen);
        EvalTrace base;
        EvaluateTraced(board, defaults, base);
        const std::map<int, int> counts = CountsByIndex(base);
        for (int i = 0; i < scoreWeights; ++i) {
            EvalParams changed = defaults;
            changed.Numbers()[size_t(i)] += 7;
            EvalTrace trace;
            EvaluateTraced(board, changed, trace);
            const auto it = counts.find(i & ~1);
            const int expected = it == counts.end() ? 0 : 7 * it->second;
            const Score delta = trace.total - base.total;
            EXPECT_EQ(i % 2 == 0 ? delta.mg : delta.eg, expected) << fen << " weight " << i;
            EXPECT_EQ(i % 2 == 0 ? delta.eg : delta.mg, 0) << fen << " weight " << i;
        }
    }
}
