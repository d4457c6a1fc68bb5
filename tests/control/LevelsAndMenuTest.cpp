// The level table, the stored level, and the menu and control tables the
// window side is built from.
#include "control/Levels.h"
#include "main_window/MenuTable.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <set>

namespace varnix {
namespace {

TEST(Levels, EachIndexSetsSkillAndTimeAndChecksOnlyItsItem) {
    const struct {
        std::int16_t index;
        std::int16_t skill;
        double tenths;
        const char* checked;
    } cases[] = {
        {0, 10, 5, "Level 1 - 0.5 sec"},  {3, 50, 5, "Level 4 - 0.5 sec"}, {4, 75, 5, "Level 5 - 0.5 sec"},
        {5, 100, 5, "Level 6 - 0.5 sec"}, {6, 100, 10, "Level 7 - 1 sec"}, {9, 100, 100, "Level 10 - 10 sec"},
    };
    for (const auto& c : cases) {
        HeadlessPlatform platform;
        EngineSettings settings;
        SetLevel(platform, settings, 7);
        SetLevel(platform, settings, c.index);
        EXPECT_EQ(settings.SkillValue, c.skill) << c.index;
        EXPECT_EQ(settings.MoveTimeTenths, c.tenths) << c.index;
        int checked = 0;
        for (const Level& level : LevelTable) checked += platform.MenuChecked(level.Caption) ? 1 : 0;
        EXPECT_EQ(checked, 1) << c.index;
        EXPECT_TRUE(platform.MenuChecked(c.checked)) << c.index;
    }
}

TEST(Levels, OutsideTheTableOnlyTheOpenRulesApply) {
    HeadlessPlatform platform;
    EngineSettings high{.SkillValue = 20, .MoveTimeTenths = 30};
    SetLevel(platform, high, 12);
    EXPECT_EQ(high.SkillValue, 100);
    EXPECT_EQ(high.MoveTimeTenths, 30);
    EngineSettings low{.SkillValue = 20, .MoveTimeTenths = 30};
    SetLevel(platform, low, -1);
    EXPECT_EQ(low.SkillValue, 20);
    EXPECT_EQ(low.MoveTimeTenths, 5);
    for (const Level& level : LevelTable) EXPECT_FALSE(platform.MenuChecked(level.Caption));
}

TEST(Levels, StoredLevelReadsWholeNumbersOnly) {
    const struct {
        const char* stored; // nullptr: nothing stored
        std::optional<std::int16_t> index;
    } cases[] = {{nullptr, 6}, {"2", 2}, {"9", 9}, {"12", 12}, {"", std::nullopt},
                 {"x7", std::nullopt}, {"7x", std::nullopt}, {"99999", std::nullopt}};
    for (const auto& c : cases) {
        HeadlessPlatform platform;
        if (c.stored) platform.SaveSetting(SettingsApp, SettingsSection, SettingsLevelKey, c.stored);
        EXPECT_EQ(StoredLevel(platform), c.index) << (c.stored ? c.stored : "(none)");
    }
}

TEST(MenuTable, HoldsEveryItemWithItsShortcutAndFirstState) {
    const MenuTree menu = BuildMenuTree();
    auto find = [&](const std::string& path) -> const MenuItemDef* {
        for (const auto& item : menu) {
            if (item.path == path) return &item;
        }
        return nullptr;
    };
    const struct {
        const char* path;
        char key;
        bool checked, enabled;
    } cases[] = {
        {"Game/New Game as White", 0, false, true},      {"Game/Load Game", 0, false, true},
        {"Moves/Back up one move", 'b', false, true},    {"Moves/Forward one move", 'f', false, true},
        {"Moves/Back to start", 's', false, true},       {"Moves/Forward to end", 'e', false, true},
        {"Moves/Move now", 'm', false, true},            {"Moves/Stop thinking", 'h', false, false},
        {"Options/Computer strength/Level 7 - 1 sec", 0, true, true},
        {"Options/Computer strength/Level 1 - 0.5 sec", 0, false, true},
        {"Options/Promote next pawn to/Queen", 0, true, true},
        {"Options/Promote next pawn to/Knight", 0, false, true},
        {"Help", 0, false, true},                        {"HomePage", 0, false, true},
    };
    for (const auto& c : cases) {
        const MenuItemDef* item = find(c.path);
        ASSERT_NE(item, nullptr) << c.path;
        EXPECT_EQ(item->ctrlKey, c.key) << c.path;
        EXPECT_EQ(item->checked, c.checked) << c.path;
        EXPECT_EQ(item->enabled, c.enabled) << c.path;
    }
    EXPECT_TRUE(find("Game/New Game as Black")->dividerAfter);
    EXPECT_TRUE(find("Moves/Forward to end")->dividerAfter);
    EXPECT_EQ(menu.size(), 4u + 6u + 10u + 4u + 2u);
    std::set<std::string> captions;
    for (const auto& item : menu) captions.insert(MenuCaption(item.path));
    EXPECT_EQ(captions.size(), menu.size()) << "captions name the commands, so they must differ";
}

TEST(MenuTable, CaptionsNameTheirCommand) {
    EXPECT_EQ(CommandOf("New Game as Black").group, MenuGroup::File);
    EXPECT_EQ(CommandOf("New Game as Black").index, 1);
    EXPECT_EQ(CommandOf("Load Game").index, 4);
    EXPECT_EQ(CommandOf("Stop thinking").index, 6);
    EXPECT_EQ(CommandOf("Level 10 - 10 sec").group, MenuGroup::Strength);
    EXPECT_EQ(CommandOf("Level 10 - 10 sec").index, 9);
    EXPECT_EQ(CommandOf("Rook").index, 2);
    EXPECT_EQ(CommandOf("HomePage").group, MenuGroup::HomePage);
    EXPECT_EQ(CommandOf("-").group, MenuGroup::None);
    EXPECT_EQ(CommandOf("Nothing").group, MenuGroup::None);
}

TEST(ControlTable, LampsAndPictureButtonsSitWhereTheTwipsSay) {
    const auto controls = BuildControlSpecs();
    ASSERT_EQ(controls.size(), 8u);
    EXPECT_EQ(controls[0].x, 350);
    EXPECT_EQ(controls[0].y, 328);
    EXPECT_TRUE(controls[0].visible);
    EXPECT_EQ(controls[1].y, 32);
    EXPECT_FALSE(controls[1].visible);
    const int lefts[] = {56, 72, 96, 112, 152, 168};
    for (int i = 0; i < 6; ++i) {
        const ControlSpec& button = controls[std::size_t(2 + i)];
        EXPECT_EQ(button.name, "poke" + std::to_string(i));
        EXPECT_EQ(button.x, lefts[i]);
        EXPECT_EQ(button.y, 346);
        EXPECT_EQ(button.width, 16);
        EXPECT_EQ(PokeIndex(button.name), i);
    }
    EXPECT_EQ(controls[6].tooltip, "Move now");
    EXPECT_EQ(PokeIndex("poke6"), -1);
    EXPECT_EQ(PokeIndex("poke"), -1);
}

} // namespace
} // namespace varnix
