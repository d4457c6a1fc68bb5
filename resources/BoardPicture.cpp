#include "resources/Images.h"
#include "resources/WoodGrain.h"

#include <algorithm>

namespace varnix {

namespace {

constexpr WoodColours Maple{Rgb(238, 208, 156), Rgb(196, 146, 92)};
constexpr WoodColours Mahogany{Rgb(156, 80, 48), Rgb(92, 38, 22)};
constexpr WoodColours FrameWood{Rgb(112, 42, 28), Rgb(52, 16, 10)};
constexpr int SquaresEnd = BoardFrame + 8 * BoardSquare; // first pixel after the squares

Pixel SquarePixel(int x, int y) {
    const int col = (x - BoardFrame) / BoardSquare, row = (y - BoardFrame) / BoardSquare;
    const int u = (x - BoardFrame) % BoardSquare, v = (y - BoardFrame) % BoardSquare;
    const bool light = (col + row) % 2 == 0;
    // Every square is cut from another part of the plank.
    const auto seed = std::uint32_t(1000 + row * 8 + col);
    const double offset = 60.0 * (row * 8 + col);
    Pixel p = light ? WoodAt(offset + u, v + 3.0 * col, seed, Maple)
                    : WoodAt(offset + v, u + 3.0 * row, seed, Mahogany);
    // A fine seam where two squares meet.
    if (u == 0 || v == 0) p = Shade(p, 0.88);
    return p;
}

Pixel FramePixel(int x, int y, int width, int height) {
    // Four mitred pieces of frame, their grain along the side they belong to.
    const int toLeft = x, toTop = y, toRight = width - 1 - x, toBottom = height - 1 - y;
    const int nearest = std::min({toLeft, toTop, toRight, toBottom});
    Pixel p;
    if (nearest == toTop) p = WoodAt(x, y, 11, FrameWood);
    else if (nearest == toBottom) p = WoodAt(x, y + 400, 12, FrameWood);
    else if (nearest == toLeft) p = WoodAt(y, x, 13, FrameWood);
    else p = WoodAt(y, x + 400, 14, FrameWood);
    // Rounded outer edge: lit from the top left.
    if (nearest < 2) p = Shade(p, (nearest == toTop || nearest == toLeft) ? 1.45 - 0.15 * nearest : 0.6 + 0.15 * nearest);
    // A groove round the squares with a lit lip outside it.
    const int toSquares = std::max({BoardFrame - x, BoardFrame - y, x - (SquaresEnd - 1), y - (SquaresEnd - 1)});
    if (toSquares == 1) p = Shade(p, 0.35);
    else if (toSquares == 2) p = Shade(p, 1.35);
    return p;
}

} // namespace

Surface BoardPicture() {
    Surface board(BoardPictureWidth, BoardPictureHeight);
    for (int y = 0; y < board.Height(); ++y) {
        for (int x = 0; x < board.Width(); ++x) {
            const bool onSquares = x >= BoardFrame && y >= BoardFrame && x < SquaresEnd && y < SquaresEnd;
            Pixel p = onSquares ? SquarePixel(x, y) : FramePixel(x, y, board.Width(), board.Height());
            // Varnish catches the light: a faint sheen towards the top left.
            p = Shade(p, 1.06 - 0.12 * (x + y) / double(board.Width() + board.Height()));
            board.Set(x, y, p);
        }
    }
    return board;
}

} // namespace varnix
