// The engine's board as the soak driver follows it: what the program sends
// and what the engine announces, and the desyncs it must notice.
#include "bench/soak/EngineMirror.h"
#include "core/Fen.h"
#include "core/GameState.h"

#include <gtest/gtest.h>

namespace varnix::soak {
namespace {

RecordCalls EngineCalls() { return RecordCalls(&varnix_GetMove, &varnix_KingAttacked, &varnix_MakeMove); }

Position FromFen(const std::string& fen) {
    Position position{};
    FenToPosition(fen, position);
    return position;
}

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
