// A borderless window that shows a picture composed by the caller and blocks
// the caller until it is closed. The skinned message box is built on it.
#pragma once

#include "platform/InputEvent.h"
#include "platform/Surface.h"

#include <functional>
#include <vector>

namespace varnix {

// One horizontal run of visible pixels of a shaped window.
struct RowSpan {
    int y = 0;
    int x0 = 0; // first visible pixel
    int x1 = 0; // one past the last visible pixel
};

class ModalWindow {
public:
    virtual ~ModalWindow() = default;

    virtual void SetBounds(int x, int y, int width, int height) = 0;
    virtual int X() const = 0;
    virtual int Y() const = 0;
    // Only the pixels inside the spans belong to the window; empty means all.
    virtual void SetShape(const std::vector<RowSpan>& spans) = 0;
    // The window's pixels; shown as soon as the window is on screen.
    virtual void SetContent(const Surface& picture) = 0;
    // Mouse events carry coordinates relative to the window.
    virtual void SetEventHandler(std::function<void(const InputEvent&)> handler) = 0;
    // Shows the window and returns once Close() has been called.
    virtual void RunModal() = 0;
    virtual void Close() = 0;
};

} // namespace varnix
