#include "platform/PngImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace varnix {
namespace {

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
