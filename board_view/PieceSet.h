// The piece sheet, its mask and the table of where each piece code's cell
// lies in them. A piece goes onto a surface in two copies of its cell: the
// sheet with AND, then the prepared mask with OR.
#pragma once

#include "platform/Surface.h"

#include <array>
#include <cstdint>

namespace varnix {

struct SheetXY {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

class PieceSet {
public:
    PieceSet(Surface sheet, Surface mask, int cellSize);

    // ANDs the sheet into the mask (the mask then holds each piece's own
    // colours on black) and fills PieceSheetXY for codes 1 to 12.
    void Bitmaps_LoadPieces();
    // Draws the cell of code with its top-left at (x, y); codes without a
    // table entry (beyond 16) draw nothing.
    void Draw(Surface& dest, int x, int y, int code) const;

    const std::array<SheetXY, 17>& PieceSheetXY() const { return sheetXY_; }
    const Surface& Sheet() const { return sheet_; }
    const Surface& Mask() const { return mask_; }

private:
    Surface sheet_; // o_ppic
    Surface mask_;  // m_ppic
    int cell_;
    std::array<SheetXY, 17> sheetXY_{};
};

} // namespace varnix
