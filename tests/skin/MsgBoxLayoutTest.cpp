#include "FixedMeasure.h"
#include "skin/MsgBoxLayout.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

const FixedMeasure Measure;
constexpr int WideScreen = 1280 * 3 / 4;

FrmMsgControls MessageBox(const std::string& prompt, int buttons, int* msgType = nullptr) {
    FrmMsgControls form;
    form.prompt.text = prompt;
    const int type = LayoutMessageBox(form, buttons, WideScreen, Measure);
    if (msgType) *msgType = type;
    return form;
}

TEST(MsgBoxLayout, ShortOkBoxIsTheSmallestWidthAndPromptHeightPlus1415High) {
    int type = 0;
    const FrmMsgControls form = MessageBox("  Hi", 0, &type);
    EXPECT_EQ(type, MsgTypeOk);
    EXPECT_DOUBLE_EQ(form.width, 2000);
    EXPECT_DOUBLE_EQ(form.prompt.rect.height, 195);
    EXPECT_DOUBLE_EQ(form.height, 195 + 1415);
    EXPECT_DOUBLE_EQ(form.ok.rect.left, (2000 - 1095) / 2.0);
    EXPECT_DOUBLE_EQ(form.ok.rect.top, 600 + 195 + 250);
    EXPECT_EQ(form.okLabel.text, "OK");
    EXPECT_FALSE(form.closeButton.visible || form.no.visible || form.cancel.visible);
}

TEST(MsgBoxLayout, LongOkBoxGrowsWithItsPrompt) {
    const FrmMsgControls form = MessageBox(std::string(50, 'x') + "\r" + std::string(20, 'y'), 0);
    EXPECT_DOUBLE_EQ(form.prompt.rect.width, 50 * 6 * 15);
    EXPECT_DOUBLE_EQ(form.width, 50 * 6 * 15 + 200);
    EXPECT_DOUBLE_EQ(form.height, 2 * 195 + 1415);
}

TEST(MsgBoxLayout, YesNoBoxSpacesItsTwoButtonsEvenly) {
    int type = 0;
    const FrmMsgControls form = MessageBox("  Hi", 1, &type);
    EXPECT_EQ(type, MsgTypeYesNo);
    EXPECT_DOUBLE_EQ(form.width, 1095 + 1095 + 300);
    const double gap = (2490 - 2190) / 3.0;
    EXPECT_DOUBLE_EQ(form.ok.rect.left, gap);
    EXPECT_DOUBLE_EQ(form.no.rect.left, gap + 1095 + gap);
    EXPECT_EQ(form.okLabel.text, "Yes");
    EXPECT_TRUE(form.no.visible && form.noLabel.visible);
    EXPECT_FALSE(form.cancel.visible || form.closeButton.visible);
}

TEST(MsgBoxLayout, YesNoCancelBoxHasThreeButtonsAndTheCloseButton) {
    int type = 0;
    const FrmMsgControls form = MessageBox("  Hi", 2, &type);
    EXPECT_EQ(type, MsgTypeYesNoCancel);
    EXPECT_DOUBLE_EQ(form.width, 3 * 1095 + 400);
    const double gap = 400 / 4.0;
    EXPECT_DOUBLE_EQ(form.ok.rect.left, gap);
    EXPECT_DOUBLE_EQ(form.no.rect.left, 2 * gap + 1095);
    EXPECT_DOUBLE_EQ(form.cancel.rect.left, 3 * gap + 2 * 1095);
    EXPECT_DOUBLE_EQ(form.cancelLabel.rect.width, 8 * 6 * 15); // the '&' takes no room
    EXPECT_TRUE(form.cancel.visible && form.cancelLabel.visible && form.closeButton.visible);
}

