#include <gtest/gtest.h>

#include "engine/score.h"
#include "engine/search.h"
#include "engine/skill.h"
#include "engine/timeman.h"

using namespace varnix::engine;

// Weaker levels search fewer nodes, and only full strength has no budget at all.
TEST(Skill, NodeBudgetGrowsWithSkill) {
    uint64_t previous = 0;
    for (int s = 1; s < 100; ++s) {
        const uint64_t budget = Skill(s, false, 1).NodeBudget();
        EXPECT_GT(budget, previous) << s;
        previous = budget;
    }
    EXPECT_EQ(Skill(100, false, 1).NodeBudget(), 0u);
}

// The choice never falls further below the best move than the level allows, nor onto a losing mate.
TEST(Skill, ChoosesOnlyNearBestMoves) {
    const Move best(E2, E4), close(D2, D4), far(G1, F3), mated(F2, F3);
    for (const int level : {1, 10, 50, 75, 99}) {
        Skill skill(level, false, uint64_t(level));
        // The far move also looks best at a glance: a blind spot must still not reach it.
        skill.ObserveShallow({{far, 900}, {best, 30}, {close, 20}});
        for (int i = 0; i < 200; ++i) {
            const Move m = skill.Choose({{best, 30}, {close, 20}, {far, 30 - 400}, {mated, MatedIn(3)}});
            EXPECT_TRUE(m == best || m == close) << level;
        }
    }
    // Full strength without variety always plays the best move; a found mate is always played.
    Skill full(100, false, 3);
    EXPECT_EQ(full.Choose({{best, 30}, {close, 29}}), best);
    Skill weak(1, false, 4);
    EXPECT_EQ(weak.Choose({{best, MateIn(5)}, {close, 500}}), best);
}

// How often each level falls for a move that looks best at a glance but loses a pawn and a half to the deeper
// search, and how often it finds the best move: both must change steadily with the skill.
TEST(Skill, MistakesBecomeRarerWithSkill) {
    const Move best(E2, E4), trap(D2, D4), quiet(G1, F3);
    const std::vector<ScoredMove> final = {{best, 40}, {quiet, 20}, {trap, -110}};
    int previousTrap = 1000, previousBest = -1;
    for (const int level : {10, 20, 30, 50, 75, 99}) {
        Skill skill(level, false, 7);
        skill.ObserveShallow({{trap, 120}, {best, 40}, {quiet, 20}});
        int trapped = 0, found = 0;
        for (int i = 0; i < 1000; ++i) {
            const Move m = skill.Choose(final);
            trapped += m == trap;
            found += m == best;
        }
        EXPECT_LE(trapped, previousTrap) << level;
        EXPECT_GE(found, previousBest) << level;
        previousTrap = trapped;
        previousBest = found;
        if (level <= 30) {
            EXPECT_GT(trapped, 50) << level;  // weak players do fall for it
        }
        if (level >= 75) {
            EXPECT_LT(trapped, 10) << level;  // strong ones hardly ever
        }
    }
}

TEST(TimePlan, Budgets) {
    struct Case {
        const char* name;
        SearchLimits limits;
        Color us;
        int64_t minHard, maxHard;
    };
    const SearchLimits clock{.wtimeMs = 60000, .btimeMs = 1000};
    const Case cases[] = {
        {"FixedTimeUsedUpToItsEnd", {.moveTimeMs = 1000}, White, 950, 1000},
        {"ClockGivesAShare", clock, White, 2000, 10000},
        {"LowClockStaysSmall", clock, Black, 1, 400},
        {"LastMoveBeforeControlMayUseMore", {.wtimeMs = 5000, .movesToGo = 1}, White, 2000, 4990},
        {"NoLimits", {}, White, 0, 0},
        {"InfiniteIgnoresTime", {.moveTimeMs = 1000, .infinite = true}, White, 0, 0},
    };
    for (const Case& c : cases) {
        const TimeBudget b = PlanTime(c.limits, c.us);
        EXPECT_GE(b.hardMs, c.minHard) << c.name;
        EXPECT_LE(b.hardMs, c.maxHard) << c.name;
        EXPECT_LE(b.softMs, b.hardMs) << c.name;
    }
}
