#include "board_view/ControlNames.h"
#include "board_view/MoveStatus.h"
#include "core/Fen.h"
#include "engine_link/EngineLink.h"
#include "engine_link/MenuItemNames.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/fake_engine/FakeEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace varnix {
namespace {

using LineList = std::vector<std::string>;

class EngineLinkTest : public testing::Test {
protected:
    EngineLinkTest() {
        fake_Reset();
        FenToPosition(StandardStartFen, game.CurrentPosition);
    }

    // The menu states, the single force and the resent position are checked through the whole
    // program in the control tests; these are the cases it does not reach.
    HeadlessPlatform platform;
    RecordCalls calls{&varnix_GetMove, &varnix_KingAttacked, &varnix_MakeMove};
    GameState game;
    EngineSettings settings;
    EngineLink link{platform, calls, game, settings};
};

TEST_F(EngineLinkTest, LosingSyncDuringASearchDiscardsItsMove) {
    link.SendNewGame();
    EXPECT_EQ(link.Queue().Text(), "new\n");
    EXPECT_FALSE(link.Flags().DiscardEngineMove);
    link.DropEngineSync();
    EXPECT_EQ(link.Queue().Text(), "new\n");
    EXPECT_TRUE(link.Flags().ResendPosition);
    EXPECT_FALSE(link.Flags().DiscardEngineMove);

    link.ThinkingStarted();
    link.DropEngineSync();
    link.SendNewGame();
    EXPECT_EQ(link.Queue().Text(), "new\nforce\nnew\n");
    EXPECT_TRUE(link.Flags().DiscardEngineMove);
}

TEST_F(EngineLinkTest, StartThinkingWithoutALegalMoveSendsNothing) {
    fake_SetLegalMoveCount(0);
    link.Flags().ResendPosition = true;
    link.StartThinking();
    EXPECT_TRUE(link.Queue().Empty());
    EXPECT_FALSE(link.Flags().EngineThinking);
    EXPECT_TRUE(link.Flags().ResendPosition);
    EXPECT_TRUE(platform.MenuEnabled(MenuMoveNow));
}

TEST(ClockValue, FollowsTheLevelsAndStaysInRange) {
    struct Case {
        double tenths;
        std::int32_t value;
    };
    const Case cases[] = {
        {5, 5000}, {0.2504, 250}, {-3, 0}, {std::nan(""), 0}, {1e12, std::numeric_limits<std::int32_t>::max()},
    };
    for (const Case& c : cases) EXPECT_EQ(ClockValue(c.tenths), c.value) << c.tenths;
}

// The skill, ponder and clock lines a level sends are checked through the whole program.
TEST_F(EngineLinkTest, PendingPonderChangeWaitsForTheEndOfTheSearchAndGoesOnce) {
    settings.PonderChangePending = true;
    settings.PonderWanted = false;
    link.ThinkingStarted();
    EXPECT_TRUE(link.Queue().Empty());
    link.ThinkingEnded();
    link.ThinkingEnded();
    EXPECT_EQ(link.Queue().Text(), "ponder off\n");
    EXPECT_FALSE(settings.PonderChangePending);
}

TEST(CommandQueue, EveryCommandStaysOneLine) {
    CommandQueue queue;
    queue.Append("setboard a\nb\r");
    queue.Append("");
    std::string line;
    ASSERT_TRUE(queue.TakeLine(line));
    EXPECT_EQ(line, "setboard a b ");
    ASSERT_TRUE(queue.TakeLine(line));
    EXPECT_EQ(line, "");
    EXPECT_FALSE(queue.TakeLine(line));
}

constexpr std::string_view Title = "Varnix Chess v1.16";

TEST(MoveStatus, CaptionAndLampsFollowTheUsersTurn) {
    struct Case {
        const char* name;
        std::string text; // "" is shown, and left, as "none"
        TurnState turn;
        bool userLamp;
        bool engineLamp;
    };
    const Case cases[] = {
        {"new game as White", "", {0, true}, true, false},
        {"new game as Black", "", {0, false}, false, true},
        {"White moved, user plays White", "e4", {1, true}, false, true},
        {"user plays Black, its turn", "Nf3+", {1, false}, true, false},
        {"mate puts both out", "Qxf7#", {7, true}, false, false},
    };
    for (const Case& c : cases) {
        HeadlessPlatform platform;
        platform.SetControlVisible(LampUserTurn, true);
        platform.SetControlVisible(LampEngineTurn, true);
        std::string text = c.text;
        ShowMove(platform, Title, text, c.turn);
        const std::string shown = c.text.empty() ? "none" : c.text;
        EXPECT_EQ(text, shown) << c.name;
        EXPECT_EQ(platform.Caption(), "Varnix Chess v1.16         Move: " + shown) << c.name;
        EXPECT_EQ(platform.ControlVisible(LampUserTurn), c.userLamp) << c.name;
        EXPECT_EQ(platform.ControlVisible(LampEngineTurn), c.engineLamp) << c.name;
    }
}

std::vector<std::string> Received() {
    std::vector<std::string> lines;
    for (int i = 0; i < fake_ReceivedCount(); ++i) lines.emplace_back(fake_Received(i));
    return lines;
}

// The same link with the fake engine's text calls bound, as the pump meets them.
class EnginePumpTest : public EngineLinkTest {
protected:
    EnginePumpTest() { link.SetTextCalls({&varnix_ReceiveTxt, &varnix_GetTxt}); }
};

TEST_F(EnginePumpTest, OneLinePerCallInOrderWithoutLineFeed) {
    link.SendCommand("new");
    link.SendCommand("skill 30");
    link.SendCommand("ponder on");
    link.EnginePump();
    EXPECT_EQ(Received(), LineList{"new"});
    link.EnginePump();
    link.EnginePump();
    EXPECT_EQ(Received(), (LineList{"new", "skill 30", "ponder on"}));
    link.EnginePump();
    EXPECT_EQ(fake_ReceivedCount(), 3);
    EXPECT_EQ(platform.ProcessCalls(), 4);
}

TEST_F(EnginePumpTest, EventsAreProcessedBeforeTheLineIsTaken) {
    // A menu command handled inside the pump sends its line in the same call.
    platform.SetProcessHook([this] {
        if (platform.ProcessCalls() == 1) link.SendCommand("go");
    });
    link.EnginePump();
    EXPECT_EQ(Received(), LineList{"go"});
}

TEST_F(EnginePumpTest, WithoutALibraryLinesStayQueued) {
    link.SetTextCalls({});
    link.SendCommand("new");
    link.EnginePump();
    EXPECT_EQ(link.Queue().Text(), "new\n");
    std::string buffer = "  ";
    link.ReadEngineText(buffer);
    EXPECT_EQ(buffer, "  ");
    // An empty buffer is never handed to the library either.
    link.SetTextCalls({&varnix_ReceiveTxt, &varnix_GetTxt});
    buffer.clear();
    link.ReadEngineText(buffer);
    EXPECT_TRUE(buffer.empty());
}

TEST_F(EnginePumpTest, AModalWindowInsideThePumpHoldsTheNextLine) {
    link.SendCommand("new");
    link.SendCommand("go");
    platform.SetProcessHook([this] {
        if (platform.ProcessCalls() != 1) return;
        // A message box opened from an event handler runs inside this pump call.
        auto box = platform.CreateModalWindow();
        box->RunModal();
        link.SendCommand("skill 10");
    });
    link.EnginePump();
    EXPECT_EQ(Received(), LineList{"new"});
    EXPECT_EQ(platform.ModalWindowsShown(), 1);
    link.EnginePump();
    link.EnginePump();
    EXPECT_EQ(Received(), (LineList{"new", "go", "skill 10"}));
}

} // namespace
} // namespace varnix