TEST(MsgBoxLayout, PromptsWiderThanTheLimitAreBrokenAtSpaces) {
    const FrmMsgControls form = MessageBox(std::string(30, 'a') + " " + std::string(30, 'b'), 2);
    FrmMsgControls narrow;
    narrow.prompt.text = std::string(30, 'a') + " " + std::string(30, 'b');
    LayoutMessageBox(narrow, 2, 200, Measure);
    EXPECT_EQ(form.prompt.text.find('\r'), std::string::npos);
    EXPECT_EQ(narrow.prompt.text, std::string(30, 'a') + "\r" + std::string(30, 'b'));
    EXPECT_DOUBLE_EQ(narrow.prompt.rect.height, 2 * 195);
}

TEST(MsgBoxLayout, UnknownButtonSetKeepsTheDesignLayout) {
    int type = -1;
    const FrmMsgControls form = MessageBox("Hi", 7, &type);
    const FrmMsgControls design;
    EXPECT_EQ(type, 0);
    EXPECT_DOUBLE_EQ(form.width, design.width);
    EXPECT_DOUBLE_EQ(form.height, design.height);
    EXPECT_DOUBLE_EQ(form.ok.rect.left, design.ok.rect.left);
    // The design label wraps within its own 2550 twips.
    FrmMsgControls wide;
    wide.prompt.text = std::string(20, 'a') + " " + std::string(20, 'b');
    LayoutMessageBox(wide, 9, WideScreen, Measure);
    EXPECT_EQ(wide.prompt.text, std::string(20, 'a') + "\r" + std::string(20, 'b'));
}

TEST(MsgBoxLayout, SkinPiecesFollowTheWindowSize) {
    FrmMsgControls form;
    form.width = 3000;
    form.height = 1800;
    PlaceSkin(form);
    EXPECT_DOUBLE_EQ(form.title.rect.left, 240);
    EXPECT_DOUBLE_EQ(form.title.rect.width, 3000 - 240 - 435);
    EXPECT_DOUBLE_EQ(form.closeButton.rect.left, 3000 - 435 - 195 - 2);
    EXPECT_DOUBLE_EQ(form.bLeft.rect.height, 1800 - 450);
    EXPECT_DOUBLE_EQ(form.bottomRight.rect.top, 1800 - 210);
}

TEST(MsgBoxLayout, InputBoxPutsTheFieldBelowThePromptAndTheButtonsAtTheRight) {
    FrmMsgControls form;
    form.prompt.text = "  Move:";
    LayoutInputBox(form, 640, Measure);
    EXPECT_DOUBLE_EQ(form.prompt.rect.width, 4000); // a short prompt is widened
    EXPECT_DOUBLE_EQ(form.width, 4000 + 200 + 1095 + 100);
    EXPECT_DOUBLE_EQ(form.height, 195 + 600 + 285 + 470 + 100);
    const double gap = (1650 - 315 - 255 - 450 - 100) / 3.0; // the second button still has its design height
    EXPECT_DOUBLE_EQ(form.ok.rect.left, 4200);
    EXPECT_DOUBLE_EQ(form.ok.rect.top, gap + 450);
    EXPECT_DOUBLE_EQ(form.no.rect.top, gap + 450 + 315 + gap);
    EXPECT_EQ(form.noLabel.text, "Cancel");
    EXPECT_TRUE(form.closeButton.visible && form.inputFrame.visible);
    EXPECT_DOUBLE_EQ(form.inputFrame.rect.top, form.no.rect.top);
    EXPECT_DOUBLE_EQ(form.inputField.width, 4040 - 150);
}

TEST(MsgBoxLayout, InputBoxKeepsTheWidthOfARebrokenPrompt) {
    FrmMsgControls form;
    form.prompt.text = std::string(20, 'a') + " " + std::string(20, 'b');
    LayoutInputBox(form, 150, Measure);
    EXPECT_DOUBLE_EQ(form.prompt.rect.width, 20 * 6 * 15);
    EXPECT_DOUBLE_EQ(form.width, 20 * 6 * 15 + 1395);
    EXPECT_DOUBLE_EQ(form.height, 2 * 195 + 600 + 855);
}

} // namespace
} // namespace varnix
