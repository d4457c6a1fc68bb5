// ctrl_SkinableButton: a button drawn from a 288 x 24 skin strip instead of the
// system's button. The left end, as many middle tiles as the width asks for
// and the right end are copied from the strip, so one strip serves any width;
// a second set of pieces gives the pressed look while the left button is held.
// It draws onto its own surface, which the container puts on screen.
#pragma once

#include "platform/InputEvent.h"
#include "platform/Surface.h"
#include "platform/TextRenderer.h"

#include <functional>
#include <memory>
#include <string>

namespace varnix {

class ctrl_SkinableButton {
public:
    // x offsets of the pieces in the strip and the caption's top in twips.
    struct Look {
        int leftX;
        int middleX;
        int rightX;
        int captionTop;
    };
    static constexpr Look NormalLook{0, 15, 55, 60};
    static constexpr Look PressedLook{144, 159, 202, 75};
    static constexpr Pixel CaptionColour = Rgb(192, 255, 255);

    explicit ctrl_SkinableButton(Surface skinStrip);

    // The control's width in twips (the surface is always 24 pixels high);
    // repaints the normal look.
    void Resize(double widthTwips);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Raised when the left button is released after a press on the button,
    // wherever the pointer is by then. The pressed look stays while it runs.
    std::function<void()> Click;

    void LoadSkin() { Refresh(); }
    // Paints the normal look.
    void Refresh() { DrawButton(NormalLook); }
    void DrawButton(int leftX, int middleX, int rightX, int captionTop);
    void DrawButton(const Look& look) { DrawButton(look.leftX, look.middleX, look.rightX, look.captionTop); }

    // Mouse presses and releases on the surface or the caption; other events are ignored.
    void HandleMouse(const InputEvent& event);

    // The surface with the caption on it: 24 pixels high, as wide as the control.
    const Surface& Picture() const { return picture_; }

private:
    void ApplyEnabled();
    void ComposeCaption();

    Surface strip_;
    std::unique_ptr<TextRenderer> font_;
    std::string caption_ = "Caption";
    bool enabled_ = true;
    bool held_ = false;
    double widthTwips_ = 1215;
    int captionTopTwips_ = NormalLook.captionTop;
    Surface face_;
    Surface picture_;
};

} // namespace varnix
