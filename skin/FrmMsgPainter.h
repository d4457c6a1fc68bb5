// Composes every pixel of the message box from its controls: skin pieces,
// title, prompt, buttons in their current looks and the input field.
#pragma once

#include "platform/Surface.h"
#include "skin/FrmMsgControls.h"
#include "skin/InputField.h"
#include "skin/SkinFont.h"
#include "skin/SkinPictures.h"

#include <array>

namespace varnix {

enum class MsgButton { Ok = 0, No = 1, Cancel = 2, Close = 3 };

using ButtonLooks = std::array<ButtonLook, 4>; // by MsgButton

// What the box is drawn with; made once and shared by every box.
struct SkinResources {
    SkinPictures pictures = MakeSkinPictures();
    SkinFont text{false};
    SkinFont bold{true};
    std::array<Sprite, 4> icons = {MakeMsgIcon(MsgIconKind::Critical), MakeMsgIcon(MsgIconKind::Exclamation),
                                   MakeMsgIcon(MsgIconKind::Information), MakeMsgIcon(MsgIconKind::Question)};

    const Sprite& Icon(MsgIconKind kind) const { return icons[std::size_t(kind)]; }
};

// The window's size in pixels, as the outline rounds it.
int FormPixelWidth(const FrmMsgControls& form);
int FormPixelHeight(const FrmMsgControls& form);

// The input field's place in window pixels.
PixelRect InputFieldRect(const FrmMsgControls& form);

Surface PaintFrmMsg(const FrmMsgControls& form, const ButtonLooks& looks, const InputField& field,
                    const SkinResources& skin);

} // namespace varnix
