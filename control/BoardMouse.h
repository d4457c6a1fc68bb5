// Mouse events on the board: a press selects, starts a drag or names a
// destination; the right button drops a selection, except over the left and
// top strips of the frame; a release ends a drag and may make the move.
#pragma once

#include "board_view/BoardSelection.h"
#include "control/CtrlPanel.h"

namespace varnix {

class BoardMouse {
public:
    BoardMouse(CtrlPanel& panel, BoardSelection& selection) : panel_(panel), selection_(selection) {}

    // True over the left strip (x < 20) and the top strip (y < 17), never during a drag.
    bool BoardBorder(int x, int y) const;
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(int button, int shift, int x, int y);

    int LastMouseX() const { return lastX_; }
    int LastMouseY() const { return lastY_; }

private:
    CtrlPanel& panel_;
    BoardSelection& selection_;
    int lastX_ = 0;
    int lastY_ = 0;
};

} // namespace varnix
