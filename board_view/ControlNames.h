// The main window's controls by the names the platform layer knows them under.
#pragma once

namespace varnix {

// The two turn lamps on the right frame, 9 x 9 px, light green. The bottom one
// (at 350, 328) is lit while the user is to move, the top one (at 350, 32)
// while the engine is; they follow the user's colour, not the board's turn.
inline constexpr const char* LampUserTurn = "lampUserTurn";
inline constexpr const char* LampEngineTurn = "lampEngineTurn";

} // namespace varnix
