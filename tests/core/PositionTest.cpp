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

} // namespace
} // namespace varnix
