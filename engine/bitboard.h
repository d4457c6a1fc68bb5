// Bitboards and the attack tables of every piece.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "engine/types.h"

namespace varnix::engine {

using Bitboard = uint64_t;

constexpr Bitboard kFileA = 0x0101010101010101ULL;
constexpr Bitboard kFileH = kFileA << 7;
constexpr Bitboard kRank1 = 0xFFULL;
constexpr Bitboard kRank8 = kRank1 << 56;

constexpr Bitboard SquareBB(Square s) { return 1ULL << s; }
constexpr Bitboard FileBB(int file) { return kFileA << file; }
constexpr Bitboard RankBB(int rank) { return kRank1 << (8 * rank); }
constexpr Bitboard RelativeRankBB(Color c, int rank) { return RankBB(RelativeRank(c, rank)); }

inline int PopCount(Bitboard b) { return std::popcount(b); }
inline bool MoreThanOne(Bitboard b) { return (b & (b - 1)) != 0; }
// Lowest set square; b must not be empty.
inline Square Lsb(Bitboard b) { return Square(std::countr_zero(b)); }
inline Square PopLsb(Bitboard& b) {
    const Square s = Lsb(b);
    b &= b - 1;
    return s;
}

// Shifts every square one step in a direction (8 north, -8 south, ±1 east/west, ±7/±9 diagonals).
template <int D>
constexpr Bitboard Shift(Bitboard b) {
    if constexpr (D == 8) return b << 8;
    else if constexpr (D == -8) return b >> 8;
    else if constexpr (D == 16) return b << 16;
    else if constexpr (D == -16) return b >> 16;
    else if constexpr (D == 1) return (b & ~kFileH) << 1;
    else if constexpr (D == -1) return (b & ~kFileA) >> 1;
    else if constexpr (D == 9) return (b & ~kFileH) << 9;
    else if constexpr (D == 7) return (b & ~kFileA) << 7;
    else if constexpr (D == -7) return (b & ~kFileH) >> 7;
    else if constexpr (D == -9) return (b & ~kFileA) >> 9;
    else static_assert(D == 0, "unsupported direction");
    return b;
}

// Squares attacked by all pawns of a colour.
template <Color C>
constexpr Bitboard PawnAttacksBB(Bitboard pawns) {
    return C == White ? Shift<7>(pawns) | Shift<9>(pawns) : Shift<-7>(pawns) | Shift<-9>(pawns);
}

namespace detail {

using SquareTable = std::array<Bitboard, kSquareCount>;

constexpr Bitboard StepAttacks(Square s, const int (*steps)[2], int count) {
    Bitboard b = 0;
    for (int i = 0; i < count; ++i) {
        const int f = FileOf(s) + steps[i][0], r = RankOf(s) + steps[i][1];
        if (f >= 0 && f < 8 && r >= 0 && r < 8) b |= SquareBB(MakeSquare(f, r));
    }
    return b;
}

constexpr SquareTable MakeStepTable(const int (*steps)[2], int count) {
    SquareTable t{};
    for (int s = 0; s < kSquareCount; ++s) t[s] = StepAttacks(Square(s), steps, count);
    return t;
}

constexpr int kKnightSteps[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
constexpr int kKingSteps[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
constexpr int kWhitePawnSteps[2][2] = {{-1, 1}, {1, 1}};
constexpr int kBlackPawnSteps[2][2] = {{-1, -1}, {1, -1}};
constexpr int kRookDirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr int kBishopDirs[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

// Slider attacks by walking rays; used to build tables, not in the hot path.
constexpr Bitboard RayAttacks(Square s, Bitboard occupied, const int (*dirs)[2]) {
    Bitboard b = 0;
    for (int i = 0; i < 4; ++i) {
        int f = FileOf(s) + dirs[i][0], r = RankOf(s) + dirs[i][1];
        while (f >= 0 && f < 8 && r >= 0 && r < 8) {
            const Bitboard sq = SquareBB(MakeSquare(f, r));
            b |= sq;
            if (occupied & sq) break;
            f += dirs[i][0];
            r += dirs[i][1];
        }
    }
    return b;
}

inline constexpr SquareTable kKnightAttacks = MakeStepTable(kKnightSteps, 8);
inline constexpr SquareTable kKingAttacks = MakeStepTable(kKingSteps, 8);
inline constexpr std::array<SquareTable, 2> kPawnAttacks = {MakeStepTable(kWhitePawnSteps, 2),
                                                            MakeStepTable(kBlackPawnSteps, 2)};

// One slider's magic lookup for one square.
struct Magic {
    Bitboard mask;
    Bitboard magic;
    const Bitboard* attacks;
    unsigned shift;
    unsigned Index(Bitboard occupied) const { return unsigned(((occupied & mask) * magic) >> shift); }
};

struct SliderTables {
    std::array<Magic, kSquareCount> rook;
    std::array<Magic, kSquareCount> bishop;
    std::array<std::array<Bitboard, kSquareCount>, kSquareCount> between;
    std::array<std::array<Bitboard, kSquareCount>, kSquareCount> line;
};

const SliderTables& BuildSliders();
// Built on first use (thread-safe), so no start-up order matters; inline so the hot lookups stay calls-free.
inline const SliderTables& Sliders() {
    static const SliderTables& tables = BuildSliders();
    return tables;
}

}  // namespace detail

inline Bitboard PawnAttacks(Color c, Square s) { return detail::kPawnAttacks[c][s]; }
inline Bitboard KnightAttacks(Square s) { return detail::kKnightAttacks[s]; }
inline Bitboard KingAttacks(Square s) { return detail::kKingAttacks[s]; }

inline Bitboard BishopAttacks(Square s, Bitboard occupied) {
    const detail::Magic& m = detail::Sliders().bishop[s];
    return m.attacks[m.Index(occupied)];
}
inline Bitboard RookAttacks(Square s, Bitboard occupied) {
    const detail::Magic& m = detail::Sliders().rook[s];
    return m.attacks[m.Index(occupied)];
}
inline Bitboard QueenAttacks(Square s, Bitboard occupied) {
    return BishopAttacks(s, occupied) | RookAttacks(s, occupied);
}
// Attacks of a piece type other than the pawn.
inline Bitboard PieceAttacks(PieceType t, Square s, Bitboard occupied) {
    switch (t) {
        case Knight: return KnightAttacks(s);
        case Bishop: return BishopAttacks(s, occupied);
        case Rook: return RookAttacks(s, occupied);
        case Queen: return QueenAttacks(s, occupied);
        case King: return KingAttacks(s);
        default: return 0;
    }
}

// Squares strictly between a and b on a common line; empty when they share none.
inline Bitboard Between(Square a, Square b) { return detail::Sliders().between[a][b]; }
// The whole line through a and b (edge to edge); empty when they share none.
inline Bitboard Line(Square a, Square b) { return detail::Sliders().line[a][b]; }

}  // namespace varnix::engine
