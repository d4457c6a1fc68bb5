#include "control/BoardMouse.h"

#include <cstdlib>

namespace varnix {

bool BoardMouse::BoardBorder(int x, int y) const {
    if (selection_.pieceMov != 0) return false;
    return std::abs(x - 219) >= 200 || std::abs(y - 216) >= 200;
}

void BoardMouse::MouseDown(int button, int shift, int x, int y) {
    const bool border = BoardBorder(x, y);
    if (button == 2 && border) return;
    if (button == 2 && selection_.mfx != 0) {
        selection_.mfx = 0;
        panel_.CancelPieceSel();
        return;
    }
    panel_.ClickOnBoard(button, shift, x, y, 0);
}

void BoardMouse::MouseMove(int x, int y) {
    lastX_ = x;
    lastY_ = y;
    panel_.DragTo(x, y);
}

void BoardMouse::MouseUp(int button, int shift, int x, int y) {
    if (selection_.mfx == 0) return;
    // Clearing pieceMov first ends the drag before the release is judged.
    selection_.pieceMov = 0;
    panel_.ClickOnBoard(button, shift, x, y, 1);
    panel_.EndDrag();
}

} // namespace varnix
