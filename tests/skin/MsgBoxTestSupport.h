// Shared by the message box tests: a headless platform with a context, the
// layout of the box a test is about to answer, and events aimed at its controls.
#pragma once

#include "platform/headless/HeadlessPlatform.h"
#include "skin/ClsMain.h"
#include "skin/MsgBoxLayout.h"
#include "skin/SkinFont.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varnix {

struct MsgBoxRig {
    HeadlessPlatform platform;
    MsgBoxContext context{platform, SharedSkin()};

    // Made once for all tests: opening the fonts is the slow part of a box.
    static std::shared_ptr<const SkinResources> SharedSkin() {
        static const auto skin = std::make_shared<const SkinResources>();
        return skin;
    }

    // Where the controls of a box with this prompt (without its two leading spaces) will be.
    static FrmMsgControls Message(int buttons, const std::string& prompt = "Hi") {
        FrmMsgControls form;
        form.prompt.text = "  " + prompt;
        LayoutMessageBox(form, buttons, 1280 * 3 / 4, SharedSkin()->text);
        return form;
    }
    static FrmMsgControls Input(const std::string& prompt = "Hi") {
        FrmMsgControls form;
        form.prompt.text = "  " + prompt;
        LayoutInputBox(form, 1280 / 2, SharedSkin()->text);
        return form;
    }

    static InputEvent Mouse(InputEvent::Kind kind, int x, int y, int buttons = int(MouseButton::Left)) {
        InputEvent e;
        e.kind = kind;
        e.x = x;
        e.y = y;
        e.button = buttons;
        return e;
    }
    static InputEvent Key(int key) {
        InputEvent e;
        e.kind = InputEvent::Kind::KeyDown;
        e.key = key;
        return e;
    }
    static PixelRect At(const FrmMsgImage& image) { return ImageRect(image); }

    // A mouse event at the middle of the image.
    void Send(InputEvent::Kind kind, const FrmMsgImage& image, int buttons = int(MouseButton::Left)) {
        const PixelRect r = At(image);
        platform.QueueEvent(Mouse(kind, r.x + r.width / 2, r.y + r.height / 2, buttons));
    }
    void MoveOver(const FrmMsgImage& image, int buttons = 0) { Send(InputEvent::Kind::MouseMove, image, buttons); }
    void Press(const FrmMsgImage& image) { Send(InputEvent::Kind::MouseDown, image); }
    void Release(const FrmMsgImage& image) { Send(InputEvent::Kind::MouseUp, image); }
    void Click(const FrmMsgImage& image) {
        Press(image);
        Release(image);
    }
    void Type(const std::string& text) {
        for (char c : text) platform.QueueEvent(Key(c));
    }

    // What the open box showed when it first ran out of events.
    struct Seen {
        int x = 0, y = 0, width = 0, height = 0;
        std::string title;
        std::vector<TooltipArea> tips;
        std::vector<RowSpan> shape;
        Surface content;
    };
    const Seen& Capture() {
        Script({[this](HeadlessModalWindow& w) {
            seen_ = {w.X(), w.Y(), w.Width(), w.Height(), w.Title(), w.Tooltips(), w.Shape(), w.Content()};
        }});
        return seen_;
    }

    // Each time the open box runs out of events the next step runs; when none
    // is left the box is abandoned.
    void Script(std::vector<std::function<void(HeadlessModalWindow&)>> steps) {
        steps_ = std::move(steps);
        next_ = 0;
        platform.SetModalIdleHook([this](HeadlessModalWindow& window) {
            if (next_ < steps_.size()) steps_[next_++](window);
        });
    }

private:
    Seen seen_;
    std::vector<std::function<void(HeadlessModalWindow&)>> steps_;
    std::size_t next_ = 0;
};

} // namespace varnix
