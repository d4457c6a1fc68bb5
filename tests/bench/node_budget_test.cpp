#include "node_budget.h"

#include <gtest/gtest.h>

namespace varnix::match {
namespace {

TEST(NodeBudget, FirstRoundKeepsTheBudgetLaterRoundsVaryItWithinAnEighth) {
    for (int ply = 0; ply < 200; ++ply) {
        EXPECT_EQ(NodesForMove(10000, 0, ply), 10000);
        for (int round = 1; round < 6; ++round) {
            const long long n = NodesForMove(10000, round, ply);
            EXPECT_GE(n, 8750);
            EXPECT_LE(n, 11250);
            EXPECT_EQ(n, NodesForMove(10000, round, ply));  // reproducible
        }
    }
    // Each round must differ from the others nearly everywhere, or its games would repeat theirs.
    for (int a = 0; a < 6; ++a) {
        for (int b = a + 1; b < 6; ++b) {
            int same = 0;
            for (int ply = 0; ply < 200; ++ply) same += NodesForMove(10000, a, ply) == NodesForMove(10000, b, ply);
            EXPECT_LT(same, 5) << "rounds " << a << " and " << b;
        }
    }
    for (int ply = 0; ply < 10; ++ply) EXPECT_EQ(NodesForMove(5, 3, ply), 5);  // too small to vary
}

}  // namespace
}  // namespace varnix::match
