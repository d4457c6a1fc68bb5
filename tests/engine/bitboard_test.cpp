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
