// The ten strength levels of the Options menu: the skill value the engine
// receives and the thinking time per move handed to it as clock values.
#pragma once

#include "engine_link/EngineSettings.h"
#include "platform/Platform.h"

#include <array>
#include <cstdint>
#include <optional>

namespace varnix {

struct Level {
    const char* Caption;
    std::int16_t SkillValue;
    double MoveTimeTenths;
};

inline constexpr std::array<Level, 10> LevelTable = {{
    {"Level 1 - 0.5 sec", 10, 5},
    {"Level 2 - 0.5 sec", 20, 5},
    {"Level 3 - 0.5 sec", 30, 5},
    {"Level 4 - 0.5 sec", 50, 5},
    {"Level 5 - 0.5 sec", 75, 5},
    {"Level 6 - 0.5 sec", 100, 5},
    {"Level 7 - 1 sec", 100, 10},
    {"Level 8 - 3 sec", 100, 30},
    {"Level 9 - 5 sec", 100, 50},
    {"Level 10 - 10 sec", 100, 100},
}};

inline constexpr std::int16_t DefaultLevel = 6;

// Where the chosen level is kept between runs.
inline constexpr const char* SettingsApp = "Varnix Chess";
inline constexpr const char* SettingsSection = "Settings";
inline constexpr const char* SettingsLevelKey = "Level";

// Moves the strength check mark to index and sets the two values. An index
// outside the table checks nothing; the skill then follows "above 4 is full
// strength" and the time "below 6 is half a second", otherwise they stay.
// Tells the engine nothing.
void SetLevel(Platform& platform, EngineSettings& settings, std::int16_t index);

// The stored level as an index; nothing when the text is no 16-bit whole number.
std::optional<std::int16_t> StoredLevel(Platform& platform);

} // namespace varnix
