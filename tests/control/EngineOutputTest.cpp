// The output interpreter fed with recorded engine texts: what each form does,
// and in which order.
#include "engine_link/EngineOutput.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

class RecordingActions : public EngineOutputActions {
public:
    bool GameEnded() const override { return ended; }
    void EndGame() override {
        ended = true;
        log.push_back("end");
    }
    std::int16_t PlyCount() const override { return ply; }
    void PlayEngineMove(std::string_view moveText) override { log.push_back("move " + std::string(moveText)); }
    void ShowMessage(const std::string& prompt) override { log.push_back(prompt); }

    bool ended = false;
    std::int16_t ply = 1;
    std::vector<std::string> log;
};

struct Interpreter : ::testing::Test {
    HeadlessPlatform platform;
    RecordCalls calls;
    GameState game;
    EngineSettings settings;
    EngineLink link{platform, calls, game, settings};
    RecordingActions actions;
    EngineOutput output{platform, link, actions};
};

TEST(MoveLineReading, TakesTheNumberAndTheMoveBetweenTheLastSpaces) {
    const struct {
        const char* text;
        bool isMoveLine;
        long number;
        const char* move;
    } cases[] = {
        {"move (1): e4 \n", true, 1, "e4"},
        {"move (3): O-O-O ", true, 3, "O-O-O"},
        {"move (3): e4\n", true, 3, ""},
        {"): ", true, -1, ""},
        {"move 3: e4 \n", false, 0, ""},
        {"", false, 0, ""},
    };
    for (const auto& c : cases) {
        MoveLine line;
        ASSERT_EQ(ReadMoveLine(c.text, line), c.isMoveLine) << c.text;
        if (!c.isMoveLine) continue;
        EXPECT_EQ(line.Number, c.number) << c.text;
        EXPECT_EQ(line.Move, c.move) << c.text;
    }
}

TEST_F(Interpreter, StalemateAndMateShowTheirMessagesInOrderAndOnlyMateEndsTheThinking) {
    link.ThinkingStarted();
    output.Interpret("1/2-1/2 {stalemate}");
    EXPECT_TRUE(link.Flags().EngineThinking);
    output.Interpret("0-1 {Black mates}");
    EXPECT_FALSE(link.Flags().EngineThinking);
    actions.log.clear();
    output.Interpret("1/2-1/2 {stalemate} 0-1 {Black mates}");
    output.Interpret("1-0 {White mates}");
    EXPECT_EQ(actions.log, (std::vector<std::string>{"end", "Stalemate!", "end", "Checkmate!", "end", "Checkmate!"}));
}

TEST_F(Interpreter, TheMoveComesOnlyInTheTextAfterTheBelTextAndNeverAfterTheEnd) {
    output.Interpret("move (1): e5 \n");
    EXPECT_TRUE(actions.log.empty());
    output.Interpret("\a");
    EXPECT_TRUE(output.MoveLineDue());
    output.Interpret("info depth 3");
    EXPECT_FALSE(output.MoveLineDue());
    output.Interpret("\a");
    output.Interpret("move (1): e5 \n");
    EXPECT_EQ(actions.log, (std::vector<std::string>{"move e5"}));
    EXPECT_FALSE(output.MoveLineDue());
    // After the end of the game no move is played.
    actions.ended = true;
    output.Interpret("\a");
    output.Interpret("move (1): e5 \n");
    EXPECT_EQ(actions.log.size(), 1u);
}

TEST_F(Interpreter, MoveNumberMustBeTheNextFullMove) {
    const struct {
        std::int16_t ply;
        const char* line;
        bool played;
    } cases[] = {{1, "move (1): e5 \n", true},
                 {2, "move (2): Nf3 \n", true},
                 {2, "move (1): Nf3 \n", false},
                 {0, "move (1): e4 \n", true}};
    for (const auto& c : cases) {
        actions.log.clear();
        actions.ply = c.ply;
        output.Interpret("\a");
        output.Interpret(c.line);
        EXPECT_EQ(actions.log.size(), c.played ? 1u : 0u) << c.line << " at ply " << c.ply;
    }
}

// Stepping back while the engine thinks discards its move, which ends the search and the discard;
// when that move ended the engine's game, the ending must not end the game now shown.
TEST_F(Interpreter, EndingsAndClaimsAfterADiscardedMoveAreIgnored) {
    for (const char* ending : {"0-1 {Black mates}", "1/2-1/2 {stalemate}",
                               "1/2-1/2 {I claim a draw by threefold repetition}"}) {
        link.ThinkingStarted();
        link.Flags().DiscardEngineMove = true;
        output.Interpret("\a");
        output.Interpret("move (1): Qxe5# \n");
        EXPECT_FALSE(link.Flags().DiscardEngineMove) << ending;
        EXPECT_FALSE(link.Flags().EngineThinking) << ending;
        output.Interpret(ending);
        EXPECT_TRUE(actions.log.empty()) << ending;
        EXPECT_FALSE(actions.ended) << ending;
        // The next search's claim counts again.
        link.ThinkingStarted();
        output.Interpret(ending);
        EXPECT_FALSE(actions.log.empty() && !link.Flags().ForceSent) << ending;
        actions.log.clear();
        actions.ended = false;
        link.ThinkingEnded();
    }
}

// The discarded move itself clears the discard too (above).
TEST_F(Interpreter, AnalyzeCompleteClearsTheDiscard) {
    link.Flags().DiscardEngineMove = true;
    output.Interpret("analyze complete");
    EXPECT_FALSE(link.Flags().DiscardEngineMove);
    output.Interpret("\a");
    output.Interpret("move (1): e5 \n");
    EXPECT_EQ(actions.log, (std::vector<std::string>{"move e5"}));
}

TEST_F(Interpreter, DrawClaimInterruptsOnceAndKeepsThinking) {
    link.ThinkingStarted();
    output.Interpret("1/2-1/2 {claim a draw: threefold repetition}");
    output.Interpret("I offer a draw");
    EXPECT_EQ(link.Queue().Text(), "force\n");
    EXPECT_TRUE(link.Flags().EngineThinking);
    EXPECT_FALSE(platform.MenuEnabled("Stop thinking"));
    EXPECT_TRUE(actions.log.empty());
}

} // namespace
} // namespace varnix
