#include <gtest/gtest.h>

#include <random>

#include "engine/bitboard.h"

using namespace varnix::engine;

// The magic lookups must agree with a plain walk along the rays for any occupancy.
TEST(Bitboard, SliderLookupsMatchRayWalks) {
    std::mt19937_64 rng(7);
    for (int i = 0; i < 20000; ++i) {
        const Square s = Square(rng() % 64);
        const Bitboard occ = rng() & rng();
        EXPECT_EQ(RookAttacks(s, occ), detail::RayAttacks(s, occ, detail::kRookDirs)) << int(s);
        EXPECT_EQ(BishopAttacks(s, occ), detail::RayAttacks(s, occ, detail::kBishopDirs)) << int(s);
    }
}

TEST(Bitboard, BetweenAndLine) {
    struct Case {
        Square a, b;
        Bitboard between, line;
    };
    const Case cases[] = {
        {A1, H8, 0x0040201008040200ULL, 0x8040201008040201ULL},
        {A1, A4, SquareBB(A2) | SquareBB(A3), kFileA},
        {C1, D1, 0, kRank1},
        {A1, B3, 0, 0},
        {E4, E4, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Between(c.a, c.b), c.between);
        EXPECT_EQ(Between(c.b, c.a), c.between);
        EXPECT_EQ(Line(c.a, c.b), c.line);
    }
}
