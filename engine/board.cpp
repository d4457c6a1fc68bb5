#include "engine/board.h"

#include <algorithm>
#include <cassert>

#include "engine/zobrist.h"

namespace varnix::engine {
namespace {

using zobrist::kKeys;

// Rights that survive a piece leaving or entering each square.
constexpr std::array<uint8_t, kSquareCount> MakeCastlingKeep() {
    std::array<uint8_t, kSquareCount> keep{};
    keep.fill(AllCastling);
    keep[E1] = AllCastling & ~(WhiteKingSide | WhiteQueenSide);
    keep[H1] = AllCastling & ~WhiteKingSide;
    keep[A1] = AllCastling & ~WhiteQueenSide;
    keep[E8] = AllCastling & ~(BlackKingSide | BlackQueenSide);
    keep[H8] = AllCastling & ~BlackKingSide;
    keep[A8] = AllCastling & ~BlackQueenSide;
    return keep;
}
constexpr std::array<uint8_t, kSquareCount> kCastlingKeep = MakeCastlingKeep();

bool IsValidPiece(Piece p) {
    return TypeOf(p) >= Pawn && TypeOf(p) <= King && (p & ~15) == 0;
}

// Where the rook stands before and after castling with the king going from -> to.
struct RookHop {
    Square from, to;
};
RookHop CastlingRook(Square kingFrom, Square kingTo) {
    return kingTo > kingFrom ? RookHop{kingFrom + 3, kingFrom + 1} : RookHop{kingFrom - 4, kingFrom - 1};
}

}  // namespace

Board Board::StartPosition() {
    return *FromFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
}

Board Board::FromSetup(const BoardSetup& setup) {
    Board b;
    for (Square s = A1; s < NoSquare; ++s) {
        if (IsValidPiece(setup.pieces[s])) b.Put(setup.pieces[s], s);
    }
    b.occupied_ |= setup.blockers;
    b.side_ = setup.sideToMove;

    struct Right {
        CastlingRight right;
        Square king, rook;
        Piece kingPiece, rookPiece;
    };
    static constexpr Right kRights[] = {{WhiteKingSide, E1, H1, WhiteKing, WhiteRook},
                                        {WhiteQueenSide, E1, A1, WhiteKing, WhiteRook},
                                        {BlackKingSide, E8, H8, BlackKing, BlackRook},
                                        {BlackQueenSide, E8, A8, BlackKing, BlackRook}};
    for (const Right& r : kRights) {
        if ((setup.castling & r.right) && b.squares_[r.king] == r.kingPiece && b.squares_[r.rook] == r.rookPiece)
            b.castling_ |= r.right;
    }

    const Square ep = setup.epSquare;
    if (ep >= A1 && ep < NoSquare && RankOf(ep) == RelativeRank(b.side_, 5) && !(b.occupied_ & SquareBB(ep)) &&
        b.squares_[ep - PawnPush(b.side_)] == MakePiece(~b.side_, Pawn))
        b.SetEpSquareIfCapturable(ep, b.side_);

    b.halfmove_ = std::clamp(setup.halfmoveClock, 0, 9999);
    b.fullmove_ = std::clamp(setup.fullmoveNumber, 1, 9999);
    b.hash_ = b.ComputeHash();
    b.pawnHash_ = b.ComputePawnHash();
    b.UpdateCheckers();
    return b;
}

void Board::Put(Piece p, Square s) {
    const Bitboard bb = SquareBB(s);
    squares_[s] = p;
    byType_[TypeOf(p)] |= bb;
    byColor_[ColorOf(p)] |= bb;
    occupied_ |= bb;
}

void Board::Remove(Square s) {
    const Bitboard bb = SquareBB(s);
    const Piece p = squares_[s];
    squares_[s] = NoPiece;
    byType_[TypeOf(p)] &= ~bb;
    byColor_[ColorOf(p)] &= ~bb;
    occupied_ &= ~bb;
}

void Board::Relocate(Square from, Square to) {
    const Bitboard bb = SquareBB(from) | SquareBB(to);
    const Piece p = squares_[from];
    squares_[to] = p;
    squares_[from] = NoPiece;
    byType_[TypeOf(p)] ^= bb;
    byColor_[ColorOf(p)] ^= bb;
    occupied_ ^= bb;
}

void Board::UpdateCheckers() {
    const Square k = KingSquare(side_);
    checkers_ = k == NoSquare ? 0 : AttackersBy(~side_, k, occupied_);
}

// Keeps ep only when a pawn of the capturer can take there, so equal positions hash alike.
void Board::SetEpSquareIfCapturable(Square ep, Color capturer) {
    if (PawnAttacks(~capturer, ep) & Pieces(capturer, Pawn)) ep_ = ep;
}

uint64_t Board::ComputeHash() const {
    uint64_t h = 0;
    for (Square s = A1; s < NoSquare; ++s) {
        if (squares_[s] != NoPiece) h ^= kKeys.piece[squares_[s]][s];
    }
    h ^= kKeys.castling[castling_];
    if (ep_ != NoSquare) h ^= kKeys.epFile[FileOf(ep_)];
    if (side_ == Black) h ^= kKeys.blackToMove;
    return h;
}

uint64_t Board::ComputePawnHash() const {
    uint64_t h = 0;
    for (Bitboard b = byType_[Pawn]; b;) {
        const Square s = PopLsb(b);
        h ^= kKeys.piece[squares_[s]][s];
    }
    return h;
}

Bitboard Board::AttackersBy(Color by, Square s, Bitboard occupied) const {
    return ((PawnAttacks(~by, s) & byType_[Pawn]) | (KnightAttacks(s) & byType_[Knight]) |
            (KingAttacks(s) & byType_[King]) | (BishopAttacks(s, occupied) & (byType_[Bishop] | byType_[Queen])) |
            (RookAttacks(s, occupied) & (byType_[Rook] | byType_[Queen]))) &
           byColor_[by];
}

Bitboard Board::AttackersTo(Square s, Bitboard occupied) const {
    return AttackersBy(White, s, occupied) | AttackersBy(Black, s, occupied);
}

bool Board::KingsAttacked(Color c) const {
    for (Bitboard k = Pieces(c, King); k;) {
        if (IsAttacked(PopLsb(k), ~c)) return true;
    }
    return false;
}

Board::CheckSquares Board::ChecksOnEnemyKing() const {
    CheckSquares c;
    c.king = KingSquare(~side_);
    if (c.king == NoSquare) return c;
    const Bitboard diagonal = BishopAttacks(c.king, occupied_), straight = RookAttacks(c.king, occupied_);
    c.from = {0, PawnAttacks(~side_, c.king), KnightAttacks(c.king), diagonal, straight, diagonal | straight, 0};
    const Bitboard snipers = (BishopAttacks(c.king, 0) & Pieces(side_, Bishop, Queen)) |
                             (RookAttacks(c.king, 0) & Pieces(side_, Rook, Queen));
    for (Bitboard s = snipers; s;) {
        const Bitboard between = Between(c.king, PopLsb(s)) & occupied_;
        if (PopCount(between) == 1) c.discoverers |= between & byColor_[side_];
    }
    return c;
}

bool Board::GivesCheck(Move m, const CheckSquares& checks) const {
    const Color us = side_;
    const Square ksq = checks.king;
    if (ksq == NoSquare) return false;
    const Square from = m.From(), to = m.To();
    if (m.KindOf() == Move::Normal) {
        // The moving piece cannot have stood between `to` and the king: the king would have been in check.
        if (checks.from[TypeOf(squares_[from])] & SquareBB(to)) return true;
        return (checks.discoverers & SquareBB(from)) && !(Line(ksq, from) & SquareBB(to));
    }
    // Promotions, en passant and castling change more than one line: worked out in full.
    Bitboard occ = (occupied_ ^ SquareBB(from)) | SquareBB(to);
    Bitboard movedAway = SquareBB(from);
    PieceType type = TypeOf(squares_[from]);
    Square checkerSq = to;
    switch (m.KindOf()) {
        case Move::Promotion: type = m.PromotionType(); break;
        case Move::EnPassant: occ ^= SquareBB(to - PawnPush(us)); break;
        case Move::Castling: {
            const RookHop rook = CastlingRook(from, to);
            occ ^= SquareBB(rook.from) | SquareBB(rook.to);
            movedAway |= SquareBB(rook.from);
            type = Rook;
            checkerSq = rook.to;
            break;
        }
        case Move::Normal: break;
    }
    const Bitboard king = SquareBB(ksq);
    const Bitboard direct = type == Pawn ? PawnAttacks(us, checkerSq) : PieceAttacks(type, checkerSq, occ);
    if (direct & king) return true;
    // Otherwise only a piece leaving a line through the king can uncover a check (or the en-passant pawn or the
    // castling rook, which go the long way).
    if (m.KindOf() == Move::Promotion && !Line(ksq, from)) return false;
    const Bitboard sliders = (BishopAttacks(ksq, occ) & Pieces(us, Bishop, Queen)) |
                             (RookAttacks(ksq, occ) & Pieces(us, Rook, Queen));
    return (sliders & ~movedAway) != 0;
}

void Board::MakeMove(Move m) {
    undo_.push_back({m, NoPiece, castling_, ep_, halfmove_, hash_, pawnHash_, checkers_});
    const Color us = side_;
    const Square from = m.From(), to = m.To();
    const Piece moving = squares_[from];
    assert(moving != NoPiece && ColorOf(moving) == us);

    ++halfmove_;
    if (ep_ != NoSquare) {
        hash_ ^= kKeys.epFile[FileOf(ep_)];
        ep_ = NoSquare;
    }

    if (m.KindOf() == Move::Castling) {
        const RookHop rook = CastlingRook(from, to);
        const Piece rookPiece = squares_[rook.from];
        Relocate(from, to);
        Relocate(rook.from, rook.to);
        hash_ ^= kKeys.piece[moving][from] ^ kKeys.piece[moving][to] ^ kKeys.piece[rookPiece][rook.from] ^
                 kKeys.piece[rookPiece][rook.to];
    } else {
        const Square capSq = m.KindOf() == Move::EnPassant ? to - PawnPush(us) : to;
        const Piece captured = squares_[capSq];
        if (captured != NoPiece) {
            Remove(capSq);
            hash_ ^= kKeys.piece[captured][capSq];
            if (TypeOf(captured) == Pawn) pawnHash_ ^= kKeys.piece[captured][capSq];
            undo_.back().captured = captured;
            halfmove_ = 0;
        }
        Relocate(from, to);
        hash_ ^= kKeys.piece[moving][from] ^ kKeys.piece[moving][to];
        if (TypeOf(moving) == Pawn) {
            halfmove_ = 0;
            pawnHash_ ^= kKeys.piece[moving][from];
            if (m.KindOf() == Move::Promotion) {
                const Piece promoted = MakePiece(us, m.PromotionType());
                Remove(to);
                Put(promoted, to);
                hash_ ^= kKeys.piece[moving][to] ^ kKeys.piece[promoted][to];
            } else {
                pawnHash_ ^= kKeys.piece[moving][to];
                if ((int(from) ^ int(to)) == 16) {
                    SetEpSquareIfCapturable(from + PawnPush(us), ~us);
                    if (ep_ != NoSquare) hash_ ^= kKeys.epFile[FileOf(ep_)];
                }
            }
        }
    }

    const uint8_t rights = castling_ & kCastlingKeep[from] & kCastlingKeep[to];
    if (rights != castling_) {
        hash_ ^= kKeys.castling[castling_] ^ kKeys.castling[rights];
        castling_ = rights;
    }
    if (us == Black) ++fullmove_;
    side_ = ~us;
    hash_ ^= kKeys.blackToMove;
    UpdateCheckers();
}

void Board::UnmakeMove() {
    const Undo u = undo_.back();
    undo_.pop_back();
    side_ = ~side_;
    const Color us = side_;
    if (us == Black) --fullmove_;
    const Move m = u.move;
    const Square from = m.From(), to = m.To();

    if (m.KindOf() == Move::Castling) {
        const RookHop rook = CastlingRook(from, to);
        Relocate(to, from);
        Relocate(rook.to, rook.from);
    } else {
        if (m.KindOf() == Move::Promotion) {
            Remove(to);
            Put(MakePiece(us, Pawn), to);
        }
        Relocate(to, from);
        if (u.captured != NoPiece) Put(u.captured, m.KindOf() == Move::EnPassant ? to - PawnPush(us) : to);
    }
    castling_ = u.castling;
    ep_ = u.ep;
    halfmove_ = u.halfmove;
    hash_ = u.hash;
    pawnHash_ = u.pawnHash;
    checkers_ = u.checkers;
}

void Board::MakeNullMove() {
    undo_.push_back({Move::none(), NoPiece, castling_, ep_, halfmove_, hash_, pawnHash_, checkers_});
    if (ep_ != NoSquare) {
        hash_ ^= kKeys.epFile[FileOf(ep_)];
        ep_ = NoSquare;
    }
    ++halfmove_;
    if (side_ == Black) ++fullmove_;
    side_ = ~side_;
    hash_ ^= kKeys.blackToMove;
    UpdateCheckers();
}

void Board::UnmakeNullMove() {
    const Undo u = undo_.back();
    undo_.pop_back();
    side_ = ~side_;
    if (side_ == Black) --fullmove_;
    ep_ = u.ep;
    halfmove_ = u.halfmove;
    hash_ = u.hash;
    checkers_ = u.checkers;
}

bool Board::IsInsufficientMaterial() const {
    if (byType_[Pawn] | byType_[Rook] | byType_[Queen]) return false;
    const Bitboard minors = byType_[Knight] | byType_[Bishop];
    if (PopCount(minors) <= 1) return true;
    if (byType_[Knight]) return false;
    constexpr Bitboard kDarkSquares = 0xAA55AA55AA55AA55ULL;
    const Bitboard bishops = byType_[Bishop];
    return (bishops & kDarkSquares) == 0 || (bishops & ~kDarkSquares) == 0;
}

}  // namespace varnix::engine
