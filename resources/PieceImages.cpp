#include "platform/PngImage.h"
#include "resources/EmbeddedPieces.h"
#include "resources/Images.h"

namespace varnix {

namespace {

// Should the embedded bytes ever fail to decode, the board still works: a
// blank sheet and mask draw no pieces instead of crashing.
Surface Decode(const unsigned char* png, std::size_t size, Pixel blank) {
    auto image = LoadPngFromMemory(png, size);
    if (image && image->Width() == 6 * PieceCell && image->Height() == 2 * PieceCell) return std::move(*image);
    return Surface(6 * PieceCell, 2 * PieceCell, blank);
}

} // namespace

Surface PieceSheet() { return Decode(embedded::PieceSheetPng, embedded::PieceSheetPngSize, Rgb(255, 255, 255)); }

Surface PieceMask() { return Decode(embedded::PieceMaskPng, embedded::PieceMaskPngSize, Rgb(0, 0, 0)); }

} // namespace varnix
