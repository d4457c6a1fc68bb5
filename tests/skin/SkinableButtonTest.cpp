#include "skin/SkinableButton.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnix {
namespace {

// Every column of the strip has its own colour, so a pixel tells where it was copied from.
Surface NumberedStrip() {
    Surface strip(288, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 288; ++x) strip.Set(x, y, Rgb(x % 256, x / 256 + 1, y));
    return strip;
}

int SourceColumn(const Surface& picture, int x, int y = 3) {
    const Pixel p = picture.At(x, y);
    return int((p >> 16) & 0xFF) + 256 * (int((p >> 8) & 0xFF) - 1);
}

ctrl_SkinableButton Button(double widthTwips) {
    ctrl_SkinableButton button(NumberedStrip());
    button.SetCaption("");
    button.Resize(widthTwips);
    return button;
}

InputEvent Mouse(InputEvent::Kind kind, MouseButton which, int x = 5, int y = 5) {
    InputEvent e;
    e.kind = kind;
    e.button = int(which);
    e.x = x;
    e.y = y;
    return e;
}

void Press(ctrl_SkinableButton& button) { button.HandleMouse(Mouse(InputEvent::Kind::MouseDown, MouseButton::Left)); }
void Release(ctrl_SkinableButton& button) { button.HandleMouse(Mouse(InputEvent::Kind::MouseUp, MouseButton::Left)); }

struct TilingCase {
    const char* name;
    double widthTwips;
    int width;
    // Expected strip column for every pixel column of the button.
    std::vector<int> columns;
};

// The normal look: left end at strip column 0, middle tile at 15, right end at 55.
std::vector<int> Columns(int width, int rightEndAt) {
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[std::size_t(x)] = x >= rightEndAt ? 55 + x - rightEndAt : x < 15 ? x : 15 + (x - 15) % 15;
    return columns;
}

class SkinableButtonTilingTest : public testing::TestWithParam<TilingCase> {};

TEST_P(SkinableButtonTilingTest, CopiesEndsAndTiles) {
    const TilingCase& c = GetParam();
    const ctrl_SkinableButton button = Button(c.widthTwips);
    ASSERT_EQ(button.Picture().Width(), c.width);
    ASSERT_EQ(button.Picture().Height(), 24);
    for (int x = 0; x < c.width; ++x) EXPECT_EQ(SourceColumn(button.Picture(), x), c.columns[std::size_t(x)]) << "x " << x;
    EXPECT_EQ(button.Picture().At(0, 17) & 0xFF, 17u) << "rows are copied one to one";
}

INSTANTIATE_TEST_SUITE_P(
    Skin, SkinableButtonTilingTest,
    testing::Values(
        // 5 tiles from x = 15 to 75, the last clipped; the right end at 65 covers them.
        TilingCase{"Width81", 1215, 81, Columns(81, 65)},
        // Below 31 px the right end lies over the left end, here even past the button's left edge.
        TilingCase{"NarrowerThanAnEnd", 150, 10, Columns(10, -6)},
        // 22.5 px: the right end's x of 6.5 rounds to the even 6.
        TilingCase{"HalfPixelRoundsToEven", 337.5, 22, Columns(22, 6)}),
    [](const auto& info) { return std::string(info.param.name); });

// The program's buttons take their clicks from the window; this guards the control's own mouse handling.
TEST(SkinableButtonTest, OnlyALeftPressAndItsReleaseAnywhereClickOnceAndNeverFromInsideClick) {
    ctrl_SkinableButton button = Button(1215);
    int clicks = 0;
    button.Click = [&] { ++clicks; };
    Release(button);
    button.HandleMouse(Mouse(InputEvent::Kind::MouseDown, MouseButton::Right));
    EXPECT_EQ(SourceColumn(button.Picture(), 0), 0);
    button.HandleMouse(Mouse(InputEvent::Kind::MouseUp, MouseButton::Right));
    Press(button);
    EXPECT_EQ(SourceColumn(button.Picture(), 0), 144);
    EXPECT_EQ(SourceColumn(button.Picture(), 65), 202);
    EXPECT_EQ(clicks, 0);
    button.HandleMouse(Mouse(InputEvent::Kind::MouseUp, MouseButton::Left, -300, 900));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SourceColumn(button.Picture(), 0), 0);
    Release(button);
    EXPECT_EQ(clicks, 1);

    button.Click = [&] {
        ++clicks;
        Press(button);
        Release(button);
    };
    Press(button);
    Release(button);
    EXPECT_EQ(clicks, 2);

    button.SetEnabled(false);
    Press(button);
    Release(button);
    EXPECT_EQ(clicks, 2);
}

// The topmost row holding a caption pixel, on a strip of one colour; -1 when none is drawn.
int CaptionTop(const Surface& picture, Pixel face) {
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.At(x, y) != face) return y;
    return -1;
}

TEST(SkinableButtonTest, CaptionMovesDownOnePixelWhenPressed) {
    const Pixel face = Rgb(60, 30, 20);
    ctrl_SkinableButton button(Surface(288, 24, face));
    button.SetCaption("OK");
    button.Resize(855);
    const int normalTop = CaptionTop(button.Picture(), face);
    if (normalTop < 0) GTEST_SKIP() << "no font installed to draw the caption";

    Press(button);
    EXPECT_EQ(CaptionTop(button.Picture(), face), normalTop + 1);
}

} // namespace
} // namespace varnix
