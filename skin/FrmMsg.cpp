#include "skin/FrmMsg.h"

#include "skin/MsgBoxLayout.h"

#include <algorithm>

namespace varnix {

namespace {

constexpr std::array<MsgButton, 4> AllButtons = {MsgButton::Ok, MsgButton::No, MsgButton::Cancel, MsgButton::Close};

bool LeftHeld(int buttons) { return (buttons & int(MouseButton::Left)) != 0; }

// Keeps a window of size w x h on the screen as far as it fits.
int Keep(int at, int size, int areaStart, int areaSize) {
    return std::max(areaStart, std::min(at, areaStart + areaSize - size));
}

bool Inside(const FrmMsgImage& image, int x, int y) { return ImageRect(image).Contains(x, y); }

bool Inside(const FrmMsgLabel& label, int x, int y) { return ToPixels(label.rect).Contains(x, y); }

} // namespace

bool FrmMsg::ButtonShown(MsgButton button) const {
    switch (button) {
    case MsgButton::Ok: return controls_.ok.visible;
    case MsgButton::No: return controls_.no.visible;
    case MsgButton::Cancel: return controls_.cancel.visible;
    case MsgButton::Close: return controls_.closeButton.visible;
    }
    return false;
}

FrmMsg::Hit FrmMsg::HitTest(int x, int y) const {
    if (x < 0 || y < 0 || x >= FormPixelWidth(controls_) || y >= FormPixelHeight(controls_)) return {};
    if (controls_.closeButton.visible && Inside(controls_.closeButton, x, y)) return {Part::Button, MsgButton::Close};
    // A caption passes its mouse events on to its button.
    const std::array<std::pair<const FrmMsgImage*, const FrmMsgLabel*>, 3> buttons = {
        {{&controls_.ok, &controls_.okLabel}, {&controls_.no, &controls_.noLabel}, {&controls_.cancel, &controls_.cancelLabel}}};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const auto [image, label] = buttons[i];
        if (image->visible && (Inside(*image, x, y) || (label->visible && Inside(*label, x, y))))
            return {Part::Button, MsgButton(i)};
    }
    if (controls_.inputFrame.visible && InputFieldRect(controls_).Contains(x, y)) return {Part::Field};
    if (Inside(controls_.caption2, x, y) || Inside(controls_.title, x, y)) return {Part::Title};
    if (Inside(controls_.titleRight, x, y)) return {Part::TitleRight};
    return {Part::Other};
}

void FrmMsg::ShowModal(std::unique_ptr<ModalWindow> window) {
    window_ = std::move(window);
    window_->SetTitle(controls_.caption2.text);
    PlaceWindow();
    window_->SetShape(shape_);
    SetTooltips();
    window_->SetEventHandler([this](const InputEvent& event) { HandleEvent(event); });
    Refresh();
    window_->RunModal();
    window_->SetEventHandler({});
}

void FrmMsg::PlaceWindow() {
    const int w = FormPixelWidth(controls_), h = FormPixelHeight(controls_);
    const ScreenArea screen = window_->Screen();
    const int x = x_.value_or(screen.x + (screen.width - w) / 2);
    const int y = y_.value_or(screen.y + (screen.height - h) / 2);
    window_->SetBounds(Keep(x, w, screen.x, screen.width), Keep(y, h, screen.y, screen.height), w, h);
}

void FrmMsg::SetTooltips() {
    std::vector<TooltipArea> areas;
    const auto add = [&](const FrmMsgImage& image, const std::string& text) {
        const PixelRect p = ImageRect(image);
        areas.push_back({p.x, p.y, p.width, p.height, text});
    };
    // The close button sits on the title, so its tip comes first.
    if (controls_.closeButton.visible) add(controls_.closeButton, "Close");
    for (const FrmMsgImage* piece : {&controls_.title, &controls_.titleLeft, &controls_.titleRight})
        add(*piece, controls_.caption2.text);
    window_->SetTooltips(areas);
}

void FrmMsg::Refresh() {
    if (window_) window_->SetContent(PaintFrmMsg(controls_, looks_, field_, skin_));
}

void FrmMsg::SetLook(MsgButton button, ButtonLook look) { looks_[std::size_t(button)] = look; }

void FrmMsg::RestoreButtons() {
    for (MsgButton button : AllButtons) {
        if (!hover_[std::size_t(button)]) continue;
        hover_[std::size_t(button)] = false;
        SetLook(button, ButtonLook::Normal);
    }
}

