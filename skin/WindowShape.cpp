#include "skin/WindowShape.h"

#include "skin/Twips.h"

#include <algorithm>
#include <array>

namespace varnix {

namespace {

// Pixels cut from each end of the top rows 1 to 7; row 0 is cut whole. The
// left corner is one pixel rounder than the right one in rows 1 to 4.
constexpr std::array<int, 7> TopLeftCut = {7, 5, 4, 3, 2, 1, 1};
constexpr std::array<int, 7> TopRightCut = {6, 4, 3, 2, 2, 1, 1};
// Pixels cut from both ends of the bottom rows, from h - 8 down to h - 1.
constexpr std::array<int, 8> BottomCut = {1, 1, 2, 2, 3, 4, 6, 8};

} // namespace

TwipSize EnforceMinimumShapeSize(TwipSize size) {
    return {std::max(size.width, MinShapeWidthTwips), std::max(size.height, MinShapeHeightTwips)};
}

std::vector<RowSpan> ShapeSpans(TwipSize size) {
    // Coordinates that involve the fractional pixel size are each rounded on their own.
    const double w = size.width / TwipsPerPixel, h = size.height / TwipsPerPixel;
    const auto right = [w](int k) { return RoundHalfEven(w - k); };
    const auto fromBottom = [h](int k) { return RoundHalfEven(h - k); };

    std::vector<RowSpan> spans;
    for (int row = 1; row <= int(TopLeftCut.size()); ++row)
        spans.push_back({row, TopLeftCut[std::size_t(row - 1)], right(TopRightCut[std::size_t(row - 1)])});
    const int firstBottomRow = fromBottom(int(BottomCut.size()));
    for (int row = int(TopLeftCut.size()) + 1; row < firstBottomRow; ++row) spans.push_back({row, 0, right(0)});
    for (int k = int(BottomCut.size()); k >= 1; --k) {
        const int cut = BottomCut[std::size_t(int(BottomCut.size()) - k)];
        spans.push_back({fromBottom(k), cut, right(cut)});
    }
    return spans;
}

} // namespace varnix
