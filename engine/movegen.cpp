#include "engine/movegen.h"

#include <algorithm>

namespace varnix::engine {
namespace {

enum class GenKind { All, Noisy, Quiet };

// What every piece's moves are filtered by.
struct Filter {
    Bitboard checkMask;  // squares that answer a check (all squares when not in check)
    Bitboard targets;    // squares the kind of generation allows, within checkMask
    Bitboard pinned;     // own pieces that may only move along the line to their king
    Square kingSquare;   // NoSquare when legality is checked afterwards
    Bitboard movers;     // the squares whose pieces move (all, or the one piece a single move is checked for)
};

bool StaysOnPinLine(const Filter& f, Square from, Square to) {
    return !(f.pinned & SquareBB(from)) || (Line(f.kingSquare, from) & SquareBB(to));
}

void AddPromotions(MoveList& list, Square from, Square to) {
    for (const PieceType t : {Queen, Knight, Rook, Bishop}) list.Add(Move(from, to, Move::Promotion, t));
}

// Adds the pawn moves in `to` that come from `to - step`.
void AddPawnMoves(MoveList& list, const Filter& f, Bitboard to, int step, bool promote) {
    while (to) {
        const Square t = PopLsb(to);
        const Square from = t - step;
        if (!StaysOnPinLine(f, from, t)) continue;
        if (promote)
            AddPromotions(list, from, t);
        else
            list.Add(Move(from, t));
    }
}

// Whether taking en passant leaves the king safe: the only move that removes two pieces from a line.
bool EnPassantKeepsKingSafe(const Board& b, Square from, Square ep, Square captured, Square ksq) {
    const Color us = b.SideToMove();
    const Bitboard occ = (b.Occupied() ^ SquareBB(from) ^ SquareBB(captured)) | SquareBB(ep);
    return !(b.AttackersBy(~us, ksq, occ) & ~SquareBB(captured));
}

template <Color Us, GenKind K>
void AddPawnMoves(const Board& b, const Filter& f, MoveList& list) {
    constexpr int Up = Us == White ? 8 : -8;
    constexpr int UpWest = Up - 1, UpEast = Up + 1;
    constexpr Bitboard kRank7 = RelativeRankBB(Us, 6), kRank3 = RelativeRankBB(Us, 2);
    const Bitboard pawns = b.Pieces(Us, Pawn) & f.movers;
    const Bitboard empty = ~b.Occupied();
    const Bitboard enemies = b.Pieces(~Us) & f.checkMask;

    if constexpr (K != GenKind::Noisy) {
        const Bitboard push1 = Shift<Up>(pawns & ~kRank7) & empty;
        const Bitboard push2 = Shift<Up>(push1 & kRank3) & empty;
        AddPawnMoves(list, f, push1 & f.checkMask, Up, false);
        AddPawnMoves(list, f, push2 & f.checkMask, 2 * Up, false);
    }
    if constexpr (K != GenKind::Quiet) {
        if (const Bitboard promoters = pawns & kRank7) {
            AddPawnMoves(list, f, Shift<Up>(promoters) & empty & f.checkMask, Up, true);
            AddPawnMoves(list, f, Shift<UpWest>(promoters) & enemies, UpWest, true);
            AddPawnMoves(list, f, Shift<UpEast>(promoters) & enemies, UpEast, true);
        }
        const Bitboard others = pawns & ~kRank7;
        AddPawnMoves(list, f, Shift<UpWest>(others) & enemies, UpWest, false);
        AddPawnMoves(list, f, Shift<UpEast>(others) & enemies, UpEast, false);

        const Square ep = b.EpSquare();
        if (ep != NoSquare) {
            for (Bitboard from = PawnAttacks(~Us, ep) & pawns; from;) {
                const Square s = PopLsb(from);
                if (f.kingSquare == NoSquare || EnPassantKeepsKingSafe(b, s, ep, ep - Up, f.kingSquare))
                    list.Add(Move(s, ep, Move::EnPassant));
            }
        }
    }
}

template <Color Us>
void AddPieceMoves(const Board& b, const Filter& f, MoveList& list) {
    const Bitboard occ = b.Occupied();
    for (Bitboard from = b.Pieces(Us, Knight) & ~f.pinned & f.movers; from;) {
        const Square s = PopLsb(from);
        for (Bitboard to = KnightAttacks(s) & f.targets; to;) list.Add(Move(s, PopLsb(to)));
    }
    for (const PieceType t : {Bishop, Rook, Queen}) {
        for (Bitboard from = b.Pieces(Us, t) & f.movers; from;) {
            const Square s = PopLsb(from);
            Bitboard to = PieceAttacks(t, s, occ) & f.targets;
            if (f.pinned & SquareBB(s)) to &= Line(f.kingSquare, s);
            while (to) list.Add(Move(s, PopLsb(to)));
        }
    }
}

// Castling moves whose squares are free and unattacked; the king must not be in check.
template <Color Us>
void AddCastling(const Board& b, MoveList& list) {
    constexpr Square kKing = RelativeSquare(Us, E1);
    constexpr CastlingRight kKingSide = Us == White ? WhiteKingSide : BlackKingSide;
    constexpr CastlingRight kQueenSide = Us == White ? WhiteQueenSide : BlackQueenSide;
    const uint8_t rights = b.CastlingRights();
    if (!(rights & (kKingSide | kQueenSide)) || b.IsAttacked(kKing, ~Us)) return;
    const Bitboard occ = b.Occupied();
    if ((rights & kKingSide) && !(Between(kKing, kKing + 3) & occ) && !b.IsAttacked(kKing + 1, ~Us) &&
        !b.IsAttacked(kKing + 2, ~Us))
        list.Add(Move(kKing, kKing + 2, Move::Castling));
    if ((rights & kQueenSide) && !(Between(kKing, kKing - 4) & occ) && !b.IsAttacked(kKing - 1, ~Us) &&
        !b.IsAttacked(kKing - 2, ~Us))
        list.Add(Move(kKing, kKing - 2, Move::Castling));
}

template <Color Us, GenKind K>
constexpr Bitboard KindTargets(const Board& b) {
    if constexpr (K == GenKind::Noisy) return b.Pieces(~Us);
    else if constexpr (K == GenKind::Quiet) return ~b.Occupied();
    else return ~b.Occupied() | b.Pieces(~Us);
}

// Own pieces standing alone between the king and an enemy slider.
template <Color Us>
Bitboard PinnedPieces(const Board& b, Square ksq) {
    Bitboard pinned = 0;
    Bitboard snipers = (RookAttacks(ksq, 0) & b.Pieces(~Us, Rook, Queen)) |
                       (BishopAttacks(ksq, 0) & b.Pieces(~Us, Bishop, Queen));
    while (snipers) {
        const Bitboard between = Between(ksq, PopLsb(snipers)) & b.Occupied();
        if (between && !MoreThanOne(between)) pinned |= between & b.Pieces(Us);
    }
    return pinned;
}

// The usual case: exactly one own king, so pins and checks decide legality up front.
template <Color Us, GenKind K>
void GenerateWithOneKing(const Board& b, Square ksq, Bitboard movers, MoveList& list) {
    const Bitboard kindTargets = KindTargets<Us, K>(b);
    const bool kingMoves = movers & SquareBB(ksq);
    if (kingMoves) {
        const Bitboard withoutKing = b.Occupied() ^ SquareBB(ksq);
        for (Bitboard to = KingAttacks(ksq) & kindTargets; to;) {
            const Square s = PopLsb(to);
            if (!b.AttackersBy(~Us, s, withoutKing)) list.Add(Move(ksq, s));
        }
    }
    const Bitboard checkers = b.Checkers();
    if (MoreThanOne(checkers)) return;

    const Bitboard checkMask = checkers ? Between(ksq, Lsb(checkers)) | checkers : ~Bitboard(0);
    const Filter f{checkMask, kindTargets & checkMask, PinnedPieces<Us>(b, ksq), ksq, movers};
    AddPawnMoves<Us, K>(b, f, list);
    AddPieceMoves<Us>(b, f, list);
    if constexpr (K != GenKind::Noisy) {
        if (!checkers && kingMoves) AddCastling<Us>(b, list);
    }
}

// Boards from a setup may have no king or several: try each pseudo-legal move and keep the safe ones.
template <Color Us, GenKind K>
void GenerateByTrial(const Board& b, Bitboard movers, MoveList& list) {
    MoveList pseudo;
    const Bitboard kindTargets = KindTargets<Us, K>(b);
    const Filter f{~Bitboard(0), kindTargets, 0, NoSquare, movers};
    for (Bitboard kings = b.Pieces(Us, King) & movers; kings;) {
        const Square k = PopLsb(kings);
        for (Bitboard to = KingAttacks(k) & kindTargets; to;) pseudo.Add(Move(k, PopLsb(to)));
    }
    AddPawnMoves<Us, K>(b, f, pseudo);
    AddPieceMoves<Us>(b, f, pseudo);
    if constexpr (K != GenKind::Noisy) {
        if (movers & b.Pieces(Us, King)) AddCastling<Us>(b, pseudo);
    }

    Board trial = b;
    for (const Move m : pseudo) {
        trial.MakeMove(m);
        if (!trial.KingsAttacked(Us)) list.Add(m);
        trial.UnmakeMove();
    }
}

template <GenKind K>
void Generate(const Board& b, MoveList& list, Bitboard movers = ~Bitboard(0)) {
    const Color us = b.SideToMove();
    const Bitboard kings = b.Pieces(us, King);
    if (kings && !MoreThanOne(kings)) {
        if (us == White)
            GenerateWithOneKing<White, K>(b, Lsb(kings), movers, list);
        else
            GenerateWithOneKing<Black, K>(b, Lsb(kings), movers, list);
    } else if (us == White) {
        GenerateByTrial<White, K>(b, movers, list);
    } else {
        GenerateByTrial<Black, K>(b, movers, list);
    }
}

}  // namespace

bool MoveList::Contains(Move m) const { return std::find(begin(), end(), m) != end(); }

void GenerateLegal(const Board& board, MoveList& list) { Generate<GenKind::All>(board, list); }
void GenerateNoisy(const Board& board, MoveList& list) { Generate<GenKind::Noisy>(board, list); }
void GenerateQuiet(const Board& board, MoveList& list) { Generate<GenKind::Quiet>(board, list); }

// Only the moves of the piece on the move's first square are generated: the search asks this for every hash move.
bool IsLegalMove(const Board& board, Move m) {
    MoveList list;
    Generate<GenKind::All>(board, list, SquareBB(m.From()));
    return list.Contains(m);
}

}  // namespace varnix::engine
