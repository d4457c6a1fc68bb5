#include "MsgBoxTestSupport.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

using Answer = std::function<void(MsgBoxRig&, const FrmMsgControls&)>;

TEST(MsgBoxResults, EachButtonKeyAndCloseGivesItsAnswer) {
    const auto key = [](int k) { return Answer([k](MsgBoxRig& rig, const FrmMsgControls&) { rig.platform.QueueEvent(MsgBoxRig::Key(k)); }); };
    const auto click = [](FrmMsgImage FrmMsgControls::*button) {
        return Answer([button](MsgBoxRig& rig, const FrmMsgControls& form) { rig.Click(form.*button); });
    };
    const Answer windowClose = [](MsgBoxRig& rig, const FrmMsgControls&) {
        InputEvent e;
        e.kind = InputEvent::Kind::Close;
        rig.platform.QueueEvent(e);
    };
    const struct {
        const char* name;
        int buttons;
        Answer answer;
        int result;
    } cases[] = {
        {"OK button", 0, click(&FrmMsgControls::ok), MsgBoxOk},
        {"N in an OK box", 0, key('N'), MsgBoxNo},
        {"Enter does nothing", 0, key(ModalKey::Enter), MsgBoxNone},
        {"hidden close button", 0, click(&FrmMsgControls::closeButton), MsgBoxNone},
        {"window closed, OK box", 0, windowClose, MsgBoxNone},
        {"Yes", 1, click(&FrmMsgControls::ok), MsgBoxOk},
        {"s in a Yes/No box", 1, key('s'), MsgBoxOk},
        {"window closed, Yes/No box", 1, windowClose, MsgBoxNo},
        {"Cancel", 2, click(&FrmMsgControls::cancel), MsgBoxCancel},
        {"close button", 2, click(&FrmMsgControls::closeButton), MsgBoxCancel},
        {"c in a Yes/No/Cancel box", 2, key('c'), MsgBoxCancel},
        {"design layout, N", 9, key('N'), MsgBoxNo},
    };
    for (const auto& c : cases) {
        MsgBoxRig rig;
        c.answer(rig, MsgBoxRig::Message(c.buttons));
        EXPECT_EQ(ClsMain(rig.context).MsgBoxXP("Hi", "", c.buttons, 2), c.result) << c.name;
        EXPECT_EQ(rig.platform.ModalWindowsShown(), 1) << c.name;
        EXPECT_EQ(rig.platform.Beeps(), 1) << c.name;
    }
}

TEST(MsgBoxResults, AClickNeedsPressAndReleaseOnTheSameButton) {
    const FrmMsgControls form = MsgBoxRig::Message(2);
    const struct {
        const char* name;
        std::function<void(MsgBoxRig&)> answer;
        int result;
    } cases[] = {
        {"released off the button", [&](MsgBoxRig& rig) { rig.Press(form.ok); rig.Release(form.titleRight); }, MsgBoxNone},
        {"pressed off, released on", [&](MsgBoxRig& rig) { rig.Press(form.title); rig.Release(form.cancel); }, MsgBoxNone},
        {"right button", [&](MsgBoxRig& rig) {
             const PixelRect r = MsgBoxRig::At(form.ok);
             rig.platform.QueueEvent(MsgBoxRig::Mouse(InputEvent::Kind::MouseDown, r.x + 5, r.y + 5, int(MouseButton::Right)));
             rig.platform.QueueEvent(MsgBoxRig::Mouse(InputEvent::Kind::MouseUp, r.x + 5, r.y + 5, int(MouseButton::Right)));
         }, MsgBoxNone},
        {"on the caption", [&](MsgBoxRig& rig) {
             const PixelRect r = ToPixels(form.cancelLabel.rect);
             rig.platform.QueueEvent(MsgBoxRig::Mouse(InputEvent::Kind::MouseDown, r.x + 1, r.y + 1));
             rig.platform.QueueEvent(MsgBoxRig::Mouse(InputEvent::Kind::MouseUp, r.x + 1, r.y + 1));
         }, MsgBoxCancel},
        {"after moving off and back", [&](MsgBoxRig& rig) {
             rig.Press(form.no);
             rig.MoveOver(form.titleRight, int(MouseButton::Left));
             rig.MoveOver(form.no, int(MouseButton::Left));
             rig.Release(form.no);
         }, MsgBoxNo},
    };
    for (const auto& c : cases) {
        MsgBoxRig rig;
        c.answer(rig);
        EXPECT_EQ(ClsMain(rig.context).MsgBoxXP("Hi", "", 2), c.result) << c.name;
    }
}

TEST(MsgBoxResults, InputBoxReturnsTheTextOrNothing) {
    const FrmMsgControls form = MsgBoxRig::Input();
    const struct {
        const char* name;
        std::function<void(MsgBoxRig&)> answer;
        std::string result;
    } cases[] = {
        {"Enter", [](MsgBoxRig& rig) { rig.Type("e4"); rig.platform.QueueEvent(MsgBoxRig::Key(ModalKey::Enter)); }, "e4"},
        {"Escape", [](MsgBoxRig& rig) { rig.Type("e4"); rig.platform.QueueEvent(MsgBoxRig::Key(ModalKey::Escape)); }, ""},
        {"OK button", [&](MsgBoxRig& rig) { rig.Type("Nf3"); rig.Click(form.ok); }, "Nf3"},
        {"close button", [&](MsgBoxRig& rig) { rig.Type("Nf3"); rig.Click(form.closeButton); }, ""},
        {"letter keys are text, edited", [](MsgBoxRig& rig) {
             rig.Type("nocs5");
             rig.platform.QueueEvent(MsgBoxRig::Key(ModalKey::Backspace));
             rig.Type("4");
             rig.platform.QueueEvent(MsgBoxRig::Key(ModalKey::Enter));
         }, "nocs4"},
        {"abandoned", [](MsgBoxRig& rig) { rig.Type("e4"); }, ""},
    };
    for (const auto& c : cases) {
        MsgBoxRig rig;
        c.answer(rig);
        EXPECT_EQ(ClsMain(rig.context).InputBoxXP("Hi"), c.result) << c.name;
        EXPECT_EQ(rig.platform.Beeps(), 0) << c.name;
    }
}

// A box closed without any button once answered with the previous box's answer.
TEST(MsgBoxResults, BoxClosedWithoutAButtonDoesNotRepeatTheLastAnswer) {
    MsgBoxRig rig;
    rig.platform.QueueEvent(MsgBoxRig::Key('s'));
    EXPECT_EQ(ClsMain(rig.context).MsgBoxXP("Sure?", "", 1), MsgBoxOk);
    EXPECT_EQ(ClsMain(rig.context).MsgBoxXP("Sure?", "", 1), MsgBoxNone);
    rig.Type("abc");
    rig.platform.QueueEvent(MsgBoxRig::Key(ModalKey::Enter));
    EXPECT_EQ(ClsMain(rig.context).InputBoxXP("Name?"), "abc");
    EXPECT_EQ(ClsMain(rig.context).InputBoxXP("Name?"), "");
    EXPECT_EQ(rig.platform.ModalWindowsAbandoned(), 2);
}

} // namespace
} // namespace varnix
