// The message boxes' share of the program: the platform they open windows
// on, the skin they are drawn with, the state that outlives one box, and the
// one box window, which exists from its first use until that box closes.
#pragma once

#include "platform/Platform.h"
#include "skin/FrmMsg.h"
#include "skin/FrmMsgPainter.h"
#include "skin/MsgBoxState.h"

#include <functional>
#include <memory>

namespace varnix {

class MsgBoxContext {
public:
    // The skin is made on first use unless one is given (it can be shared, it never changes).
    explicit MsgBoxContext(Platform& platform, std::shared_ptr<const SkinResources> skin = nullptr)
        : platform_(platform), skin_(std::move(skin)) {}

    Platform& GetPlatform() { return platform_; }
    MsgBoxState& State() { return state_; }
    // The box window, made in its design state when there is none.
    FrmMsg& Form();
    // Lays the box out for the screen of a new window (prepare), shows it
    // modally there, then destroys it, so that the next box starts from the
    // design state again.
    void ShowForm(const std::function<void(FrmMsg&, const ScreenArea&)>& prepare);

private:
    const SkinResources& Skin();

    Platform& platform_;
    MsgBoxState state_;
    std::shared_ptr<const SkinResources> skin_;
    std::unique_ptr<FrmMsg> form_;
};

} // namespace varnix
