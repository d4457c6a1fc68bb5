// The engine's position: bitboards, a square-to-piece table and an undo stack.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/bitboard.h"
#include "engine/types.h"

namespace varnix::engine {

// A position as its parts, not checked against the rules. Board::FromSetup accepts any of them.
struct BoardSetup {
    std::array<Piece, kSquareCount> pieces{};
    Bitboard blockers = 0;  // occupied squares that belong to no side and never move
    Color sideToMove = White;
    uint8_t castling = NoCastling;
    Square epSquare = NoSquare;
    int halfmoveClock = 0;
    int fullmoveNumber = 1;
};

class Board {
public:
    // Reads a FEN text; nothing when it is malformed or not a legal chess position
    // (kings missing or extra, pawns on the back ranks, the side not to move in check).
    static std::optional<Board> FromFen(std::string_view fen);
    static Board StartPosition();
    // Takes any setup. Castling rights without king and rook on their home squares, and an
    // en-passant square that no pawn of the side to move can take, are dropped.
    static Board FromSetup(const BoardSetup& setup);

    std::string Fen() const;

    Piece PieceOn(Square s) const { return squares_[s]; }
    // All occupied squares, blockers included.
    Bitboard Occupied() const { return occupied_; }
    Bitboard Pieces(Color c) const { return byColor_[c]; }
    Bitboard Pieces(PieceType t) const { return byType_[t]; }
    Bitboard Pieces(Color c, PieceType t) const { return byColor_[c] & byType_[t]; }
    Bitboard Pieces(Color c, PieceType t1, PieceType t2) const { return byColor_[c] & (byType_[t1] | byType_[t2]); }
    Bitboard Blockers() const { return occupied_ & ~(byColor_[White] | byColor_[Black]); }
    // The king of a colour; NoSquare when it has none (possible only for boards from a setup).
    Square KingSquare(Color c) const {
        const Bitboard k = Pieces(c, King);
        return k ? Lsb(k) : NoSquare;
    }

    Color SideToMove() const { return side_; }
    uint8_t CastlingRights() const { return castling_; }
    Square EpSquare() const { return ep_; }
    int HalfmoveClock() const { return halfmove_; }
    int FullmoveNumber() const { return fullmove_; }
    uint64_t Hash() const { return hash_; }
    // Pawn-only key, for the pawn-structure cache of the evaluation.
    uint64_t PawnHash() const { return pawnHash_; }

    // Pieces giving check to the side to move.
    Bitboard Checkers() const { return checkers_; }
    bool InCheck() const { return checkers_ != 0; }
    // Pieces of colour `by` that attack s, with the given occupancy.
    Bitboard AttackersBy(Color by, Square s, Bitboard occupied) const;
    // Pieces of both colours that attack s.
    Bitboard AttackersTo(Square s, Bitboard occupied) const;
    bool IsAttacked(Square s, Color by) const { return AttackersBy(by, s, occupied_) != 0; }
    // True when any king of colour c stands attacked.
    bool KingsAttacked(Color c) const;

    bool IsCapture(Move m) const {
        return m.KindOf() == Move::EnPassant || (m.KindOf() != Move::Castling && (byColor_[~side_] & SquareBB(m.To())));
    }
    // The piece taken by the last move made (NoPiece for quiet moves and after a null move).
    Piece LastCaptured() const { return undo_.empty() ? NoPiece : undo_.back().captured; }
    // What a move needs to check the enemy king: the squares each piece type checks it from, and our pieces
    // whose leaving their line to it uncovers a check. Worked out once per node for all its moves.
    struct CheckSquares {
        Square king = NoSquare;
        std::array<Bitboard, kPieceTypeCount> from{};
        Bitboard discoverers = 0;
    };
    CheckSquares ChecksOnEnemyKing() const;
    // True when the move gives check; m must be legal here.
    bool GivesCheck(Move m, const CheckSquares& checks) const;
    bool GivesCheck(Move m) const { return GivesCheck(m, ChecksOnEnemyKing()); }

    // m must be legal (or, on boards from a setup, pseudo-legal).
    void MakeMove(Move m);
    void UnmakeMove();
    void MakeNullMove();
    void UnmakeNullMove();

    // Neither side can mate: K v K, K+minor v K, or bishops all on one colour.
    bool IsInsufficientMaterial() const;
    // The number of plies made on this board that can still be undone.
    int MovesMade() const { return int(undo_.size()); }
    // Hash of the position `plies` moves back (1 = before the last move); plies <= MovesMade().
    uint64_t HashBefore(int plies) const { return undo_[undo_.size() - size_t(plies)].hash; }

private:
    struct Undo {
        Move move;
        Piece captured;
        uint8_t castling;
        Square ep;
        int halfmove;
        uint64_t hash;
        uint64_t pawnHash;
        Bitboard checkers;
    };

    Board() = default;
    void Put(Piece p, Square s);
    void Remove(Square s);
    void Relocate(Square from, Square to);
    void UpdateCheckers();
    void SetEpSquareIfCapturable(Square ep, Color capturer);
    uint64_t ComputeHash() const;
    uint64_t ComputePawnHash() const;

    std::array<Piece, kSquareCount> squares_{};
    std::array<Bitboard, kPieceTypeCount> byType_{};
    std::array<Bitboard, 2> byColor_{};
    Bitboard occupied_ = 0;
    Bitboard checkers_ = 0;
    Color side_ = White;
    uint8_t castling_ = NoCastling;
    Square ep_ = NoSquare;
    int halfmove_ = 0;
    int fullmove_ = 1;
    uint64_t hash_ = 0;
    uint64_t pawnHash_ = 0;
    std::vector<Undo> undo_;
};

}  // namespace varnix::engine
