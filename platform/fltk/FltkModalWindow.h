// The modal window on a real display: a borderless FLTK window that shows
// the caller's surface, is cut to the caller's outline, and forwards mouse
// and key events. RunModal runs FLTK's event loop until Close().
#pragma once

#include "platform/ModalWindow.h"

#include <memory>

namespace varnix {

class FltkModalWindow : public ModalWindow {
public:
    FltkModalWindow();
    ~FltkModalWindow() override;
    FltkModalWindow(const FltkModalWindow&) = delete;
    FltkModalWindow& operator=(const FltkModalWindow&) = delete;

    void SetBounds(int x, int y, int width, int height) override;
    int X() const override;
    int Y() const override;
    void SetTitle(const std::string& title) override;
    ScreenArea Screen() const override;
    void SetTooltips(const std::vector<TooltipArea>& areas) override;
    void SetShape(const std::vector<RowSpan>& spans) override;
    void SetContent(const Surface& picture) override;
    void SetEventHandler(std::function<void(const InputEvent&)> handler) override;
    void RunModal() override;
    void Close() override;

    // The native window once shown (an X11 Window on Linux), for tests; 0 before.
    unsigned long NativeHandle() const;

private:
    class View;
    std::unique_ptr<View> view_;
};

} // namespace varnix
