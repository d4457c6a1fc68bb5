// The outline of the message box window: a rectangle whose corners are cut
// row by row to match the rounded skin of its title bar and bottom corners.
#pragma once

#include "platform/ModalWindow.h"

#include <vector>

namespace varnix {

// Smallest window, in twips, that the shape is built for.
constexpr double MinShapeWidthTwips = 1695;
constexpr double MinShapeHeightTwips = 615;

struct TwipSize {
    double width = 0;
    double height = 0;
};

// Raises a window size to the smallest one the shape is built for.
TwipSize EnforceMinimumShapeSize(TwipSize size);

// The visible pixels of a window of that size (already at least the minimum),
// one span per visible row, top to bottom.
std::vector<RowSpan> ShapeSpans(TwipSize size);

} // namespace varnix
