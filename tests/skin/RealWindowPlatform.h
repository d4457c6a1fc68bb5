// A platform that is headless except for the message box's window, which is
// a real FLTK one: enough to show boxes on a display without the main window.
#pragma once

#include "platform/fltk/FltkModalWindow.h"
#include "platform/headless/HeadlessPlatform.h"

#include <memory>

namespace varnix {

class RealWindowPlatform : public HeadlessPlatform {
public:
    std::unique_ptr<ModalWindow> CreateModalWindow() override {
        auto window = std::make_unique<FltkModalWindow>();
        last = window.get();
        return window;
    }
    FltkModalWindow* last = nullptr; // the window made last
};

} // namespace varnix
