// The message box window: its controls, the looks of its buttons under the
// mouse, dragging by the title, its keys, and what each button answers. It
// runs in any ModalWindow, so it behaves the same with or without a display.
#pragma once

#include "platform/InputEvent.h"
#include "platform/ModalWindow.h"
#include "skin/FrmMsgControls.h"
#include "skin/FrmMsgPainter.h"
#include "skin/InputField.h"
#include "skin/MsgBoxState.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace varnix {

class FrmMsg {
public:
    // The design state shows the information icon.
    FrmMsg(MsgBoxState& state, const SkinResources& skin) : state_(state), skin_(skin) {
        controls_.titleIcon = skin.Icon(MsgIconKind::Information);
    }

    FrmMsgControls& Controls() { return controls_; }
    const FrmMsgControls& Controls() const { return controls_; }
    const SkinResources& Skin() const { return skin_; }

    // Where the window's top-left corner goes (screen pixels); a coordinate
    // not given is centred. The window is kept on the screen either way.
    void MoveTo(std::optional<int> x, std::optional<int> y) {
        x_ = x;
        y_ = y;
    }
    void SetShape(std::vector<RowSpan> spans) { shape_ = std::move(spans); }

    // Shows the box in the window and returns once a button (or key) has closed it.
    void ShowModal(std::unique_ptr<ModalWindow> window);

    // Drags the window while the left button is held on the title: it follows
    // the pointer's travel (screen pixels), moving on every second mouse event.
    void MoveForm(int screenX, int screenY, int buttons);

    void HandleEvent(const InputEvent& event);

private:
    enum class Part { None, Button, Field, Title, TitleRight, Other };
    struct Hit {
        Part part = Part::None;
        MsgButton button = MsgButton::Ok;
    };

    Hit HitTest(int x, int y) const;
    bool ButtonShown(MsgButton button) const;
    void OnMouseDown(const InputEvent& event);
    void OnMouseMove(const InputEvent& event);
    void OnMouseUp(const InputEvent& event);
    void OnKey(int key);
    void Press(MsgButton button);
    void RestoreButtons();
    void SetLook(MsgButton button, ButtonLook look);
    void Refresh();
    void CloseForm();
    void PlaceWindow();
    void SetTooltips();

    MsgBoxState& state_;
    const SkinResources& skin_;
    FrmMsgControls controls_;
    InputField field_;
    ButtonLooks looks_{};
    std::array<bool, 4> hover_{}; // by MsgButton
    std::optional<MsgButton> held_; // the button the left button went down on
    bool dragging_ = false;
    int toggle_ = 0;
    int lastX_ = 0, lastY_ = 0;
    std::optional<int> x_, y_;
    std::vector<RowSpan> shape_;
    std::unique_ptr<ModalWindow> window_;
};

} // namespace varnix
