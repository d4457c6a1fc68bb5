// Small value types of the engine: colours, pieces, squares and moves.
#pragma once

#include <cstdint>

namespace varnix::engine {

enum Color : uint8_t { White = 0, Black = 1 };
constexpr Color operator~(Color c) { return Color(c ^ 1); }

enum PieceType : uint8_t { NoPieceType = 0, Pawn = 1, Knight, Bishop, Rook, Queen, King };
constexpr int kPieceTypeCount = 7;

// A piece keeps its colour in bit 3 and its type in bits 0..2.
enum Piece : uint8_t {
    NoPiece = 0,
    WhitePawn = 1, WhiteKnight, WhiteBishop, WhiteRook, WhiteQueen, WhiteKing,
    BlackPawn = 9, BlackKnight, BlackBishop, BlackRook, BlackQueen, BlackKing
};
constexpr int kPieceCount = 16;

constexpr Piece MakePiece(Color c, PieceType t) { return Piece((c << 3) | t); }
constexpr PieceType TypeOf(Piece p) { return PieceType(p & 7); }
constexpr Color ColorOf(Piece p) { return Color(p >> 3); }

enum Square : int8_t {
    A1, B1, C1, D1, E1, F1, G1, H1,
    A2, B2, C2, D2, E2, F2, G2, H2,
    A3, B3, C3, D3, E3, F3, G3, H3,
    A4, B4, C4, D4, E4, F4, G4, H4,
    A5, B5, C5, D5, E5, F5, G5, H5,
    A6, B6, C6, D6, E6, F6, G6, H6,
    A7, B7, C7, D7, E7, F7, G7, H7,
    A8, B8, C8, D8, E8, F8, G8, H8,
    NoSquare
};
constexpr int kSquareCount = 64;

constexpr Square MakeSquare(int file, int rank) { return Square(rank * 8 + file); }
constexpr int FileOf(Square s) { return s & 7; }
constexpr int RankOf(Square s) { return s >> 3; }
constexpr Square operator+(Square s, int d) { return Square(int(s) + d); }
constexpr Square operator-(Square s, int d) { return Square(int(s) - d); }
constexpr Square& operator++(Square& s) { return s = Square(int(s) + 1); }
// Mirrors a square vertically for Black, so tables can be written from White's side.
constexpr Square RelativeSquare(Color c, Square s) { return Square(s ^ (c * 56)); }
constexpr int RelativeRank(Color c, int rank) { return c == White ? rank : 7 - rank; }
constexpr int PawnPush(Color c) { return c == White ? 8 : -8; }

// Castling rights as a four-bit set.
enum CastlingRight : uint8_t {
    NoCastling = 0,
    WhiteKingSide = 1,
    WhiteQueenSide = 2,
    BlackKingSide = 4,
    BlackQueenSide = 8,
    AllCastling = 15
};

// Bits 0-5 from square, 6-11 to square, 12-13 promotion piece (0 knight .. 3 queen),
// 14-15 kind (0 normal, 1 promotion, 2 en passant, 3 castling, stored as king from -> king to).
class Move {
public:
    enum Kind : uint16_t { Normal = 0, Promotion = 1 << 14, EnPassant = 2 << 14, Castling = 3 << 14 };

    constexpr Move() = default;
    constexpr explicit Move(uint16_t raw) : raw_(raw) {}
    constexpr Move(Square from, Square to, Kind kind = Normal, PieceType promotion = Knight)
        : raw_(uint16_t(from | (to << 6) | ((promotion - Knight) << 12) | kind)) {}

    static constexpr Move none() { return Move(); }

    constexpr Square From() const { return Square(raw_ & 63); }
    constexpr Square To() const { return Square((raw_ >> 6) & 63); }
    constexpr Kind KindOf() const { return Kind(raw_ & (3 << 14)); }
    constexpr PieceType PromotionType() const { return PieceType(((raw_ >> 12) & 3) + Knight); }
    constexpr uint16_t Raw() const { return raw_; }

    constexpr bool operator==(const Move&) const = default;
    constexpr explicit operator bool() const { return raw_ != 0; }

private:
    uint16_t raw_ = 0;
};

}  // namespace varnix::engine
