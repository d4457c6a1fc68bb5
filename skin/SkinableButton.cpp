#include "skin/SkinableButton.h"

#include "skin/Twips.h"

#include <algorithm>
#include <cmath>

namespace varnix {

namespace {

constexpr int StripHeight = 24;
constexpr int LeftEndWidth = 15;
constexpr int TileWidth = 15;
constexpr int RightEndWidth = 16;
constexpr Pixel DisabledCaptionColour = Rgb(140, 140, 140);

} // namespace

ctrl_SkinableButton::ctrl_SkinableButton(Surface skinStrip)
    : strip_(std::move(skinStrip)), font_(TextRenderer::Open("Tahoma", false, 8.25)) {
    Refresh();
}

void ctrl_SkinableButton::Resize(double widthTwips) {
    widthTwips_ = std::max(0.0, widthTwips);
    Refresh();
}

void ctrl_SkinableButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    ComposeCaption();
}

void ctrl_SkinableButton::SetEnabled(bool enabled) {
    enabled_ = enabled;
    ApplyEnabled();
}

// A disabled button keeps the look it has; only its caption turns grey.
void ctrl_SkinableButton::ApplyEnabled() {
    if (enabled_) {
        Refresh();
    } else {
        held_ = false;
        ComposeCaption();
    }
}

void ctrl_SkinableButton::DrawButton(int leftX, int middleX, int rightX, int captionTop) {
    const double wpx = widthTwips_ / TwipsPerPixel;
    face_ = Surface(RoundHalfEven(wpx), StripHeight);
    Blit(face_, 0, 0, LeftEndWidth, StripHeight, strip_, leftX, 0, RasterOp::Copy);
    const int tiles = RoundHalfEven(std::abs(wpx / TileWidth));
    for (int i = 1; i <= tiles; ++i)
        Blit(face_, TileWidth * i, 0, TileWidth, StripHeight, strip_, middleX, 0, RasterOp::Copy);
    // The right end covers whatever the last tiles drew there.
    Blit(face_, RoundHalfEven(wpx - RightEndWidth), 0, RightEndWidth, StripHeight, strip_, rightX, 0, RasterOp::Copy);
    captionTopTwips_ = captionTop;
    ComposeCaption();
}

// The caption label spans the control's width with its text centred.
void ctrl_SkinableButton::ComposeCaption() {
    picture_ = face_;
    if (!font_ || caption_.empty()) return;
    const int x = (picture_.Width() - font_->TextWidth(caption_)) / 2;
    const int y = TwipsToPixels(captionTopTwips_);
    font_->DrawText(picture_, x, y, caption_, enabled_ ? CaptionColour : DisabledCaptionColour);
}

void ctrl_SkinableButton::HandleMouse(const InputEvent& event) {
    if (!enabled_ || (event.button & int(MouseButton::Left)) == 0) return;
    if (event.kind == InputEvent::Kind::MouseDown) {
        held_ = true;
        DrawButton(PressedLook);
    } else if (event.kind == InputEvent::Kind::MouseUp && held_) {
        held_ = false;
        // Disabled while the container handles Click, so that no second click arrives meanwhile.
        const bool wasEnabled = enabled_;
        SetEnabled(false);
        if (Click) Click();
        SetEnabled(wasEnabled);
    }
}

} // namespace varnix
