#include "board_view/BoardView.h"
#include "board_view/CopyPicture.h"

#include <algorithm>
#include <cstdlib>

namespace varnix {

void BoardView::StartDrag() { CopyPicture(buf_[1], buf_[0]); }

void BoardView::DrawDragFrame(int oldX, int oldY, int xpos, int ypos) {
    const int grab = geometry_.GrabOffset, size = geometry_.PieceSize;
    const int a = xpos - grab, b = ypos - grab;
    pieces_.Draw(buf_[1], a, b, selection_.pieceMov);
    // Only the rectangle spanning the piece's previous and new places goes to the window.
    const int left = std::min(oldX, xpos) - grab, top = std::min(oldY, ypos) - grab;
    ShowRect(buf_[1], left, top, size + std::abs(oldX - xpos), size + std::abs(oldY - ypos));
    Blit(buf_[1], a, b, size, size, buf_[0], a, b, RasterOp::Copy);
}

} // namespace varnix
