#include "resources/ButtonPictures.h"
#include "resources/Images.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnix {
namespace {

constexpr Pixel White = 0xFFFFFF;
constexpr Pixel Black = 0x000000;

// The marker frame and the check square are pinned by the board view's pixel tests; the piece
// pictures are not, since those tests build their expected cells from the very sheet and mask.
TEST(Images, PiecesLieOnPureWhiteInsideTheirMaskedCells) {
    const Surface sheet = PieceSheet(), mask = PieceMask();
    ASSERT_TRUE(sheet.Width() == 246 && sheet.Height() == 82 && mask.Width() == 246 && mask.Height() == 82);
    for (int cell = 0; cell < 12; ++cell) {
        const int cx = (cell % 6) * 41, cy = (cell / 6) * 41;
        int inked = 0;
        for (int y = 0; y < 41; ++y)
            for (int x = 0; x < 41; ++x) {
                const Pixel m = mask.At(cx + x, cy + y);
                ASSERT_TRUE(m == White || m == Black) << "mask not pure at cell " << cell;
                if (m == Black) {
                    ASSERT_EQ(sheet.At(cx + x, cy + y), White) << "sheet not white outside cell " << cell;
                    continue;
                }
                ++inked;
                // The animation erases a piece by its square, one pixel right of and below the cell.
                EXPECT_TRUE(x > 0 && y > 0) << "ink on the cell's top or left edge, cell " << cell;
            }
        EXPECT_GT(inked, 150) << "cell " << cell << " is nearly empty";
        EXPECT_LT(inked, 41 * 41 * 3 / 4) << "cell " << cell;
    }
}

// The skinnable button cuts the strip at fixed columns, and the window asks for keys by index.
TEST(ButtonPictures, StripAndKeysHaveTheSizesTheirUsersCutThemBy) {
    const Surface strip = ButtonSkinStrip();
    EXPECT_EQ(strip.Width(), 288);
    EXPECT_EQ(strip.Height(), 24);
    std::vector<Surface> keys;
    for (int i = 0; i < 6; ++i) {
        keys.push_back(KeyPicture(i));
        ASSERT_EQ(keys.back().Width(), 16);
        ASSERT_EQ(keys.back().Height(), 16);
        for (int j = 0; j < i; ++j) EXPECT_NE(keys[std::size_t(i)].Pixels(), keys[std::size_t(j)].Pixels()) << i << j;
    }
    EXPECT_EQ(KeyPicture(-1).Width(), 0);
    EXPECT_EQ(KeyPicture(6).Width(), 0);
}

} // namespace
} // namespace varnix
