#include "engine/see.h"

#include <array>

namespace varnix::engine {

int SeeValue(PieceType t) {
    static constexpr std::array<int, kPieceTypeCount> kValues = {0, 100, 320, 330, 500, 950, 20000};
    return kValues[t];
}

bool SeeAtLeast(const Board& b, Move m, int threshold) {
    if (m.KindOf() != Move::Normal) return threshold <= 0;  // castling, en passant, promotions: assume even
    const Square from = m.From(), to = m.To();
    int swap = SeeValue(TypeOf(b.PieceOn(to))) - threshold;
    if (swap < 0) return false;
    swap = SeeValue(TypeOf(b.PieceOn(from))) - swap;
    if (swap <= 0) return true;

    Bitboard occ = b.Occupied() ^ SquareBB(from) ^ SquareBB(to);
    Color side = b.SideToMove();
    Bitboard attackers = b.AttackersTo(to, occ) & occ;
    const Bitboard diagonal = b.Pieces(Bishop) | b.Pieces(Queen);
    const Bitboard straight = b.Pieces(Rook) | b.Pieces(Queen);
    bool result = true;
    // Sides take turns recapturing with their cheapest piece; x-rays open as pieces leave.
    for (;;) {
        side = ~side;
        attackers &= occ;
        const Bitboard mine = attackers & b.Pieces(side);
        if (!mine) break;
        result = !result;
        PieceType type = Pawn;
        while (!(mine & b.Pieces(type))) type = PieceType(type + 1);
        if (type == King) {
            // The king may take only when the other side has nothing left to take back with.
            if (attackers & b.Pieces(~side)) result = !result;
            break;
        }
        swap = SeeValue(type) - swap;
        if (swap < int(result)) break;
        occ ^= SquareBB(Lsb(mine & b.Pieces(type)));
        if (type == Pawn || type == Bishop || type == Queen) attackers |= BishopAttacks(to, occ) & diagonal;
        if (type == Rook || type == Queen) attackers |= RookAttacks(to, occ) & straight;
    }
    return result;
}

}  // namespace varnix::engine
