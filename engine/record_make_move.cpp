#include "engine/record_make_move.h"

#include <cstdlib>

namespace varnix::engine {
namespace {

constexpr uint8_t kPawn = 1, kRook = 4, kKing = 6, kBlackOffset = 6;
constexpr uint8_t kKingSide = 1, kQueenSide = 2;

uint8_t& At(VarnixPosition& p, int file, int row) { return p.Board[file + 9 * row]; }
bool IsPiece(uint8_t code) { return code >= 1 && code <= 12; }
bool IsBlocker(uint8_t code) { return code > 12; }
bool IsWhiteCode(uint8_t code) { return code >= 1 && code <= 6; }
uint8_t KindOf(uint8_t code) { return IsWhiteCode(code) ? code : uint8_t(code - kBlackOffset); }

// The king steps two squares towards the rook, which jumps over it. The king's row tells the colour.
void ApplyCastling(VarnixPosition& p, const VarnixMove& m) {
    int row = m.FromRow;
    if (row != 8 && row != 1) row = p.BlackToMove != 0 ? 1 : 8;
    const bool white = row == 8;
    const uint8_t king = white ? kKing : kKing + kBlackOffset;
    const uint8_t rook = white ? kRook : kRook + kBlackOffset;
    const bool kingSide = m.Castle == 1;
    const int kingTo = kingSide ? 7 : 3, rookFrom = kingSide ? 8 : 1, rookTo = kingSide ? 6 : 4;
    if (At(p, 5, row) != king || IsBlocker(At(p, kingTo, row)) || IsBlocker(At(p, rookTo, row))) return;

    At(p, 5, row) = 0;
    At(p, kingTo, row) = king;
    if (At(p, rookFrom, row) == rook) {
        At(p, rookFrom, row) = 0;
        At(p, rookTo, row) = rook;
    }
    (white ? p.WhiteCastle : p.BlackCastle) = 0;
    p.EpFile = 0;
}

// A move from or to a corner ends the castling right of that corner's rook.
void DropCornerRight(VarnixPosition& p, int file, int row) {
    const uint8_t right = file == 8 ? kKingSide : file == 1 ? kQueenSide : 0;
    if (row == 8) p.WhiteCastle &= uint8_t(~right);
    if (row == 1) p.BlackCastle &= uint8_t(~right);
}

}  // namespace

void ApplyMoveToRecord(VarnixPosition& p, const VarnixMove& m) {
    if (m.Castle == 1 || m.Castle == 2) {
        ApplyCastling(p, m);
        return;
    }
    const int ff = m.FromFile, fr = m.FromRow, tf = m.ToFile, tr = m.ToRow;
    const auto onBoard = [](int f, int r) { return f >= 1 && f <= 8 && r >= 1 && r <= 8; };
    if (!onBoard(ff, fr) || !onBoard(tf, tr) || (ff == tf && fr == tr)) return;
    const uint8_t piece = At(p, ff, fr);
    if (!IsPiece(piece) || IsBlocker(At(p, tf, tr))) return;
    const bool white = IsWhiteCode(piece);
    const uint8_t kind = KindOf(piece);

    if (kind == kPawn && ff != tf && At(p, tf, tr) == 0) {
        uint8_t& passed = At(p, tf, fr);
        if (passed == (white ? kPawn + kBlackOffset : kPawn)) passed = 0;
    }
    uint8_t placed = piece;
    if (kind == kPawn && m.Promote != 0) {
        // Accept the promotion piece in either colour's code; it takes the pawn's colour.
        const uint8_t promoted = m.Promote > kBlackOffset ? uint8_t(m.Promote - kBlackOffset) : m.Promote;
        if (promoted >= 2 && promoted <= 5) placed = white ? promoted : uint8_t(promoted + kBlackOffset);
    }
    At(p, tf, tr) = placed;
    At(p, ff, fr) = 0;

    if (kind == kKing) (white ? p.WhiteCastle : p.BlackCastle) = 0;
    DropCornerRight(p, ff, fr);
    DropCornerRight(p, tf, tr);
    p.EpFile = kind == kPawn && ff == tf && std::abs(tr - fr) == 2 ? uint8_t(ff) : 0;
}

}  // namespace varnix::engine
