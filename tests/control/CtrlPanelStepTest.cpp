// Stepping through the record and what the engine is told afterwards.
#include "tests/control/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace varnix::test {
namespace {

using Lines = std::vector<std::string>;

// 1. e4 e5 2. Nf3 Nc6, the engine's moves given as its texts.
void PlayOpening(RulesBoard& t) {
    t.Drag(5, 7, 5, 5);
    t.EngineSays("move (1): e5 \n");
    t.Drag(7, 8, 6, 6);
    t.EngineSays("move (2): Nc6 \n");
    ASSERT_EQ(t.board->Record().State().MaxPly, 4);
}

TEST(Stepping, BackForwardStartAndEndReplayTheRecord) {
    RulesBoard t;
    PlayOpening(t);
    const GameState& game = t.board->Record().State();
    const struct {
        const char* menu;
        int ply;
    } steps[] = {{"Back up one move", 3}, {"Forward one move", 4}, {"Back to start", 0},
                 {"Back up one move", 0}, {"Forward to end", 4},   {"Forward one move", 4}};
    for (const auto& step : steps) {
        t.Menu(step.menu);
        EXPECT_EQ(game.PlyCount, step.ply) << step.menu;
        EXPECT_EQ(game.MaxPly, 4);
        EXPECT_EQ(game.CurrentPosition.BlackToMove != 0, step.ply % 2 == 1) << step.menu;
        EXPECT_TRUE(t.platform.MenuChecked(step.menu));
    }
    t.Menu("Back up one move");
    EXPECT_EQ(PieceAt(t.Shown(), 3, 3), 0) << "Nc6 taken back";
    EXPECT_EQ(PieceAt(t.Shown(), 6, 6), WhiteKnight);
    EXPECT_EQ(t.board->Selection().mfx, 0);
    EXPECT_EQ(t.board->View().LastMoveFile, 0);
}

TEST(Stepping, TheNextMoveIsPrecededByTheShownPosition) {
    RulesBoard t;
    PlayOpening(t);
    t.Menu("Back up one move");
    t.Menu("Back up one move");
    EXPECT_TRUE(t.board->Link().Flags().ResendPosition);
    const auto mark = t.Mark();
    t.Drag(4, 7, 4, 5);
    const Lines sent = t.SentSince(mark);
    ASSERT_EQ(sent.size(), 6u);
    EXPECT_EQ(sent[0], "whitetime 10000");
    EXPECT_EQ(sent[1], "blacktime 10000");
    EXPECT_EQ(sent[2].rfind("setboard rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq", 0), 0u) << sent[2];
    EXPECT_EQ(sent[3], "white");
    EXPECT_EQ(sent[4], "movenumber 2");
    EXPECT_EQ(sent[5], "d4");
    // The record is cut at the new move.
    EXPECT_EQ(t.Recorded(3), "d4");
    EXPECT_EQ(t.board->Record().State().MaxPly, 3);
}

TEST(Stepping, ClearsTheEndOfTheGame) {
    RulesBoard t;
    PlayOpening(t);
    t.board->Output().Interpret("1-0 {White mates}");
    ASSERT_TRUE(t.board->Panel().result());
    t.Menu("Back up one move");
    EXPECT_FALSE(t.board->Panel().result());
}

TEST(Stepping, ASecondStepOrALoadDuringAStepDoesNothing) {
    RulesBoard t;
    PlayOpening(t);
    t.Menu("Back to start");
    t.QueueOnceWhile([&] { return t.board->Panel().StepBusy(); },
                     {MenuEvent("Forward one move"),
                      BoardEvent(InputEvent::Kind::MouseDown, SquareX(4, false), SquareY(7, false)), MenuEvent("Load Game")});
    t.Menu("Forward one move");
    EXPECT_TRUE(t.injected);
    EXPECT_EQ(t.loadRequests, 0);
    EXPECT_EQ(t.board->Record().State().PlyCount, 1);
    EXPECT_EQ(t.board->Selection().mfx, 0);
}

} // namespace
} // namespace varnix::test
