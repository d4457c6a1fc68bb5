// Pixel geometry of the board drawing. Every value is its base value times
// BoardScale; the window's client area fixes BoardScale at 1.
#pragma once

#include <cmath>

namespace varnix {

struct BoardGeometry {
    double BoardScale = 0;
    int BoardMargin = 0; // left and top edge of square column and row 1
    int SquareSize = 0;
    int MarkSize = 0;
    int PieceSize = 0;
    int BoardWidth = 0;
    int BoardHeight = 0;
    int PieceBaseX = 0; // a piece cell starts PieceBaseX - PieceShiftX into its column
    int PieceShiftX = 0;
    int PieceBaseY = 0;
    int PieceShiftY = 0;
    int GrabOffset = 0; // from the mouse to a dragged piece's top-left
    double FontPoints = 0;

    // Top-left of the piece cell on screen column and row index (0 to 7).
    int PieceX(int columnIndex) const { return columnIndex * SquareSize + PieceBaseX - PieceShiftX; }
    int PieceY(int rowIndex) const { return rowIndex * SquareSize + PieceBaseY - PieceShiftY; }
    // Top-left of the marker square on screen column and row index.
    int MarkX(int columnIndex) const { return BoardMargin + columnIndex * SquareSize; }
    int MarkY(int rowIndex) const { return BoardMargin + rowIndex * SquareSize; }
};

// The base values times scale.
inline BoardGeometry ScaledGeometry(double scale) {
    auto s = [scale](int base) { return int(std::lround(base * scale)); };
    BoardGeometry g;
    g.BoardScale = scale;
    g.BoardMargin = s(19);
    g.SquareSize = s(41);
    g.MarkSize = s(41);
    g.PieceSize = s(41);
    g.BoardWidth = s(366);
    g.BoardHeight = s(366);
    g.PieceBaseX = s(26);
    g.PieceShiftX = s(8);
    g.PieceBaseY = s(26);
    g.PieceShiftY = s(8);
    g.GrabOffset = s(22);
    g.FontPoints = 9 * scale;
    return g;
}

} // namespace varnix
