#include "board_view/ControlNames.h"
#include "board_view/MoveStatus.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace varnix {
namespace {

constexpr std::string_view Title = "Varnix Chess v1.16";

TEST(MoveStatus, CaptionAndLampsFollowTheUsersTurn) {
    struct Case {
        const char* name;
        std::string text;
        TurnState turn;
        bool userLamp;
        bool engineLamp;
    };
    const Case cases[] = {
        {"new game as White", "none", {0, true}, true, false},
        {"new game as Black", "none", {0, false}, false, true},
        {"White moved, user plays White", "e4", {1, true}, false, true},
        {"user plays Black, its turn", "Nf3+", {1, false}, true, false},
        {"mate puts both out", "Qxf7#", {7, true}, false, false},
    };
    for (const Case& c : cases) {
        HeadlessPlatform platform;
        platform.SetControlVisible(LampUserTurn, true);
        platform.SetControlVisible(LampEngineTurn, true);
        ShowMoveStatus(platform, Title, c.text, c.turn);
        EXPECT_EQ(platform.Caption(), "Varnix Chess v1.16         Move: " + c.text) << c.name;
        EXPECT_EQ(platform.ControlVisible(LampUserTurn), c.userLamp) << c.name;
        EXPECT_EQ(platform.ControlVisible(LampEngineTurn), c.engineLamp) << c.name;
    }
}

TEST(MoveStatus, EmptyTextIsShownAndLeftAsNone) {
    HeadlessPlatform platform;
    std::string text;
    ShowMove(platform, Title, text, {0, true});
    EXPECT_EQ(text, "none");
    EXPECT_EQ(platform.Caption(), "Varnix Chess v1.16         Move: none");
}

} // namespace
} // namespace varnix
