#include "core/Position.h"
#include "core/RecordCalls.h"

#include <gtest/gtest.h>

#include <cstring>

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

TEST(Position, Predicates) {
    for (int code = 0; code <= 255; ++code) {
        const bool white = code >= 1 && code <= 6, black = code >= 7 && code <= 12;
        EXPECT_EQ(IsWhitePiece(std::uint8_t(code)), white) << code;
        EXPECT_EQ(IsBlackPiece(std::uint8_t(code)), black) << code;
    }
    EXPECT_TRUE(IsOffBoard(0, 4) && IsOffBoard(9, 4) && IsOffBoard(4, -1) && !IsOffBoard(1, 8));
    EXPECT_TRUE(IsEven(0) && IsEven(-4) && !IsEven(-3));
    EXPECT_TRUE(ColourByte(-1) == 1 && ColourByte(0) == 0 && ColourByte(5) == 1);
}

TEST(Position, UnboundRecordCallsAnswerAsIfNoMoveExists) {
    RecordCalls calls;
    Position p{};
    p.Board[BoardIndex(5, 8)] = WhiteKing;
    const Position before = p;
    EXPECT_EQ(calls.GetLegalMoves(p, 0).Count, 0);
    EXPECT_FALSE(calls.IsKingAttacked(p, 0));
    Move m{5, 8, 5, 7, 0, 0, 0, 0};
    calls.MakeMove(p, m);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

} // namespace
} // namespace varnix
