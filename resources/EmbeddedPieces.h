// The piece sheet and mask as PNG bytes, made at build time by varnix-make-pieces.
#pragma once

#include <cstddef>

namespace varnix::embedded {

extern const unsigned char PieceSheetPng[];
extern const std::size_t PieceSheetPngSize;
extern const unsigned char PieceMaskPng[];
extern const std::size_t PieceMaskPngSize;

} // namespace varnix::embedded
