// The program's own pictures for the board, built by code (the pieces at
// build time, the rest on request). Each call builds a fresh surface; the
// board view asks once and keeps them for the run.
#pragma once

#include "platform/Surface.h"

namespace varnix {

// Layout of the board picture: 8 x 8 squares of BoardSquare px inside a frame
// of BoardFrame px; the light square is top-left.
inline constexpr int BoardPictureWidth = 366;
inline constexpr int BoardPictureHeight = 365;
inline constexpr int BoardFrame = 19;
inline constexpr int BoardSquare = 41;
inline constexpr int PieceCell = 41;

// Wooden board: dark reddish frame, maple and mahogany squares.
Surface BoardPicture();
// 246 x 82: pawn to king in columns, White row above Black row, on pure white.
Surface PieceSheet();
// Same layout: pure white silhouettes on pure black.
Surface PieceMask();
// 41 x 41: a 4 px black frame round a white 33 x 33 inside.
Surface MarkerFrame();
// 41 x 41: pure red.
Surface CheckSquare();

} // namespace varnix
