#include "core/Fen.h"
#include "engine_link/EngineLink.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/fake_engine/FakeEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnix {
namespace {

std::vector<std::string> Received() {
    std::vector<std::string> lines;
    for (int i = 0; i < fake_ReceivedCount(); ++i) lines.emplace_back(fake_Received(i));
    return lines;
}

using LineList = std::vector<std::string>;

class EnginePumpTest : public testing::Test {
protected:
    EnginePumpTest() {
        fake_Reset();
        FenToPosition(StandardStartFen, game.CurrentPosition);
        link.SetTextCalls({&varnix_ReceiveTxt, &varnix_GetTxt});
    }

    HeadlessPlatform platform;
    RecordCalls calls{&varnix_GetMove, &varnix_KingAttacked, &varnix_MakeMove};
    GameState game;
    EngineSettings settings;
    EngineLink link{platform, calls, game, settings};
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
