#include "platform/PngImage.h"
#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace varnix {
namespace {

// The four raster operations are pinned pixel for pixel by the board view's tests (each breaks
// them); the clipping at every edge is not, as the board never reaches past its buffers.
// A 4 x 4 destination and a 4 x 4 source whose pixel value encodes its place.
struct ClipCase {
    const char* name;
    int x, y, w, h, sx, sy;
};

class BlitClipTest : public testing::TestWithParam<ClipCase> {};

TEST_P(BlitClipTest, WritesOnlyWhereBothRectanglesOverlapTheirSurfaces) {
    const ClipCase& c = GetParam();
    Surface src(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) src.Set(x, y, Pixel(0x010000 + y * 16 + x));
    Surface dest(4, 4, 0xFFFFFF);
    Blit(dest, c.x, c.y, c.w, c.h, src, c.sx, c.sy, RasterOp::Copy);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const int u = x - c.x + c.sx, v = y - c.y + c.sy; // the source pixel that lands here
            const bool covered = x >= c.x && x < c.x + c.w && y >= c.y && y < c.y + c.h && u >= 0 && u < 4 &&
                                 v >= 0 && v < 4;
            EXPECT_EQ(dest.At(x, y), covered ? src.At(u, v) : 0xFFFFFFu) << "at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blit, BlitClipTest,
    testing::Values(ClipCase{"DestLeftAndTop", -2, -3, 4, 4, 0, 0}, ClipCase{"DestRightAndBottom", 2, 3, 4, 4, 0, 0},
                    ClipCase{"SourceLeftAndTop", 0, 0, 4, 4, -1, -2}, ClipCase{"SourceRightAndBottom", 0, 0, 4, 4, 3, 2},
                    ClipCase{"SourceOutside", 0, 0, 2, 2, 4, 4}, ClipCase{"NegativeSize", 0, 0, -3, 2, 0, 0},
                    ClipCase{"Huge", -1000000, -1000000, 2000000, 2000000, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Blit, EmptySurfacesAreHarmless) {
    Surface empty;
    Surface dest(2, 2, 0x333333);
    Blit(dest, 0, 0, 2, 2, empty, 0, 0, RasterOp::Copy);
    Blit(empty, 0, 0, 2, 2, dest, 0, 0, RasterOp::Copy);
    EXPECT_EQ(dest.At(1, 1), 0x333333u);
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Surface Pattern() {
    Surface s(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) s.Set(x, y, Rgb(x * 36, y * 60, 255 - x * y * 7));
    return s;
}

TEST(PngImage, SavedPictureLoadsBackPixelForPixel) {
    const std::string path = testing::TempDir() + "varnix_png_roundtrip.png";
    const Surface original = Pattern();
    ASSERT_TRUE(SavePng(original, path));
    auto fromFile = LoadPng(path);
    ASSERT_TRUE(fromFile);
    EXPECT_EQ(fromFile->Width(), 7);
    EXPECT_EQ(fromFile->Height(), 5);
    EXPECT_EQ(fromFile->Pixels(), original.Pixels());

    const auto bytes = ReadBytes(path);
    auto fromMemory = LoadPngFromMemory(bytes.data(), bytes.size());
    ASSERT_TRUE(fromMemory);
    EXPECT_EQ(fromMemory->Pixels(), original.Pixels());
    std::remove(path.c_str());
}

TEST(PngImage, UnreadableInputIsNoImage) {
    EXPECT_FALSE(LoadPng(testing::TempDir() + "varnix_no_such_file.png"));
    EXPECT_FALSE(LoadPngFromMemory(nullptr, 10));
    const unsigned char junk[] = "this is not a png at all";
    EXPECT_FALSE(LoadPngFromMemory(junk, sizeof junk));

    const std::string path = testing::TempDir() + "varnix_png_truncated.png";
    ASSERT_TRUE(SavePng(Pattern(), path));
    auto bytes = ReadBytes(path);
    for (std::size_t keep : {std::size_t(8), std::size_t(33), bytes.size() / 2, bytes.size() - 13})
        EXPECT_FALSE(LoadPngFromMemory(bytes.data(), keep)) << "kept " << keep;
    std::remove(path.c_str());
}

TEST(PngImage, SaveFailsForEmptySurfaceOrUnwritablePath) {
    EXPECT_FALSE(SavePng(Surface(), testing::TempDir() + "varnix_empty.png"));
    EXPECT_FALSE(SavePng(Pattern(), "/nonexistent-folder/varnix.png"));
}

} // namespace
} // namespace varnix
