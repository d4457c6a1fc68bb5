// The user's selection and drag state. The controller owns it and hands it to
// the board view by reference; the board view only reads it, except that an
// animation of the user's move puts the selection on the move's squares.
#pragma once

#include <cstdint>

namespace varnix {

struct BoardSelection {
    std::int16_t mfx = 0; // selected square's file, 0 for none
    std::int16_t mfy = 0; // selected square's row
    std::int16_t mfx2 = 0;
    std::int16_t mfy2 = 0;
    std::uint8_t pieceMov = 0; // piece code being dragged, 0 for none
    std::int16_t LastCX = 0;   // square of the last accepted press or release
    std::int16_t LastCY = 0;
};

} // namespace varnix
