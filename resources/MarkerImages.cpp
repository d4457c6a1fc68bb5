#include "resources/Images.h"

namespace varnix {

Surface MarkerFrame() {
    constexpr int Border = 4;
    Surface frame(BoardSquare, BoardSquare, Rgb(0, 0, 0));
    frame.FillRect(Border, Border, BoardSquare - 2 * Border, BoardSquare - 2 * Border, Rgb(255, 255, 255));
    return frame;
}

Surface CheckSquare() { return Surface(BoardSquare, BoardSquare, Rgb(255, 0, 0)); }

} // namespace varnix
