// Conversions between the shared records and the engine's own board and moves.
#pragma once

#include "engine/api/varnix_engine.h"
#include "engine/board.h"
#include "engine/types.h"

namespace varnix::engine {

// Record squares are (file 1..8 = a..h, row 1..8 = rank 8..1), stored at Board[file + 9 * row].
constexpr int RecordFile(Square s) { return FileOf(s) + 1; }
constexpr int RecordRow(Square s) { return 8 - RankOf(s); }
constexpr int RecordIndex(Square s) { return RecordFile(s) + 9 * RecordRow(s); }
constexpr bool IsRecordSquare(int file, int row) { return file >= 1 && file <= 8 && row >= 1 && row <= 8; }
constexpr Square SquareFromRecord(int file, int row) {
    return IsRecordSquare(file, row) ? MakeSquare(file - 1, 8 - row) : NoSquare;
}

// Piece codes 1..6 are White P N B R Q K, 7..12 Black; 0 and anything else is no piece.
constexpr Piece PieceFromCode(uint8_t code) {
    if (code >= 1 && code <= 6) return MakePiece(White, PieceType(code));
    if (code >= 7 && code <= 12) return MakePiece(Black, PieceType(code - 6));
    return NoPiece;
}
constexpr uint8_t CodeOfPiece(Piece p) { return uint8_t(TypeOf(p) + (ColorOf(p) == Black ? 6 : 0)); }

// The record's position with `side` to move. Codes 13 and above become blockers: occupied squares
// that no side moves or captures. En passant counts only when `side` is the record's side to move.
Board BoardFromRecord(const VarnixPosition& record, Color side);

// The record of a board, as the program keeps it (blockers are written as code 13).
VarnixPosition RecordFromBoard(const Board& board);

// A move of `mover` as the program's list entry.
VarnixMove MoveToRecord(Move m, Color mover);

}  // namespace varnix::engine
