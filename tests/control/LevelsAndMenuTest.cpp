// The level table, the stored level, and the menu table the window side is built from.
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
        {0, 10, 5, "Level 1 - 0.5 sec"}, {5, 100, 5, "Level 6 - 0.5 sec"}, {9, 100, 100, "Level 10 - 10 sec"},
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
    } cases[] = {{nullptr, 6}, {"2", 2}, {"12", 12}, {"", std::nullopt}, {"7x", std::nullopt}, {"99999", std::nullopt}};
    for (const auto& c : cases) {
        HeadlessPlatform platform;
        if (c.stored) platform.SaveSetting(SettingsApp, SettingsSection, SettingsLevelKey, c.stored);
        EXPECT_EQ(StoredLevel(platform), c.index) << (c.stored ? c.stored : "(none)");
    }
}

// The window dispatches menu commands by caption: each must name a command, and no two may share one.
TEST(MenuTable, EveryCaptionNamesItsOwnCommand) {
    const MenuTree menu = BuildMenuTree();
    std::set<std::string> captions;
    for (const auto& item : menu) {
        captions.insert(MenuCaption(item.path));
        EXPECT_NE(CommandOf(MenuCaption(item.path)).group, MenuGroup::None) << item.path;
    }
    EXPECT_EQ(captions.size(), menu.size());
}

} // namespace
} // namespace varnix
