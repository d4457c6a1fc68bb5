#include "core/Position.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

// The control's click handling and the notation writer lean on these; nothing above them would notice a shifted edge.
TEST(Position, PredicatesAtTheirBoundaries) {
    EXPECT_TRUE(IsWhitePiece(1) && IsWhitePiece(6) && !IsWhitePiece(0) && !IsWhitePiece(7) && !IsWhitePiece(13));
    EXPECT_TRUE(IsBlackPiece(7) && IsBlackPiece(12) && !IsBlackPiece(6) && !IsBlackPiece(13));
    EXPECT_TRUE(IsOffBoard(0, 4) && IsOffBoard(9, 4) && IsOffBoard(4, -1) && !IsOffBoard(1, 8));
    EXPECT_TRUE(IsEven(-4) && !IsEven(-3) && ColourByte(-1) == 1 && ColourByte(0) == 0);
}

} // namespace
} // namespace varnix
