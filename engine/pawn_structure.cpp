#include "engine/pawn_structure.h"

#include "engine/eval_tables.h"

namespace varnix::engine {
namespace {

Bitboard AdjacentFiles(int file) {
    return (file > 0 ? FileBB(file - 1) : 0) | (file < 7 ? FileBB(file + 1) : 0);
}

// Everything strictly ahead of rank `rank` from c's side.
Bitboard RanksAhead(Color c, int rank) {
    return c == White ? (rank == 7 ? 0 : ~Bitboard(0) << (8 * (rank + 1))) : (rank == 0 ? 0 : ~Bitboard(0) >> (8 * (8 - rank)));
}

template <Color Us>
Score EvaluateSide(const Board& b, PawnInfo& info) {
    constexpr Color Them = ~Us;
    const Bitboard ours = b.Pieces(Us, Pawn), theirs = b.Pieces(Them, Pawn);
    Score score;
    for (Bitboard pawns = ours; pawns;) {
        const Square s = PopLsb(pawns);
        const int file = FileOf(s), rank = RelativeRank(Us, RankOf(s));
        const Bitboard neighbours = ours & AdjacentFiles(file);
        const bool doubled = FrontSpan(Us, s) & ours;
        const bool passed = !(PassedSpan(Us, s) & theirs) && !doubled;
        const bool phalanx = neighbours & RankBB(RankOf(s));
        const bool supported = PawnAttacks(Them, s) & ours;

        if (doubled) score += eval::kDoubled;
        if (!neighbours) {
            score += eval::kIsolated;
        } else if (!phalanx && !supported && !(neighbours & ~RanksAhead(Us, RankOf(s))) &&
                   (PawnAttacks(Us, s + PawnPush(Us)) & theirs)) {
            // No neighbour level or behind to help it forward, and its step forward is covered.
            score += eval::kBackward;
        }
        if (phalanx || supported) score += eval::kConnected[rank];
        if (passed) {
            score += eval::kPassed[rank];
            info.passed[Us] |= SquareBB(s);
        }
    }
    info.attacks[Us] = PawnAttacksBB<Us>(ours);
    return score;
}

}  // namespace

Bitboard FrontSpan(Color c, Square s) { return FileBB(FileOf(s)) & RanksAhead(c, RankOf(s)); }

Bitboard PassedSpan(Color c, Square s) {
    return (FileBB(FileOf(s)) | AdjacentFiles(FileOf(s))) & RanksAhead(c, RankOf(s));
}

PawnInfo EvaluatePawns(const Board& board) {
    PawnInfo info;
    info.key = board.PawnHash();
    info.score = EvaluateSide<White>(board, info) - EvaluateSide<Black>(board, info);
    return info;
}

const PawnInfo& PawnCache::Probe(const Board& board) {
    PawnInfo& entry = entries_[board.PawnHash() & (kSize - 1)];
    // An empty slot has key 0 and an empty structure, which is exactly a pawnless board's entry.
    if (entry.key != board.PawnHash()) entry = EvaluatePawns(board);
    return entry;
}

}  // namespace varnix::engine
