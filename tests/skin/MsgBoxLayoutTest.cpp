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

TEST(MsgBoxLayout, PromptsAreBrokenWithinTheLimitAndTheDesignLayoutKeepsItsOwn) {
    const std::string words = std::string(30, 'a') + " " + std::string(30, 'b');
    FrmMsgControls wide, narrow;
    wide.prompt.text = narrow.prompt.text = words;
    LayoutMessageBox(wide, 2, WideScreen, Measure);
    LayoutMessageBox(narrow, 2, 200, Measure);
    EXPECT_EQ(wide.prompt.text, words);
    EXPECT_EQ(narrow.prompt.text, std::string(30, 'a') + "\r" + std::string(30, 'b'));
    EXPECT_DOUBLE_EQ(narrow.prompt.rect.height, 2 * 195);

    // An unknown button set leaves the design's box, and its label wraps within the design's 2550 twips.
    FrmMsgControls unknown;
    unknown.prompt.text = std::string(20, 'a') + " " + std::string(20, 'b');
    EXPECT_EQ(LayoutMessageBox(unknown, 7, WideScreen, Measure), 0);
    const FrmMsgControls design;
    EXPECT_DOUBLE_EQ(unknown.width, design.width);
    EXPECT_DOUBLE_EQ(unknown.height, design.height);
    EXPECT_DOUBLE_EQ(unknown.ok.rect.left, design.ok.rect.left);
    EXPECT_EQ(unknown.prompt.text, std::string(20, 'a') + "\r" + std::string(20, 'b'));
}

TEST(MsgBoxLayout, InputBoxPutsTheFieldBelowThePromptAndTheButtonsAtTheRight) {
    FrmMsgControls form;
    form.prompt.text = "  Move:";
    LayoutInputBox(form, 640, Measure);
    EXPECT_DOUBLE_EQ(form.prompt.rect.width, 4000); // a short prompt is widened
    EXPECT_DOUBLE_EQ(form.width, 4000 + 200 + 1095 + 100);
    const double gap = (1650 - 315 - 255 - 450 - 100) / 3.0; // the second button still has its design height
    EXPECT_DOUBLE_EQ(form.ok.rect.left, 4200);
    EXPECT_DOUBLE_EQ(form.ok.rect.top, gap + 450);
    EXPECT_DOUBLE_EQ(form.no.rect.top, gap + 450 + 315 + gap);
    EXPECT_EQ(form.noLabel.text, "Cancel");
    EXPECT_TRUE(form.closeButton.visible && form.inputFrame.visible);
    EXPECT_GE(form.inputFrame.rect.top, form.prompt.rect.top + form.prompt.rect.height);
    EXPECT_LE(form.inputFrame.rect.left + form.inputFrame.rect.width, form.ok.rect.left);

    // A prompt broken to fit is not widened, and the box keeps its width.
    FrmMsgControls broken;
    broken.prompt.text = std::string(20, 'a') + " " + std::string(20, 'b');
    LayoutInputBox(broken, 150, Measure);
    EXPECT_DOUBLE_EQ(broken.prompt.rect.width, 20 * 6 * 15);
    EXPECT_DOUBLE_EQ(broken.width, 20 * 6 * 15 + 1395);
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
