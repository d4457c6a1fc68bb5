// A borderless window that shows a picture composed by the caller and blocks
// the caller until it is closed. The skinned message box is built on it.
#pragma once

#include "platform/InputEvent.h"
#include "platform/Surface.h"

#include <functional>
#include <string>
#include <vector>

namespace varnix {

// Key codes a modal window delivers besides characters (which come as their
// Unicode code points): the ASCII controls, and private codes for the rest.
namespace ModalKey {
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Delete = 127;
constexpr int Left = 0x110000;
constexpr int Right = 0x110001;
constexpr int Home = 0x110002;
constexpr int End = 0x110003;
} // namespace ModalKey

// The part of the screen that windows may use, in screen pixels.
struct ScreenArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A rectangle of the window (window pixels) with the tip shown when the mouse rests on it.
struct TooltipArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string text;
};

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
    // The text the window system shows for the window (task bar, window list).
    virtual void SetTitle(const std::string& title) = 0;
    virtual ScreenArea Screen() const = 0;
    virtual void SetTooltips(const std::vector<TooltipArea>& areas) = 0;
    // Only the pixels inside the spans belong to the window; empty means all.
    virtual void SetShape(const std::vector<RowSpan>& spans) = 0;
    // The window's pixels; shown as soon as the window is on screen.
    virtual void SetContent(const Surface& picture) = 0;
    // Mouse events carry coordinates relative to the window; x + X() is the
    // pointer's screen position even while the window is being moved. A mouse
    // move outside the window's width and height means the pointer left it.
    // Close events are the window system's request to close the window.
    virtual void SetEventHandler(std::function<void(const InputEvent&)> handler) = 0;
    // Shows the window and returns once Close() has been called.
    virtual void RunModal() = 0;
    virtual void Close() = 0;
};

} // namespace varnix
