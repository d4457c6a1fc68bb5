// The strength and pondering values that the engine commands carry. The game
// control owns one instance and changes it; the engine link reads it when it
// composes "skill", the clock lines and "ponder".
#pragma once

#include <cstdint>

namespace varnix {

struct EngineSettings {
    std::int16_t SkillValue = 100;
    double MoveTimeTenths = 10; // thinking time per move, tenths of a second
    // The clock values last sent.
    std::int32_t WhiteTime = 0;
    std::int32_t BlackTime = 0;
    bool PonderChangePending = false;
    bool PonderWanted = true;
};

} // namespace varnix
