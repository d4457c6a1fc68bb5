// Letter sets and character readers shared by the move notation writers and
// the move text reader. Positions in the sets are 1-based, as the piece and
// square codes are; 0 means "not in the set".
#pragma once

#include "core/Position.h"

#include <cstddef>
#include <string_view>

namespace varnix {

// The draw sign as our UTF-8 texts carry it: U+02DD, "-", U+02DD.
inline constexpr std::string_view DrawSign = "\xCB\x9D-\xCB\x9D";

inline constexpr std::string_view PieceKindLetters = "PNBRQK";
// The second language's letters in the same order: Z knight, L bishop, T rook, D queen.
inline constexpr std::string_view LocalPieceKindLetters = "PZLTDK";
inline constexpr std::string_view AnyPieceLetters = "PNBRQKZLTD";
inline constexpr std::string_view AnnotationMarks = "!?+-,#X";
inline constexpr std::string_view RankDigits = "12345678";

// The character at 0-based index i, or '\0' past the end (no set holds '\0').
constexpr char CharAt(std::string_view text, std::size_t i) { return i < text.size() ? text[i] : '\0'; }

constexpr int PositionIn(std::string_view set, char c) {
    const std::size_t at = set.find(c);
    return at == std::string_view::npos ? 0 : int(at) + 1;
}

constexpr bool IsFileLetter(char c) { return PositionIn(FileLetters, c) != 0; }

// The file of a letter a..h, 0 for any other character.
constexpr int FileOf(char c) { return PositionIn(FileLetters, c); }

// The row of a rank digit 1..8; 9, which is off the board, for any other character.
constexpr int RowOfRank(char c) { return 9 - PositionIn(RankDigits, c); }

constexpr bool IsPawn(std::uint8_t code) { return code == WhitePawn || code == BlackPawn; }

// The result and placeholder texts that stand in the record instead of moves.
// "*" is not among them: the reader takes it for a move text.
bool IsResultOrPlaceholder(std::string_view text);

} // namespace varnix
