#include "engine/pawn_structure.h"

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
Score EvaluateSide(const Board& b, const EvalParams& p, PawnInfo& info, EvalTrace* trace) {
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

        if (doubled) score += Counted(trace, p, p.doubled, 1, Us);
        if (!neighbours) {
            score += Counted(trace, p, p.isolated, 1, Us);
        } else if (!phalanx && !supported && !(neighbours & ~RanksAhead(Us, RankOf(s))) &&
                   (PawnAttacks(Us, s + PawnPush(Us)) & theirs)) {
            // No neighbour level or behind to help it forward, and its step forward is covered.
            score += Counted(trace, p, p.backward, 1, Us);
        }
        if (phalanx || supported) score += Counted(trace, p, p.connected[rank], 1, Us);
        if (passed) {
            score += Counted(trace, p, p.passed[rank], 1, Us);
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

PawnInfo EvaluatePawns(const Board& board, const EvalParams& params, EvalTrace* trace) {
    PawnInfo info;
    info.key = board.PawnHash();
    info.score = EvaluateSide<White>(board, params, info, trace) - EvaluateSide<Black>(board, params, info, trace);
    return info;
}

const PawnInfo& PawnCache::Probe(const Board& board, const EvalParams& params) {
    PawnInfo& entry = entries_[board.PawnHash() & (kSize - 1)];
    // An empty slot has key 0 and an empty structure, which is exactly a pawnless board's entry.
    if (entry.key != board.PawnHash()) entry = EvaluatePawns(board, params);
    return entry;
}

}  // namespace varnix::engine
