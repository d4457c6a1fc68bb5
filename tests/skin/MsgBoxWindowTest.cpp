#include "MsgBoxTestSupport.h"
#include "skin/SkinPictures.h"

#include <gtest/gtest.h>

#include <tuple>

namespace varnix {
namespace {

const SkinPictures& Pictures() { return MsgBoxRig::SharedSkin()->pictures; }

// The button in the box's picture shows this look (compared inside its opaque face).
bool ShowsLook(const Surface& content, const FrmMsgImage& button, const Sprite& look) {
    const PixelRect r = MsgBoxRig::At(button);
    for (const auto& [x, y] : {std::pair{4, 3}, std::pair{4, 17}, std::pair{70, 10}})
        if (content.At(r.x + x, r.y + y) != look.colour.At(x, y)) return false;
    return true;
}

TEST(MsgBoxWindow, IsSizedShapedCentredAndPaintedInTheBackgroundColour) {
    MsgBoxRig rig;
    const MsgBoxRig::Seen& seen = rig.Capture();
    ClsMain(rig.context).MsgBoxXP("Hi");
    EXPECT_EQ(seen.width, 133); // 2000 twips
    EXPECT_EQ(seen.height, TwipsToPixels(MsgBoxRig::Message(0).prompt.rect.height + 1415));
    EXPECT_EQ(seen.x, (1280 - seen.width) / 2);
    EXPECT_EQ(seen.y, (1024 - seen.height) / 2);
    ASSERT_FALSE(seen.shape.empty());
    EXPECT_EQ(seen.shape.back().y, seen.height - 1);
    EXPECT_EQ(seen.shape[20].x1, seen.width);
    EXPECT_EQ(seen.content.At(8, 35), Rgb(206, 206, 206));
    EXPECT_EQ(seen.content.At(seen.width - 8, seen.height - 8), Rgb(206, 206, 206));
}

// Every skin piece carries the title as its tip, the close button "Close" where it shows.
TEST(MsgBoxWindow, TitleAndTipsNameTheBoxOrTheProgram) {
    for (const auto& [title, shown, buttons] : {std::tuple{"", "Varnix Chess", 1}, std::tuple{"Game over", "Game over", 2}}) {
        MsgBoxRig rig;
        const MsgBoxRig::Seen& seen = rig.Capture();
        ClsMain(rig.context).MsgBoxXP("Hi", title, buttons);
        EXPECT_EQ(seen.title, shown);
        ASSERT_EQ(seen.tips.size(), buttons == 2 ? 4u : 3u);
        for (std::size_t i = 0; i < seen.tips.size(); ++i)
            EXPECT_EQ(seen.tips[i].text, buttons == 2 && i == 0 ? "Close" : shown) << i;
    }
}

TEST(MsgBoxWindow, ButtonsLightUpUnderTheMouseAndLookPressedWhileHeld) {
    MsgBoxRig rig;
    const FrmMsgControls form = MsgBoxRig::Message(2);
    const Sprite& normal = Pictures().Button(ButtonLook::Normal);
    const Sprite& over = Pictures().Button(ButtonLook::Over);
    const Sprite& pressed = Pictures().Button(ButtonLook::Pressed);
    rig.Script({
        [&](HeadlessModalWindow& w) {
            EXPECT_TRUE(ShowsLook(w.Content(), form.ok, normal));
            EXPECT_TRUE(ShowsLook(w.Content(), form.cancel, normal));
            rig.MoveOver(form.ok);
        },
        [&](HeadlessModalWindow& w) {
            EXPECT_TRUE(ShowsLook(w.Content(), form.ok, over));
            rig.MoveOver(form.titleRight);
        },
        [&](HeadlessModalWindow& w) {
            EXPECT_TRUE(ShowsLook(w.Content(), form.ok, normal)) << "moving off puts it back";
            rig.Press(form.cancel);
        },
        [&](HeadlessModalWindow& w) {
            EXPECT_TRUE(ShowsLook(w.Content(), form.cancel, pressed));
            rig.MoveOver(form.title, int(MouseButton::Left));
        },
        [&](HeadlessModalWindow& w) {
            EXPECT_TRUE(ShowsLook(w.Content(), form.cancel, pressed)) << "held: stays pressed off the button";
            rig.Release(form.titleRight);
        },
        [&](HeadlessModalWindow& w) {
            EXPECT_TRUE(ShowsLook(w.Content(), form.cancel, normal));
            EXPECT_TRUE(w.IsOpen());
        },
    });
    EXPECT_EQ(ClsMain(rig.context).MsgBoxXP("Hi", "", 2), MsgBoxNone);
}

TEST(MsgBoxWindow, DraggingTheTitleFollowsThePointerOnEverySecondEvent) {
    MsgBoxRig rig;
    const FrmMsgControls form = MsgBoxRig::Message(0);
    const PixelRect title = MsgBoxRig::At(form.title);
    const int grabX = title.x + 40, grabY = 12;
    int startX = 0, startY = 0;
    std::vector<std::pair<int, int>> positions;
    // The pointer travels in screen pixels; the events carry it relative to
    // the window as it is when each event is made.
    const auto moveTo = [&](int dx, int dy) {
        return [&, dx, dy](HeadlessModalWindow& w) {
            positions.emplace_back(w.X() - startX, w.Y() - startY);
            rig.platform.QueueEvent(MsgBoxRig::Mouse(InputEvent::Kind::MouseMove, startX + grabX + dx - w.X(),
                                                     startY + grabY + dy - w.Y(), int(MouseButton::Left)));
        };
    };
    rig.Script({
        [&](HeadlessModalWindow& w) {
            startX = w.X();
            startY = w.Y();
            rig.platform.QueueEvent(MsgBoxRig::Mouse(InputEvent::Kind::MouseDown, grabX, grabY));
        },
        moveTo(10, 5),
        moveTo(-33, 41),
        [&](HeadlessModalWindow& w) {
            // Released where the last, skipped event left the pointer.
            positions.emplace_back(w.X() - startX, w.Y() - startY);
            rig.platform.QueueEvent(MsgBoxRig::Mouse(InputEvent::Kind::MouseUp, startX + grabX - 33 - w.X(),
                                                     startY + grabY + 41 - w.Y()));
        },
        [&](HeadlessModalWindow& w) {
            positions.emplace_back(w.X() - startX, w.Y() - startY);
            rig.platform.QueueEvent(MsgBoxRig::Key('o'));
        },
    });
    EXPECT_EQ(ClsMain(rig.context).MsgBoxXP("Hi"), MsgBoxOk);
    const std::vector<std::pair<int, int>> expected = {{0, 0}, {10, 5}, {10, 5}, {-33, 41}};
    EXPECT_EQ(positions, expected);
}

// Each box starts from the design state: nothing of a three-button box shows in the OK box after it.
TEST(MsgBoxWindow, ABoxAfterAnotherLooksLikeAFreshOne) {
    MsgBoxRig fresh, rig;
    const Surface& alone = fresh.Capture().content;
    ClsMain(fresh.context).MsgBoxXP("Hi");
    rig.platform.QueueEvent(MsgBoxRig::Key('c'));
    EXPECT_EQ(ClsMain(rig.context).MsgBoxXP("Save the game first?", "Game over", 2), MsgBoxCancel);
    const Surface& after = rig.Capture().content;
    ClsMain(rig.context).MsgBoxXP("Hi");
    ASSERT_GT(after.Width(), 0);
    EXPECT_EQ(after.Pixels(), alone.Pixels());
}

// The engine's output callback runs inside "process pending events"; a box
// opened there takes its answer and leaves the rest of the events alone.
TEST(MsgBoxWindow, BoxOpenedWhileEventsAreProcessedWorks) {
    MsgBoxRig rig;
    int answer = -1, mainEvents = 0;
    bool opened = false;
    rig.platform.SetEventHandler([&](const InputEvent&) { ++mainEvents; });
    rig.platform.SetProcessHook([&] {
        if (opened) return;
        opened = true;
        answer = ClsMain(rig.context).MsgBoxXP("Checkmate", "", 0, 2);
    });
    rig.platform.QueueEvent(MsgBoxRig::Key('o'));
    rig.platform.ProcessPendingEvents();
    rig.platform.QueueEvent(MsgBoxRig::Key('x'));
    rig.platform.ProcessPendingEvents();
    EXPECT_EQ(answer, MsgBoxOk);
    EXPECT_EQ(mainEvents, 1);
}

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
        {"close button", [&](MsgBoxRig& rig) { rig.Type("Nf3"); rig.Click(form.closeButton); }, ""},
        {"letter keys are text, edited", [](MsgBoxRig& rig) {
             rig.Type("nocs5");
             rig.platform.QueueEvent(MsgBoxRig::Key(ModalKey::Backspace));
             rig.Type("4");
             rig.platform.QueueEvent(MsgBoxRig::Key(ModalKey::Enter));
         }, "nocs4"},
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
