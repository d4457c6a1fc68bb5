// Draws the piece sheet and its mask from a font's chess glyphs: each piece
// is rendered four times larger than its cell, coloured there, and averaged
// down, so its edges are smooth at 41 px.
#pragma once

#include "platform/Surface.h"
#include "platform/TextRenderer.h"

#include <optional>

namespace varnix {

struct PieceImages {
    Surface sheet; // 246 x 82, pieces on pure white, White row above Black, pawn to king
    Surface mask;  // the same layout, pure white where a piece is, pure black elsewhere
};

// Nothing when the font lacks the chess glyphs.
std::optional<PieceImages> DrawPieceImages(const std::string& family);

} // namespace varnix
