// The draws the engine claims; mate and stalemate are checked through the protocol.
#include <gtest/gtest.h>

#include "engine/game_end.h"
#include "engine/game_line.h"
#include "engine/san.h"

namespace varnix::engine {
namespace {

// Plays SAN moves on a line from the FEN and asks what draw may be claimed.
DrawClaim ClaimAfter(const char* fen, std::initializer_list<const char*> moves) {
    GameLine line = *GameLine::FromFen(fen);
    for (const char* text : moves) {
        const std::optional<Move> move = ReadMove(line.Current(), text);
        EXPECT_TRUE(move.has_value()) << text;
        if (move) line.Play(*move);
    }
    return ClaimableDraw(line.Current(), line.Earlier());
}

TEST(GameEnd, ClaimableDraws) {
    const char* knights = "4k3/8/8/8/8/8/8/1N2K1n1 w - - 0 1";
    EXPECT_EQ(ClaimAfter(knights, {"Nc3", "Nh3", "Nb1", "Ng1"}), DrawClaim::None);  // twice
    EXPECT_EQ(ClaimAfter(knights, {"Nc3", "Nh3", "Nb1", "Ng1", "Nc3", "Nh3", "Nb1", "Ng1"}), DrawClaim::Repetition);
    EXPECT_EQ(ClaimAfter("4k3/8/8/8/8/8/8/R3K3 w - - 99 70", {"Ra2"}), DrawClaim::FiftyMoves);
    EXPECT_EQ(ClaimAfter("4k3/8/8/8/8/8/8/R3K3 w - - 98 70", {"Ra2"}), DrawClaim::None);
    EXPECT_EQ(ClaimAfter("4k3/8/8/8/8/8/8/R3K3 w - - 99 70", {"Ra2", "Kd7"}), DrawClaim::FiftyMoves);
    EXPECT_EQ(ClaimAfter("4k3/8/8/8/8/8/3r4/4K1N1 w - - 0 1", {"Kxd2"}), DrawClaim::InsufficientMaterial);
}

TEST(GameLine, CountsHalfMovesAndSetsTheSideToMove) {
    GameLine line = *GameLine::FromFen("rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2");
    EXPECT_EQ(line.PliesPlayed(), 3);
    EXPECT_EQ(line.MoveNumber(), 2);
    line.Play(*ReadMove(line.Current(), "Nc6"));
    EXPECT_EQ(line.MoveNumber(), 3);
    EXPECT_EQ(line.WithCurrent().size(), 2u);

    const Board board = *Board::FromFen("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
    const std::optional<Board> black = WithSideToMove(board, Black);
    ASSERT_TRUE(black.has_value());
    EXPECT_EQ(black->SideToMove(), Black);
    EXPECT_EQ(black->EpSquare(), NoSquare);
    EXPECT_FALSE(WithSideToMove(*Board::FromFen("4k3/8/8/8/8/8/4r3/4K3 w - - 0 1"), Black).has_value());
}

}  // namespace
}  // namespace varnix::engine
