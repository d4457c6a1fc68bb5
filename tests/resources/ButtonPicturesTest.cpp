#include "resources/ButtonPictures.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

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
