// The level table, the stored level, and the menu table the window side is built from.
#include "control/Levels.h"
#include "main_window/MenuTable.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <set>

namespace varnix {
namespace {

// Each level takes its row's skill and time and leaves only its own item checked.
TEST(Levels, EachIndexSetsItsRowAndChecksOnlyItsItem) {
    for (std::int16_t index = 0; index < std::int16_t(LevelTable.size()); ++index) {
        HeadlessPlatform platform;
        EngineSettings settings;
        SetLevel(platform, settings, 7);
        SetLevel(platform, settings, index);
        EXPECT_EQ(settings.SkillValue, LevelTable[std::size_t(index)].SkillValue) << index;
        EXPECT_EQ(settings.MoveTimeTenths, LevelTable[std::size_t(index)].MoveTimeTenths) << index;
        for (std::int16_t other = 0; other < std::int16_t(LevelTable.size()); ++other)
            EXPECT_EQ(platform.MenuChecked(LevelTable[std::size_t(other)].Caption), other == index) << index;
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
