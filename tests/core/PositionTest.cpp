#include "core/Position.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

TEST(Position, SquaresMapToBoardBytes) {
    EXPECT_EQ(BoardIndex(1, 1), 10);
    EXPECT_EQ(BoardIndex(8, 8), 80);
    EXPECT_EQ(SquareText(5, 8), "e1");
    EXPECT_EQ(SquareText(8, 1), "h8");
    EXPECT_EQ(SquareText(0, 3), "");
    // Bytes 0..9 and every multiple of 9 are never squares.
    for (int file = 1; file <= 8; ++file)
        for (int row = 1; row <= 8; ++row) {
            const int i = BoardIndex(file, row);
            EXPECT_GT(i, 9);
            EXPECT_NE(i % 9, 0);
        }
}

// The control's click handling and the notation writer lean on these; nothing above them would notice a shifted edge.
TEST(Position, PredicatesAtTheirBoundaries) {
    EXPECT_TRUE(IsWhitePiece(1) && IsWhitePiece(6) && !IsWhitePiece(0) && !IsWhitePiece(7) && !IsWhitePiece(13));
    EXPECT_TRUE(IsBlackPiece(7) && IsBlackPiece(12) && !IsBlackPiece(6) && !IsBlackPiece(13));
    EXPECT_TRUE(IsOffBoard(0, 4) && IsOffBoard(9, 4) && IsOffBoard(4, -1) && !IsOffBoard(1, 8));
    EXPECT_TRUE(IsEven(-4) && !IsEven(-3) && ColourByte(-1) == 1 && ColourByte(0) == 0);
}

} // namespace
} // namespace varnix
