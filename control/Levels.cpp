#include "control/Levels.h"

#include <charconv>
#include <string>

namespace varnix {

void SetLevel(Platform& platform, EngineSettings& settings, std::int16_t index) {
    for (const Level& level : LevelTable) platform.SetMenuChecked(level.Caption, false);
    if (index >= 0 && index < std::int16_t(LevelTable.size())) {
        const Level& level = LevelTable[std::size_t(index)];
        platform.SetMenuChecked(level.Caption, true);
        settings.SkillValue = level.SkillValue;
        settings.MoveTimeTenths = level.MoveTimeTenths;
        return;
    }
    if (index > 4) settings.SkillValue = 100;
    if (index < 6) settings.MoveTimeTenths = 5;
}

std::optional<std::int16_t> StoredLevel(Platform& platform) {
    const std::string text =
        platform.GetSetting(SettingsApp, SettingsSection, SettingsLevelKey, std::to_string(DefaultLevel));
    std::int16_t index = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return index;
}

} // namespace varnix
