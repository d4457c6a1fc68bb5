#include "resources/ButtonPictures.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

int Brightness(Pixel p) { return int((p >> 16) & 0xFF) + int((p >> 8) & 0xFF) + int(p & 0xFF); }

double MeanBrightness(const Surface& s, int x, int y, int w, int h) {
    double sum = 0;
    for (int v = y; v < y + h; ++v)
        for (int u = x; u < x + w; ++u) sum += Brightness(s.At(u, v));
    return sum / (double(w) * h);
}

TEST(ButtonPictures, SkinStripTilesWithoutSeams) {
    const Surface strip = ButtonSkinStrip();
    ASSERT_EQ(strip.Width(), 288);
    ASSERT_EQ(strip.Height(), 24);
    // Tiles repeat side by side, so every row of a middle tile is one colour.
    for (int middle : {15, 159})
        for (int y = 0; y < 24; ++y)
            for (int x = middle; x < middle + 15; ++x) ASSERT_EQ(strip.At(x, y), strip.At(middle, y)) << x << "," << y;
    // The ends continue the middle: their inner columns match the tile's rows.
    for (int y = 6; y < 18; ++y) {
        EXPECT_EQ(strip.At(14, y), strip.At(15, y));
        EXPECT_EQ(strip.At(55, y), strip.At(15, y));
        EXPECT_EQ(strip.At(202, y), strip.At(159, y));
    }
}

TEST(ButtonPictures, SixDistinctKeys) {
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

TEST(ButtonPictures, AboutTextSitsOnALightSheet) {
    const Surface panel = AboutPanelBackground();
    ASSERT_EQ(panel.Width(), 363);
    ASSERT_EQ(panel.Height(), 363);
    int darkest = 765;
    for (int y = 104; y < 321; ++y)
        for (int x = 32; x < 329; ++x) darkest = std::min(darkest, Brightness(panel.At(x, y)));
    EXPECT_GT(darkest, 650) << "black text must read everywhere on the label";
    EXPECT_LT(MeanBrightness(panel, 0, 0, 363, 6), 400) << "a wooden frame";
}

} // namespace
} // namespace varnix
