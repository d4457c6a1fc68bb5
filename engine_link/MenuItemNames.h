// The menu items whose state follows the engine, by the names the platform
// layer knows them under.
#pragma once

namespace varnix {

inline constexpr const char* MenuMoveNow = "Move now";
inline constexpr const char* MenuStopThinking = "Stop thinking";

} // namespace varnix
