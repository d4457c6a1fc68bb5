// Zobrist keys, generated at compile time from a fixed seed.
#pragma once

#include <array>
#include <cstdint>

#include "engine/types.h"

namespace varnix::engine::zobrist {

struct Keys {
    std::array<std::array<uint64_t, kSquareCount>, kPieceCount> piece{};
    std::array<uint64_t, 16> castling{};
    std::array<uint64_t, 8> epFile{};
    uint64_t blackToMove = 0;
};

constexpr uint64_t SplitMix(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr Keys MakeKeys() {
    Keys k;
    uint64_t state = 0x5641524E49584348ULL;
    for (auto& row : k.piece)
        for (auto& key : row) key = SplitMix(state);
    for (auto& key : k.castling) key = SplitMix(state);
    for (auto& key : k.epFile) key = SplitMix(state);
    k.blackToMove = SplitMix(state);
    return k;
}

inline constexpr Keys kKeys = MakeKeys();

}  // namespace varnix::engine::zobrist
