#include "board_view/PieceSet.h"

namespace varnix {

PieceSet::PieceSet(Surface sheet, Surface mask, int cellSize)
    : sheet_(std::move(sheet)), mask_(std::move(mask)), cell_(cellSize) {}

void PieceSet::Bitmaps_LoadPieces() {
    Blit(mask_, 0, 0, mask_.Width(), mask_.Height(), sheet_, 0, 0, RasterOp::And);
    for (int k = 1; k <= 12; ++k) {
        const int column = k > 6 ? k - 7 : k - 1;
        sheetXY_[std::size_t(k)] = {column * cell_, k > 6 ? cell_ : 0};
    }
}

void PieceSet::Draw(Surface& dest, int x, int y, int code) const {
    if (code < 0 || std::size_t(code) >= sheetXY_.size()) return;
    const SheetXY at = sheetXY_[std::size_t(code)];
    Blit(dest, x, y, cell_, cell_, sheet_, at.x, at.y, RasterOp::And);
    Blit(dest, x, y, cell_, cell_, mask_, at.x, at.y, RasterOp::Or);
}

} // namespace varnix
