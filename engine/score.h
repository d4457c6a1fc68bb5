// Scores: a middlegame and an endgame value blended by the game phase, and the search's score range.
#pragma once

namespace varnix::engine {

struct Score {
    int mg = 0, eg = 0;
    constexpr Score() = default;
    constexpr Score(int m, int e) : mg(m), eg(e) {}
    constexpr Score operator+(Score o) const { return {mg + o.mg, eg + o.eg}; }
    constexpr Score operator-(Score o) const { return {mg - o.mg, eg - o.eg}; }
    constexpr Score operator-() const { return {-mg, -eg}; }
    constexpr Score operator*(int k) const { return {mg * k, eg * k}; }
    constexpr Score& operator+=(Score o) { return *this = *this + o; }
    constexpr Score& operator-=(Score o) { return *this = *this - o; }
    constexpr bool operator==(const Score&) const = default;
};

// Search scores: mate in n plies is kMate - n; anything beyond kMateBound is a forced mate.
constexpr int kInfinite = 32001;
constexpr int kMate = 32000;
constexpr int kMaxPly = 128;
constexpr int kMateBound = kMate - kMaxPly;
constexpr int kDraw = 0;

constexpr int MatedIn(int ply) { return -kMate + ply; }
constexpr int MateIn(int ply) { return kMate - ply; }
constexpr bool IsMateScore(int score) { return score >= kMateBound || score <= -kMateBound; }

}  // namespace varnix::engine
