// Weights of the evaluation. Piece-square tables are built from a few shapes (centre, advance, shelter)
// so each number says what it rewards.
#pragma once

#include <array>
#include <cstdlib>

#include "engine/score.h"
#include "engine/types.h"

namespace varnix::engine::eval {

inline constexpr std::array<Score, kPieceTypeCount> kPieceValue = {
    Score{0, 0}, Score{90, 120}, Score{330, 310}, Score{345, 330}, Score{480, 540}, Score{990, 1000}, Score{0, 0}};

// Phase weight of each piece type; 24 is the full middlegame.
inline constexpr std::array<int, kPieceTypeCount> kPhaseWeight = {0, 0, 1, 1, 2, 4, 0};
constexpr int kFullPhase = 24;

namespace detail {

// Steps from the centre: 0 on d4/e4/d5/e5, 3 on the rim.
constexpr int CentreDistance(int file, int rank) {
    const int df = file < 4 ? 3 - file : file - 4;
    const int dr = rank < 4 ? 3 - rank : rank - 4;
    return df > dr ? df : dr;
}

constexpr Score SquareBonus(PieceType t, int f, int r) {
    const int c = CentreDistance(f, r);
    switch (t) {
        case Pawn: {
            constexpr int kFileMg[8] = {-4, 0, 4, 10, 10, 4, 0, -4};
            const int centreAdvance = (r == 3 || r == 4) ? kFileMg[f] : (r == 1 && (f == 3 || f == 4)) ? -6 : 0;
            return {centreAdvance + 2 * (r - 1), 4 * (r - 1)};
        }
        case Knight: {
            constexpr int kMg[4] = {22, 12, 0, -22}, kEg[4] = {16, 10, 0, -18};
            return {kMg[c] - (r == 0 ? 10 : 0), kEg[c]};
        }
        case Bishop: {
            constexpr int kMg[4] = {12, 10, 2, -8}, kEg[4] = {8, 6, 0, -8};
            const bool longDiagonal = f == r || f == 7 - r;
            return {kMg[c] + (longDiagonal ? 6 : 0) - (r == 0 ? 8 : 0), kEg[c]};
        }
        case Rook: {
            constexpr int kFileMg[8] = {-2, 0, 4, 8, 8, 4, 0, -2};
            return {kFileMg[f] + (r == 6 ? 18 : 0), r == 6 ? 14 : 0};
        }
        case Queen: {
            constexpr int kMg[4] = {6, 4, 0, -4}, kEg[4] = {12, 8, 0, -12};
            return {kMg[c], kEg[c]};
        }
        case King: {
            constexpr int kBackRank[8] = {18, 26, 8, -6, -6, 8, 26, 18};
            constexpr int kEg[4] = {30, 18, 0, -28};
            const int mg = r == 0 ? kBackRank[f] : r == 1 ? kBackRank[f] / 2 - 12 : -30 - 12 * (r - 2);
            return {mg, kEg[c]};
        }
        default: return {};
    }
}

constexpr std::array<std::array<Score, kSquareCount>, kPieceTypeCount> MakeSquareTables() {
    std::array<std::array<Score, kSquareCount>, kPieceTypeCount> t{};
    for (int type = Pawn; type <= King; ++type)
        for (int s = 0; s < kSquareCount; ++s) t[type][s] = SquareBonus(PieceType(type), s & 7, s >> 3);
    return t;
}

}  // namespace detail

// Bonus of a piece type on a square, seen from White (mirror the square for Black).
inline constexpr auto kSquareTable = detail::MakeSquareTables();

// Mobility: per reachable square beyond a typical count.
inline constexpr std::array<Score, kPieceTypeCount> kMobilityPerSquare = {
    Score{}, Score{}, Score{4, 4}, Score{5, 5}, Score{2, 4}, Score{1, 2}, Score{}};
inline constexpr std::array<int, kPieceTypeCount> kTypicalMobility = {0, 0, 4, 6, 7, 13, 0};

// Pawn structure.
inline constexpr Score kDoubled{-12, -24};
inline constexpr Score kIsolated{-12, -14};
inline constexpr Score kBackward{-6, -8};
inline constexpr std::array<Score, 8> kPassed = {Score{0, 0},   Score{4, 10},  Score{6, 14},   Score{12, 24},
                                                 Score{26, 44}, Score{46, 80}, Score{76, 130}, Score{0, 0}};
inline constexpr std::array<Score, 8> kConnected = {Score{0, 0},   Score{3, 2},   Score{5, 4},   Score{8, 6},
                                                    Score{14, 12}, Score{24, 22}, Score{40, 40}, Score{0, 0}};

// Pieces.
inline constexpr Score kBishopPair{28, 52};
inline constexpr Score kRookOpenFile{26, 10};
inline constexpr Score kRookHalfOpenFile{12, 6};
inline constexpr Score kPawnThreat{44, 34};  // a pawn attacks a piece
inline constexpr Score kTempo{14, 6};

// King safety: attack units per square of the king zone a piece type hits.
inline constexpr std::array<int, kPieceTypeCount> kKingAttackUnits = {0, 0, 2, 2, 3, 5, 0};
constexpr int kShelterMissing = -14;  // mg, per missing pawn in front of the king
constexpr int kKingOpenFile = -18;    // mg, per file next to the king without own pawns

}  // namespace varnix::engine::eval
