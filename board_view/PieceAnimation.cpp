#include "board_view/BoardView.h"
#include "board_view/CopyPicture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace varnix {

namespace {

// Milliseconds per square of travel, slowest to fastest; the speed is fixed at 20.
constexpr std::array<int, 21> MsPerSquareTable = {1600, 1400, 1200, 900, 700, 500, 400, 300, 200, 100, 50,
                                                  45,   40,   35,   30,  25,  20,  15,  10,  7,   5};
constexpr int AnimationSpeed = 20;
constexpr int MsPerSquare = MsPerSquareTable[AnimationSpeed / 2];

int Round(double v) { return int(std::lround(v)); }

} // namespace

void BoardView::AnimateMove(const Position& position, Move& move, bool keepMarks) {
    if (move.FromFile == move.ToFile && move.FromRow == move.ToRow) return;
    if (move.Castle != 0) {
        // The king's move stands for the castling; the rook jumps in the final redraw.
        move.FromFile = 5;
        move.ToFile = move.Castle == 1 ? 7 : 3;
        move.FromRow = move.ToRow = position.BlackToMove == 0 ? 8 : 1;
    }
    auto markMove = [&] {
        selection_.mfx = move.FromFile;
        selection_.mfy = move.FromRow;
        selection_.mfx2 = move.ToFile;
        selection_.mfy2 = move.ToRow;
    };
    if (!keepMarks) markMove();

    // Screen columns and rows. The caller's move stays in board coordinates,
    // also when events during the glide turn the board.
    const int fromCol = ScreenIndex(move.FromFile), fromRow = ScreenIndex(move.FromRow);
    const int toCol = ScreenIndex(move.ToFile), toRow = ScreenIndex(move.ToRow);
    const double sx = geometry_.PieceX(fromCol), sy = geometry_.PieceY(fromRow);
    const double dx = geometry_.PieceX(toCol) - sx, dy = geometry_.PieceY(toRow) - sy;
    const int mx = geometry_.MarkX(fromCol), my = geometry_.MarkY(fromRow);
    const int size = geometry_.PieceSize;

    // buf(1) becomes the last drawn board without the moving piece (and its frame).
    CopyPicture(buf_[1], buf_[2]);
    Blit(buf_[0], mx, my, size, size, buf_[1], mx, my, RasterOp::Copy);
    Blit(buf_[1], 0, 0, geometry_.BoardWidth, geometry_.BoardHeight, buf_[0], 0, 0, RasterOp::Copy);

    const std::uint8_t code = PieceAt(position, move.FromFile, move.FromRow);
    if (code == 0) return;

    double cx = sx, cy = sy, px = sx, py = sy;
    const std::uint32_t t0 = platform_.TickMs();
    const double distance = std::max(std::abs(dx), std::abs(dy));
    const std::uint32_t duration = size > 0 ? std::uint32_t(distance / size * MsPerSquare) : 0;
    for (;;) {
        const int ipx = Round(px), ipy = Round(py), icx = Round(cx), icy = Round(cy);
        const int left = std::min(ipx, icx), top = std::min(ipy, icy);
        const int width = std::abs(icx - ipx) + size, height = std::abs(icy - ipy) + size;
        Blit(buf_[0], left, top, width, height, buf_[1], left, top, RasterOp::Copy);
        pieces_.Draw(buf_[0], icx, icy, code);
        ShowRect(buf_[0], left, top, width, height);
        px = cx;
        py = cy;
        // Time decides where the piece is, so a slow machine shows fewer frames, not a slower move.
        const std::uint32_t t = std::min(platform_.TickMs() - t0, duration);
        if (t == duration) break;
        cx = sx + dx * t / duration;
        cy = sy + dy * t / duration;
    }

    if (!keepMarks) {
        markMove();
        LastMoveFile = move.ToFile;
        LastMoveRow = move.ToRow;
    }
    RefreshBoard();
}

} // namespace varnix
