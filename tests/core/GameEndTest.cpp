#include "core/Fen.h"
#include "core/GameEnd.h"
#include "core/GameState.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

TEST(GameEnd, ResultTextsAndTheirCodes) {
    struct Case {
        const char* text;
        bool result;
        std::uint8_t code;
    };
    const Case cases[] = {
        {"1-0", true, 250}, {"1/2", true, 251}, {"\xCB\x9D-\xCB\x9D", true, 251}, {"-", true, 252},
        {"*", true, 253},   {"1-0 ", false, 0}, {"1/2-1", false, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsResultText(c.text), c.result) << c.text;
        Move expected{};
        expected.Promote = c.code;
        EXPECT_TRUE(SameMoveBytes(ResultToMove(c.text), expected)) << c.text;
    }
}

TEST(GameEnd, TextToMoveReadsStarAsAMoveText) {
    Position start{};
    FenToPosition(StandardStartFen, start);
    EXPECT_EQ(TextToMove(start, "0-1").Promote, 251);
    EXPECT_EQ(TextToMove(start, "*").Promote, 0);
    const Move push = TextToMove(start, "e2-e4");
    EXPECT_EQ(push.FromFile, 5);
    EXPECT_EQ(push.ToRow, 5);
}

TEST(GameEnd, MoveEqualsComparesCastlingByItsKind) {
    const Move castleShortA{5, 8, 7, 8, 1, 0, 0, 0};
    const Move castleShortB{5, 8, 0, 0, 1, 0, 0, 0};
    const Move castleLong{5, 8, 3, 8, 2, 0, 0, 0};
    const Move kingStep{5, 8, 7, 8, 0, 0, 0, 0};
    const Move promoteQueen{1, 2, 1, 1, 0, 5, 0, 0};
    const Move promoteKnight{1, 2, 1, 1, 0, 2, 0, 0};
    const Move enPassant{5, 4, 4, 3, 0, 0, 4, 4};
    const Move plainCapture{5, 4, 4, 3, 0, 0, 0, 0};
    EXPECT_TRUE(MoveEquals(castleShortA, castleShortB));
    EXPECT_FALSE(MoveEquals(castleShortA, castleLong));
    EXPECT_FALSE(MoveEquals(kingStep, castleShortA));
    EXPECT_FALSE(MoveEquals(promoteQueen, promoteKnight));
    EXPECT_FALSE(MoveEquals(enPassant, plainCapture));
    EXPECT_FALSE(MoveEquals(kingStep, ResultToMove("1-0")));
}

} // namespace
} // namespace varnix
