#include "platform/FontLookup.h"
#include "platform/TextRenderer.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

constexpr Pixel Background = 0x203040;
constexpr Pixel White = 0xFFFFFF;

// The bounding box of the pixels that differ from the background.
struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
};

Box InkBox(const Surface& s) {
    Box b;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.At(x, y) != Background) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

// The board's coordinate font.
class BoardFont : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(font); }
    const std::unique_ptr<TextRenderer> font = TextRenderer::Open("Arial", true, 9);
};

TEST(FontLookup, ArialBoldResolvesToLiberationSansBoldAndAnUnknownFamilyToNothing) {
    auto file = FindFontFile("Arial", true);
    ASSERT_TRUE(file);
    EXPECT_NE(file->path.find("LiberationSans-Bold"), std::string::npos) << file->path;
    EXPECT_FALSE(FindFontFile("Varnix Imaginary Grotesk", false));
}

TEST(TextRenderer, UnknownFamilyFallsBackToDejaVuSansAndSillySizesAreRefused) {
    auto fallback = TextRenderer::Open("Varnix Imaginary Grotesk", false, 12);
    auto dejavu = TextRenderer::Open("DejaVu Sans", false, 12);
    ASSERT_TRUE(fallback);
    ASSERT_TRUE(dejavu);
    EXPECT_EQ(fallback->TextWidth("Varnix 123"), dejavu->TextWidth("Varnix 123"));
    EXPECT_FALSE(TextRenderer::Open("Arial", true, 0));
    EXPECT_FALSE(TextRenderer::Open("Arial", true, -4));
    EXPECT_FALSE(TextRenderer::Open("Arial", true, 9, 0));
}

TEST_F(BoardFont, BoardFontHasArialMetricsAtNinePoints) {
    // 9 pt at 96 dpi is a 12 px em; Arial's ascent is 0.905 em and its line 1.15 em.
    EXPECT_EQ(font->Ascent(), 11);
    EXPECT_GE(font->LineHeight(), 13);
    EXPECT_LE(font->LineHeight(), 15);
    EXPECT_GT(font->TextWidth("W"), font->TextWidth("1"));
}

TEST_F(BoardFont, DrawsTheCellBelowAndRightOfThePointOnly) {
    Surface s(40, 40, Background);
    font->DrawText(s, 10, 10, "A", White);
    const Box ink = InkBox(s);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GE(ink.left, 10);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.right, 10 + font->TextWidth("A"));
    // A capital stands on the baseline, which is Ascent() below the top.
    EXPECT_EQ(ink.bottom, 10 + font->Ascent() - 1);
}

TEST_F(BoardFont, ClipsAtEveryEdgeWithoutTouchingOutside) {
    for (auto [x, y] : {std::pair{-6, 0}, {0, -8}, {14, 0}, {0, 10}, {-500, -500}, {500, 500}}) {
        Surface s(20, 16, Background);
        font->DrawText(s, x, y, "WM", White); // the surface's own bounds checks fail under ASan if crossed
    }
    Surface s(20, 16, Background);
    font->DrawText(s, -6, 0, "W", White);
    EXPECT_FALSE(InkBox(s).Empty()); // the visible part is still drawn
}

TEST_F(BoardFont, AcceptsAnyBytes) {
    Surface s(200, 20, Background);
    const std::string bytes = "Zw\xC3\xA4\xFF\xC3\x28\xE2\x82\x00z";
    font->DrawText(s, 0, 0, bytes, White);
    EXPECT_GT(font->TextWidth(bytes), font->TextWidth("Zwz"));
}

} // namespace
} // namespace varnix