void FrmMsg::MoveForm(int screenX, int screenY, int buttons) {
    if (LeftHeld(buttons)) {
        // Every other event is skipped; the travel since the last move is kept, not lost.
        if (toggle_ == 0) {
            window_->SetBounds(window_->X() + screenX - lastX_, window_->Y() + screenY - lastY_,
                               FormPixelWidth(controls_), FormPixelHeight(controls_));
            lastX_ = screenX;
            lastY_ = screenY;
            toggle_ = 1;
        } else {
            toggle_ = 0;
        }
        return;
    }
    RestoreButtons();
    lastX_ = screenX;
    lastY_ = screenY;
}

void FrmMsg::HandleEvent(const InputEvent& event) {
    switch (event.kind) {
    case InputEvent::Kind::MouseDown: OnMouseDown(event); break;
    case InputEvent::Kind::MouseMove: OnMouseMove(event); break;
    case InputEvent::Kind::MouseUp: OnMouseUp(event); break;
    case InputEvent::Kind::KeyDown: OnKey(event.key); break;
    case InputEvent::Kind::Close: Press(MsgButton::Close); break;
    default: break;
    }
}

void FrmMsg::OnMouseDown(const InputEvent& event) {
    if (!LeftHeld(event.button)) return;
    const Hit hit = HitTest(event.x, event.y);
    if (hit.part == Part::Button) {
        held_ = hit.button;
        SetLook(hit.button, ButtonLook::Pressed);
        Refresh();
    } else if (hit.part == Part::Title) {
        // The drag starts from here, wherever the pointer was before.
        dragging_ = true;
        toggle_ = 0;
        lastX_ = window_->X() + event.x;
        lastY_ = window_->Y() + event.y;
    }
}

void FrmMsg::OnMouseMove(const InputEvent& event) {
    if (dragging_) {
        MoveForm(window_->X() + event.x, window_->Y() + event.y, event.button);
        return;
    }
    const Hit hit = HitTest(event.x, event.y);
    const ButtonLooks before = looks_;
    if (hit.part == Part::Button) {
        for (MsgButton other : AllButtons)
            if (other != hit.button && hover_[std::size_t(other)] && held_ != other) {
                hover_[std::size_t(other)] = false;
                SetLook(other, ButtonLook::Normal);
            }
        hover_[std::size_t(hit.button)] = true;
        SetLook(hit.button, held_ == hit.button ? ButtonLook::Pressed : ButtonLook::Over);
    } else if (hit.part == Part::Title) {
        MoveForm(window_->X() + event.x, window_->Y() + event.y, event.button);
    } else {
        RestoreButtons();
    }
    // A button held down keeps its pressed look while the pointer is away.
    if (held_ && !(hit.part == Part::Button && hit.button == *held_)) SetLook(*held_, ButtonLook::Pressed);
    if (looks_ != before) Refresh();
}

void FrmMsg::OnMouseUp(const InputEvent& event) {
    if (!LeftHeld(event.button)) return;
    dragging_ = false;
    if (!held_) return;
    const MsgButton button = *held_;
    held_.reset();
    SetLook(button, ButtonLook::Normal);
    hover_[std::size_t(button)] = false;
    Refresh();
    const Hit hit = HitTest(event.x, event.y);
    if (hit.part == Part::Button && hit.button == button) Press(button);
}

void FrmMsg::OnKey(int key) {
    if (!state_.isMsgBox) {
        if (key == ModalKey::Enter) Press(MsgButton::Ok);
        else if (key == ModalKey::Escape) Press(MsgButton::No);
        else if (field_.ApplyKey(key)) Refresh();
        return;
    }
    switch (key) {
    case 'O': case 'o': case 'S': case 's': Press(MsgButton::Ok); break;
    case 'N': case 'n': Press(MsgButton::No); break;
    case 'C': case 'c': Press(MsgButton::Cancel); break;
    default: break;
    }
}

void FrmMsg::Press(MsgButton button) {
    if (state_.isMsgBox) {
        switch (button) {
        case MsgButton::Ok:
            if (state_.msgType == MsgTypeOk) state_.msgResult = 1;
            if (state_.msgType == MsgTypeYesNo || state_.msgType == MsgTypeYesNoCancel) state_.msgResult = 2;
            break;
        case MsgButton::No: state_.msgResult = 3; break;
        case MsgButton::Cancel: state_.msgResult = 4; break;
        case MsgButton::Close:
            if (state_.msgType == MsgTypeYesNo) state_.msgResult = 3;
            if (state_.msgType == MsgTypeYesNoCancel) state_.msgResult = 4;
            break;
        }
    } else {
        switch (button) {
        case MsgButton::Ok: state_.inputResult = field_.Text(); break;
        case MsgButton::Cancel: state_.msgResult = 4; break;
        case MsgButton::No:
        case MsgButton::Close: state_.inputResult.clear(); break;
        }
    }
    CloseForm();
}

void FrmMsg::CloseForm() {
    if (window_) window_->Close();
}

} // namespace varnix
