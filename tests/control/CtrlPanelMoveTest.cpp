// The user's moves and the engine's moves through the whole program, with the
// real engine library's rules and the test standing in for the engine's texts.
#include "control/Levels.h"
#include "core/Fen.h"
#include "main_window/MenuTable.h"
#include "tests/control/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace varnix::test {
namespace {

using Lines = std::vector<std::string>;

// Files and rows of the squares used below (row 1 is rank 8).
constexpr int A = 1, C = 3, D = 4, E = 5, F = 6, G = 7;

// The lines the start-up and a new game send are the program loop's tests'.
TEST(NewGame, StartsAtLevel7ThenAsBlackTurnsTheBoardAndThinks) {
    RulesBoard t;
    EXPECT_TRUE(t.platform.MenuChecked("Level 7 - 1 sec"));
    EXPECT_EQ(t.platform.Caption(), ProgramTitle);
    EXPECT_TRUE(t.platform.MenuEnabled("Move now"));
    EXPECT_FALSE(t.platform.MenuEnabled("Stop thinking"));
    EXPECT_FALSE(t.platform.ControlVisible(AboutPanel));
    t.Menu("New Game as Black");
    EXPECT_TRUE(t.board->View().BoardFlipped());
    EXPECT_FALSE(t.board->Player().UserPlaysWhite);
    EXPECT_TRUE(t.platform.MenuEnabled("Stop thinking"));
}

TEST(NewGame, WhileTheEngineThinksInterruptsAndResendsBeforeTheNextGo) {
    RulesBoard t;
    t.Menu("Move now");
    const auto mark = t.Mark();
    t.Menu("New Game as Black");
    EXPECT_EQ(t.SentSince(mark), (Lines{"force", "setboard " + StandardStartFen, "white", "movenumber 0",
                                        "whitetime 10000", "blacktime 10000", "go"}));
}

TEST(UserMove, DragSendsClocksAndMoveRecordsWithoutAnimationAndHandsOverTheTurn) {
    RulesBoard t;
    const auto mark = t.Mark();
    t.Drag(E, 7, E, 5);
    EXPECT_EQ(t.SentSince(mark), (Lines{"whitetime 10000", "blacktime 10000", "e4"}));
    EXPECT_EQ(t.Recorded(1), "e4");
    EXPECT_EQ(PieceAt(t.Shown(), E, 5), WhitePawn);
    EXPECT_EQ(t.Shown().BlackToMove, FlagTrue);
    EXPECT_TRUE(t.board->Link().Flags().EngineThinking);
    // Only the animation puts the selection's second square on the destination.
    EXPECT_EQ(t.board->Selection().mfx2, 0);
    EXPECT_EQ(t.board->Selection().pieceMov, 0);
    EXPECT_EQ(t.board->View().LastMoveFile, E);
    EXPECT_NE(t.platform.Caption().find("e4"), std::string::npos);
}

TEST(UserMove, ClickOnAnIllegalSquareKeepsTheSelectionAndTheNextClickPlaysAndAnimates) {
    RulesBoard t;
    const auto mark = t.Mark();
    t.ClickClick(G, 8, G, 5);
    EXPECT_EQ(t.board->Record().State().MaxPly, 0);
    EXPECT_TRUE(t.SentSince(mark).empty());
    EXPECT_EQ(t.board->Selection().mfx, G);
    EXPECT_EQ(t.board->Selection().mfy, 8);
    t.Press(F, 6);
    t.Release(F, 6);
    EXPECT_EQ(t.Recorded(1), "Nf3");
    EXPECT_EQ(t.board->Selection().mfx2, F);
    EXPECT_EQ(t.board->Selection().mfy2, 6);
}

TEST(UserMove, PressesAreIgnoredOnTheEnginesTurnWhileItThinksAndAfterTheEnd) {
    {
        RulesBoard t;
        t.Menu("New Game as Black"); // White, the engine, is to move
        t.Press(E, 2);
        EXPECT_EQ(t.board->Selection().mfx, 0);
    }
    {
        RulesBoard t;
        t.Menu("Move now"); // the engine thinks on the user's turn
        t.Press(E, 7);
        EXPECT_EQ(t.board->Selection().mfx, E);
        EXPECT_EQ(t.board->Selection().pieceMov, 0) << "no drag while the engine thinks";
        t.Press(E, 5);
        EXPECT_EQ(t.board->Record().State().MaxPly, 0);
    }
    {
        RulesBoard t;
        t.board->Output().Interpret("0-1 {Black mates}");
        t.Press(E, 7);
        EXPECT_EQ(t.board->Selection().mfx, 0);
    }
}

TEST(UserMove, RightPressDropsTheSelectionExceptOverTheLeftAndTopStrips) {
    RulesBoard t;
    t.Press(E, 7);
    t.Release(E, 7);
    ASSERT_EQ(t.board->Selection().mfx, E);
    t.Send(BoardEvent(InputEvent::Kind::MouseDown, 10, 200, 2));
    EXPECT_EQ(t.board->Selection().mfx, E);
    t.Send(BoardEvent(InputEvent::Kind::MouseDown, 200, 10, 2));
    EXPECT_EQ(t.board->Selection().mfx, E);
    t.Send(BoardEvent(InputEvent::Kind::MouseDown, 100, 200, 2));
    EXPECT_EQ(t.board->Selection().mfx, 0);
}

TEST(UserMove, PromotionFollowsTheChosenPiece) {
    const struct {
        const char* menu;
        std::uint8_t piece;
    } cases[] = {{"Knight", WhiteKnight}, {"Rook", WhiteRook}};
    for (const auto& c : cases) {
        RulesBoard t;
        FenToPosition("k7/4P3/8/8/8/8/8/4K3 w - - 0 1", t.board->Record().State().CurrentPosition);
        t.Menu(c.menu);
        t.ClickClick(E, 2, E, 1);
        EXPECT_EQ(PieceAt(t.Shown(), E, 1), c.piece) << c.menu;
        EXPECT_TRUE(t.platform.MenuChecked(c.menu)) << c.menu;
    }
}

TEST(UserMove, CastlingIsChosenByTheKingsDestinationFile) {
    const struct {
        const char* name;
        const char* fen;
        int toFile, toRow;
        const char* recorded; // "" when no move may be made
    } cases[] = {
        {"g1", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", G, 8, "O-O"},
        {"g8 alike", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", G, 1, "O-O"},
        {"c1", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", C, 8, "O-O-O"},
        {"no rights", "r3k2r/8/8/8/8/8/8/R3K2R w - - 0 1", G, 8, ""},
    };
    for (const auto& c : cases) {
        RulesBoard t;
        FenToPosition(c.fen, t.board->Record().State().CurrentPosition);
        t.Drag(E, 8, c.toFile, c.toRow);
        EXPECT_EQ(t.Recorded(1), c.recorded) << c.name;
        if (*c.recorded == '\0') continue;
        EXPECT_EQ(PieceAt(t.Shown(), c.toFile, 8), WhiteKing) << c.name;
        EXPECT_EQ(t.board->View().LastMoveFile, c.toFile) << c.name;
        EXPECT_EQ(t.board->View().LastMoveRow, 8) << c.name;
    }
}

TEST(EngineMove, IsCheckedAgainstTheMoveNumberThenRecordedMadeAndShown) {
    const struct {
        const char* line;
        bool played;
    } cases[] = {
        {"move (1): e5 \n", true},
        {"move (1): Ke7 \n", false}, // not a legal move here
    };
    for (const auto& c : cases) {
        RulesBoard t;
        t.Drag(E, 7, E, 5);
        t.EngineSays(c.line);
        EXPECT_FALSE(t.board->Link().Flags().EngineThinking) << c.line;
        EXPECT_EQ(t.board->Record().State().MaxPly, c.played ? 2 : 1) << c.line;
        if (!c.played) continue;
        EXPECT_EQ(t.Recorded(2), "e5");
        EXPECT_EQ(PieceAt(t.Shown(), E, 4), BlackPawn);
        EXPECT_EQ(t.Shown().BlackToMove, FlagFalse);
        EXPECT_EQ(t.board->View().LastMoveFile, E);
        EXPECT_EQ(t.board->View().LastMoveRow, 4);
        EXPECT_NE(t.platform.Caption().find("e5"), std::string::npos);
    }
}

TEST(EngineMove, MoveNowOnTheUsersTurnIsAnsweredByTheEngine) {
    RulesBoard t;
    t.Send(NamedEvent(InputEvent::Kind::Click, "poke4"));
    EXPECT_TRUE(t.platform.MenuChecked("Move now"));
    const auto mark = t.Mark();
    t.EngineSays("move (1): e4 \n");
    EXPECT_EQ(t.Recorded(1), "e4");
    EXPECT_EQ(t.SentSince(mark), (Lines{"whitetime 10000", "blacktime 10000", "go"}));
    EXPECT_TRUE(t.board->Link().Flags().EngineThinking);
    t.EngineSays("move (1): e5 \n");
    EXPECT_EQ(t.Recorded(2), "e5");
    EXPECT_FALSE(t.board->Link().Flags().EngineThinking) << "the user's turn again";
}

// The picture button stays pressable while the engine thinks; it must not queue
// a second search that would play for the user once the engine has moved.
TEST(EngineMove, MoveNowButtonWhileTheEngineThinksSendsNothing) {
    RulesBoard t;
    t.Drag(E, 7, E, 5);
    ASSERT_TRUE(t.board->Link().Flags().EngineThinking);
    const auto mark = t.Mark();
    t.Send(NamedEvent(InputEvent::Kind::Click, "poke4"));
    EXPECT_EQ(t.SentSince(mark), Lines{});
    t.EngineSays("move (1): e5 \n");
    EXPECT_FALSE(t.board->Link().Flags().EngineThinking) << "the user's turn, no search running";
}

// A new game as Black in the middle of a search: the old search's move is
// discarded, but the engine still thinks on White's first move.
TEST(EngineMove, DiscardedMoveOfTheOldSearchLeavesTheNewSearchRunning) {
    RulesBoard t;
    t.Drag(E, 7, E, 5);
    t.Menu("New Game as Black");
    t.EngineSays("move (1): e5 \n");
    EXPECT_TRUE(t.board->Link().Flags().EngineThinking);
    EXPECT_FALSE(t.platform.MenuEnabled("Move now"));
    t.EngineSays("move (1): d4 \n");
    EXPECT_EQ(t.Recorded(1), "d4");
    EXPECT_FALSE(t.board->Link().Flags().EngineThinking);
}

// The menu's checks and the stored level are the level tests' and the program loop's; here, what goes out.
TEST(Strength, ChosenLevelIsSentAndUsedForTheClocks) {
    RulesBoard t;
    const auto mark = t.Mark();
    t.Menu("Level 3 - 0.5 sec");
    t.Menu("Move now");
    EXPECT_EQ(t.SentSince(mark), (Lines{"skill 30", "ponder on", "whitetime 5000", "blacktime 5000", "go"}));
}

TEST(Reentry, PressesStepsAndLoadsDuringAMoveDoNothing) {
    RulesBoard t;
    // A game loaded during the move would be turned by the rest of the move.
    t.QueueOnceWhile([&] { return t.board->Panel().MoveInProgress(); },
                     {MenuEvent("Back up one move"),
                      BoardEvent(InputEvent::Kind::MouseDown, SquareX(D, false), SquareY(7, false)), MenuEvent("Load Game")});
    t.ClickClick(E, 7, E, 5);
    EXPECT_TRUE(t.injected);
    EXPECT_EQ(t.loadRequests, 0);
    EXPECT_EQ(t.board->Record().State().PlyCount, 1);
    EXPECT_EQ(t.Recorded(1), "e4");
}

// Stepping through the record and what the engine is told afterwards.

// 1. e4 e5 2. Nf3 Nc6, the engine's moves given as its texts.
void PlayOpening(RulesBoard& t) {
    t.Drag(5, 7, 5, 5);
    t.EngineSays("move (1): e5 \n");
    t.Drag(7, 8, 6, 6);
    t.EngineSays("move (2): Nc6 \n");
    ASSERT_EQ(t.board->Record().State().MaxPly, 4);
}

TEST(Stepping, BackForwardStartAndEndReplayTheRecordAndABackStepClearsTheEnd) {
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
    // A step back also clears the end of the game.
    t.board->Output().Interpret("1-0 {White mates}");
    ASSERT_TRUE(t.board->Panel().result());
    t.Menu("Back up one move");
    EXPECT_FALSE(t.board->Panel().result());
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
    Lines sent = t.SentSince(mark);
    ASSERT_EQ(sent.size(), 6u);
    EXPECT_EQ(sent[2].rfind("setboard rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq", 0), 0u) << sent[2];
    sent.erase(sent.begin() + 2);
    EXPECT_EQ(sent, (Lines{"whitetime 10000", "blacktime 10000", "white", "movenumber 2", "d4"}));
    // The record is cut at the new move.
    EXPECT_EQ(t.Recorded(3), "d4");
    EXPECT_EQ(t.board->Record().State().MaxPly, 3);
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
