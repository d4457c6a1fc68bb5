// Sizing and placement of the message box's controls for the three button
// layouts and the input box, in twips, with no display needed.
#pragma once

#include "platform/ModalWindow.h"
#include "skin/FrmMsgControls.h"
#include "skin/TextMeasure.h"

#include <vector>

namespace varnix {

enum class BoxKind { Message, Input };

// Layout codes of the box shown (MsgType).
constexpr int MsgTypeOk = 1;
constexpr int MsgTypeYesNo = 2; // also the input box
constexpr int MsgTypeYesNoCancel = 3;

// Sizes the window around the prompt and the buttons, then places the skin pieces.
void SizeForm(FrmMsgControls& form, BoxKind kind, int msgType);

// Places the title pieces, the close button, the borders and the bottom
// corners for the window's current size.
void PlaceSkin(FrmMsgControls& form);

// Enforces the smallest window the outline is built for and returns the outline.
std::vector<RowSpan> ShapeForm(FrmMsgControls& form);

// The layouts below size the window but leave shaping to the caller.

// Lays out a message box for a button set (0 OK, 1 Yes/No, 2 Yes/No/Cancel)
// and returns its MsgType; any other set keeps the design layout and gives 0.
// Prompt lines wider than maxPromptWidth pixels are broken at spaces.
int LayoutMessageBox(FrmMsgControls& form, int buttons, int maxPromptWidth, const TextMeasure& text);

// Lays out the input box: prompt at the top, the field below it at the left,
// OK and Cancel one above the other at the right.
void LayoutInputBox(FrmMsgControls& form, int maxPromptWidth, const TextMeasure& text);

} // namespace varnix
