// The position and move records shared with the engine library, the piece and
// square codes, and the small predicates the game core uses on them.
#pragma once

#include "engine/api/varnix_engine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnix {

using Position = VarnixPosition;
using Move = VarnixMove;
using MoveList = VarnixMoveList;

// Piece codes: 1..6 White pawn to king, 7..12 Black, 13..16 FEN letters only.
enum PieceCode : std::uint8_t {
    Empty = 0,
    WhitePawn = 1, WhiteKnight, WhiteBishop, WhiteRook, WhiteQueen, WhiteKing,
    BlackPawn = 7, BlackKnight, BlackBishop, BlackRook, BlackQueen, BlackKing,
};

// The letter of code c is PieceLetters[c - 1].
inline constexpr std::string_view PieceLetters = "PNBRQKpnbrqkVvDd";
// Promotion pieces print in capitals whatever their colour.
inline constexpr std::string_view PromotionLetters = "PNBRQKPNBRQK";
inline constexpr std::string_view FileLetters = "abcdefgh";

// Result and placeholder texts are carried as moves with these Promote codes.
inline constexpr std::uint8_t FirstResultCode = 250;
inline constexpr std::uint8_t LastResultCode = 253;

// A 16-bit flag as the records keep it: 0 false, -1 true.
inline constexpr std::int16_t FlagTrue = -1;
inline constexpr std::int16_t FlagFalse = 0;

constexpr bool IsWhitePiece(std::uint8_t code) { return code > 0 && code < 7; }
constexpr bool IsBlackPiece(std::uint8_t code) { return code > 6 && code < 13; }
constexpr bool IsOffBoard(int file, int row) { return file < 1 || file > 8 || row < 1 || row > 8; }
constexpr bool IsEven(std::int16_t n) { return n % 2 == 0; }
// The side byte of the legal-move call: 1 for Black, 0 for White.
constexpr std::uint8_t ColourByte(std::int16_t blackFlag) { return blackFlag != 0 ? 1 : 0; }

constexpr int BoardIndex(int file, int row) { return file + 9 * row; }

inline std::uint8_t PieceAt(const Position& p, int file, int row) {
    return IsOffBoard(file, row) ? 0 : p.Board[BoardIndex(file, row)];
}

inline void SetPiece(Position& p, int file, int row, std::uint8_t code) {
    if (!IsOffBoard(file, row)) p.Board[BoardIndex(file, row)] = code;
}

// "e1" for file 5, row 8; "" off the board.
std::string SquareText(int file, int row);

// Two moves are the same move when all eight bytes agree.
bool SameMoveBytes(const Move& a, const Move& b);

} // namespace varnix
