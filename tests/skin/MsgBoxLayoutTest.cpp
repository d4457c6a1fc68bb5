#include "FixedMeasure.h"
#include "skin/MsgBoxLayout.h"
#include "skin/Twips.h"
#include "skin/WindowShape.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnix {
namespace {

const FixedMeasure Measure;
constexpr int WideScreen = 1280 * 3 / 4;

bool Inside(const TwipRect& inner, const TwipRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

// The buttons stand in one row below the prompt and inside the box, with equal gaps between them
// and the box's edges, and every caption lies on its button.
void ExpectButtonRow(const FrmMsgControls& form, const std::vector<std::pair<const FrmMsgImage*, const FrmMsgLabel*>>& row) {
    const TwipRect box{0, 0, form.width, form.height};
    std::vector<double> gaps;
    double right = 0;
    for (const auto& [button, caption] : row) {
        EXPECT_TRUE(button->visible && caption->visible) << caption->text;
        EXPECT_DOUBLE_EQ(button->rect.top, row.front().first->rect.top);
        EXPECT_GE(button->rect.top, form.prompt.rect.top + form.prompt.rect.height) << caption->text;
        EXPECT_TRUE(Inside(button->rect, box)) << caption->text;
        EXPECT_TRUE(Inside(caption->rect, button->rect)) << caption->text;
        gaps.push_back(button->rect.left - right);
        right = button->rect.left + button->rect.width;
    }
    gaps.push_back(form.width - right);
    for (double gap : gaps) EXPECT_DOUBLE_EQ(gap, gaps.front());
}

TEST(MsgBoxLayout, EachButtonSetGetsItsButtonsInOneEvenRowAndTheBoxFitsThePrompt) {
    for (const std::string& prompt : {std::string("  Hi"), std::string(50, 'x') + "\r" + std::string(20, 'y')}) {
        SCOPED_TRACE(prompt.substr(0, 10));
        FrmMsgControls ok, yesNo, yesNoCancel;
        ok.prompt.text = yesNo.prompt.text = yesNoCancel.prompt.text = prompt;
        EXPECT_EQ(LayoutMessageBox(ok, 0, WideScreen, Measure), MsgTypeOk);
        EXPECT_EQ(LayoutMessageBox(yesNo, 1, WideScreen, Measure), MsgTypeYesNo);
        EXPECT_EQ(LayoutMessageBox(yesNoCancel, 2, WideScreen, Measure), MsgTypeYesNoCancel);
        ExpectButtonRow(ok, {{&ok.ok, &ok.okLabel}});
        ExpectButtonRow(yesNo, {{&yesNo.ok, &yesNo.okLabel}, {&yesNo.no, &yesNo.noLabel}});
        ExpectButtonRow(yesNoCancel, {{&yesNoCancel.ok, &yesNoCancel.okLabel},
                                      {&yesNoCancel.no, &yesNoCancel.noLabel},
                                      {&yesNoCancel.cancel, &yesNoCancel.cancelLabel}});
        EXPECT_EQ(yesNo.okLabel.text, "Yes");
        EXPECT_FALSE(ok.no.visible || ok.cancel.visible || yesNo.cancel.visible);
        // Only the box with a Cancel answer can be closed by its button.
        EXPECT_FALSE(ok.closeButton.visible || yesNo.closeButton.visible);
        EXPECT_TRUE(yesNoCancel.closeButton.visible);
        for (const FrmMsgControls* form : {&ok, &yesNo, &yesNoCancel}) {
            EXPECT_GE(form->width, 2000);
            EXPECT_GE(form->width, form->prompt.rect.left + form->prompt.rect.width);
            // The skin follows the box: the title bar spans it and the bottom corner sits in its corner.
            EXPECT_DOUBLE_EQ(form->titleRight.rect.left + form->titleRight.rect.width, form->width);
            EXPECT_DOUBLE_EQ(form->bottomRight.rect.top + form->bottomRight.rect.height, form->height);
            EXPECT_DOUBLE_EQ(form->bLeft.rect.top + form->bLeft.rect.height, form->height);
        }
    }
}

TEST(MsgBoxLayout, PromptsAreBrokenWithinTheLimit) {
    const std::string words = std::string(30, 'a') + " " + std::string(30, 'b');
    FrmMsgControls wide, narrow;
    wide.prompt.text = narrow.prompt.text = words;
    LayoutMessageBox(wide, 2, WideScreen, Measure);
    LayoutMessageBox(narrow, 2, 200, Measure);
    EXPECT_EQ(wide.prompt.text, words);
    EXPECT_EQ(narrow.prompt.text, std::string(30, 'a') + "\r" + std::string(30, 'b'));
    EXPECT_DOUBLE_EQ(narrow.prompt.rect.height, 2 * 195);
}

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
}

} // namespace
} // namespace varnix
