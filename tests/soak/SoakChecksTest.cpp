// The soak driver's checks: they pass on a sound program state and catch the
// faults they are there for.
#include "bench/soak/EngineMirror.h"
#include "bench/soak/SoakChecks.h"
#include "core/Fen.h"
#include "core/GameState.h"
#include "tests/core/NotationTestSupport.h"

#include <gtest/gtest.h>

namespace varnix::soak {
namespace {

using varnix::testing::EngineCalls;
using varnix::testing::FromFen;

struct NoEvents : GameRecordEvents {
    void ShowMove(std::string&) override {}
    void DropEngineSync() override {}
};

// A record of the moves, played as the program plays them, with the board at the end.
struct PlayedRecord {
    explicit PlayedRecord(const std::vector<std::string>& longMoves) {
        record.NewRecord();
        GameState& state = record.State();
        FenToPosition(state.StartFen, state.CurrentPosition);
        for (const std::string& text : longMoves) {
            record.RecordMove(text);
            calls.MakeMove(state.CurrentPosition, LongTextToMove(state.CurrentPosition, text));
            state.CurrentPosition.BlackToMove = state.CurrentPosition.BlackToMove ? FlagFalse : FlagTrue;
        }
    }
    RecordCalls calls = EngineCalls();
    NoEvents events;
    GameRecord record{calls, events};
};

TEST(ShownBoardCheck, PassesOnThePlayedGameAndCatchesAWrongBoardOrPly) {
    PlayedRecord played({"e2-e4", "e7-e5", "g1-f3"});
    ASSERT_EQ(played.record.State().PlyCount, 3);
    EXPECT_EQ(ShownBoardFault(played.calls, played.record), "");

    GameState& state = played.record.State();
    state.CurrentPosition.BlackToMove = FlagFalse;
    EXPECT_NE(ShownBoardFault(played.calls, played.record), "");
    state.CurrentPosition.BlackToMove = FlagTrue;
    state.PlyCount = 4;
    EXPECT_NE(ShownBoardFault(played.calls, played.record), "");
    state.PlyCount = 2;
    EXPECT_NE(ShownBoardFault(played.calls, played.record), "");
}

TEST(ShownBoardCheck, CatchesARecordEntryThatIsNoLegalMove) {
    PlayedRecord played({"e2-e4", "e7-e5"});
    played.record.Moves().SetHalfMove(2, "Ke7"); // the king cannot go there through its own pawn's square
    played.record.Moves().SetHalfMove(1, "e5");
    EXPECT_NE(ShownBoardFault(played.calls, played.record), "");
}

TEST(RecordImage, KeepsTheStartAndTheMovesUpToThePlyShown) {
    PlayedRecord played({"e2-e4", "e7-e5", "g1-f3"});
    const RecordImage image = ImageUpTo(played.record, 2);
    EXPECT_EQ(image.StartFen, StandardStartFen);
    EXPECT_EQ(image.Moves, (std::vector<std::string>{"e4", "e5"}));
    EXPECT_NE(image, ImageUpTo(played.record, 3));
    EXPECT_EQ(ImageText(image), "[" + StandardStartFen + "] 1. e4 e5");
}

TEST(MessageCheck, AllowsOnlyTheMessagesTheSituationCallsFor) {
    const RecordCalls calls = EngineCalls();
    const Position start = FromFen(StandardStartFen);
    const Position mated = FromFen("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3");
    const Position stalemated = FromFen("7k/5Q2/6K1/8/8/8/8/8 b - - 0 1");
    const struct {
        const char* prompt;
        const Position* shown;
        bool emptySaveDue;
        bool allowed;
    } cases[] = {
        {"Checkmate!", &mated, false, true},       {"Checkmate!", &stalemated, false, false},
        {"Stalemate!", &stalemated, false, true},  {"Stalemate!", &mated, false, false},
        {"There are no moves. Nothing to save.", &start, true, true},
        {"There are no moves. Nothing to save.", &start, false, false}, {"Error!", &start, true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageFault(c.prompt, calls, *c.shown, c.emptySaveDue).empty(), c.allowed) << c.prompt;
}

// The engine's board as the soak driver follows it: what the program sends
// and what the engine announces, and the desyncs it must notice.
TEST(EngineMirror, FollowsTheUserAndTheEngineMovesAndSkipsSettings) {
    const RecordCalls calls = EngineCalls();
    EngineMirror mirror(calls);
    for (const char* line : {"skill 100", "ponder on", "new", "whitetime 50", "blacktime 50", "e4", "go", "force"})
        EXPECT_EQ(mirror.LineSent(line), "") << line;
    // A move line counts only right after the bell text.
    EXPECT_EQ(mirror.TextReceived("12 35 1 2000 e5 Nf3"), "");
    EXPECT_EQ(mirror.TextReceived("move (1): d5 \n"), "");
    EXPECT_EQ(mirror.TextReceived("\a"), "");
    EXPECT_EQ(mirror.TextReceived("move (1): e5 \n"), "");
    EXPECT_TRUE(SamePosition(mirror.BeforeEngineMove(),
                             FromFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1")));
    EXPECT_TRUE(SamePosition(mirror.Board(),
                             FromFen("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 1")));
    EXPECT_EQ(mirror.LineSent("new"), "");
    EXPECT_TRUE(SamePosition(mirror.Board(), FromFen(StandardStartFen)));
}

TEST(EngineMirror, NoticesMovesThatDoNotFitTheEnginesBoard) {
    const RecordCalls calls = EngineCalls();
    EngineMirror mirror(calls);
    ASSERT_EQ(mirror.LineSent("setboard 4k3/8/8/8/8/8/8/4K2R w K - 0 1"), "");
    EXPECT_NE(mirror.LineSent("e4"), "");
    EXPECT_EQ(mirror.LineSent("O-O"), "");
    // Black to move now: a White move is out of step.
    EXPECT_NE(mirror.LineSent("Rf2"), "");
    ASSERT_EQ(mirror.LineSent("white"), "");
    EXPECT_EQ(mirror.LineSent("Rf2"), "");
    mirror.TextReceived("\a");
    EXPECT_NE(mirror.TextReceived("move (2): Qd1 \n"), "");
    EXPECT_NE(mirror.TextReceived("Error: illegal move: Nf3"), "");
}

} // namespace
} // namespace varnix::soak
