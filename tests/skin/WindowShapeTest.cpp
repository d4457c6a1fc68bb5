#include "skin/MsgBoxLayout.h"
#include "skin/Twips.h"
#include "skin/WindowShape.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

// The 2000 x 1610 twips window of 133.33 x 107.33 pixels.
TEST(ShapeSpans, CutsTheCornersOfTheExampleWindow) {
    const std::vector<RowSpan> spans = ShapeSpans({2000, 1610});
    ASSERT_EQ(spans.size(), 106u); // rows 1 to 106; row 0 is cut whole
    for (std::size_t i = 0; i < spans.size(); ++i) EXPECT_EQ(spans[i].y, int(i) + 1);

    // The corners are cut, the middle rows span the whole width.
    EXPECT_EQ(spans[0].x0, 7);
    EXPECT_EQ(spans[0].x1, 127);
    EXPECT_EQ(spans[50].x0, 0);
    EXPECT_EQ(spans[50].x1, 133);
    EXPECT_EQ(spans.back().x0, 8);
    EXPECT_EQ(spans.back().x1, 125);
}

TEST(ShapeSpans, RoundsEveryCoordinateOnItsOwn) {
    // 2002.5 twips is 133.5 pixels: w rounds to 134, w - 1 to 132, w - 6 to 128.
    const std::vector<RowSpan> spans = ShapeSpans({2002.5, 1610});
    EXPECT_EQ(spans[0].x1, 128);
    EXPECT_EQ(spans[5].x1, 132);
    EXPECT_EQ(spans[10].x1, 134);
}

TEST(ShapeForm, EnlargesASmallWindowAndFollowsEveryResize) {
    FrmMsgControls form;
    form.width = 900;
    form.height = 300;
    const std::vector<RowSpan> small = ShapeForm(form);
    EXPECT_EQ(form.width, MinShapeWidthTwips);
    EXPECT_EQ(form.height, MinShapeHeightTwips);
    EXPECT_EQ(small.back().y, 40); // 615 twips = 41 rows
    EXPECT_EQ(small[10].x1, 113);  // 1695 twips = 113 columns
    form.width = 3000;
    form.height = 2000;
    const std::vector<RowSpan> large = ShapeForm(form);
    EXPECT_EQ(large.back().y, 132);
    EXPECT_EQ(large[50].x1, 200);
    EXPECT_EQ(large.back().x1, 192);
}

} // namespace
} // namespace varnix
