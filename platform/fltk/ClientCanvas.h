// The main window's client area: shows the picture the program composed and
// turns mouse events into InputEvents for the "board" target.
#pragma once

#include "platform/InputEvent.h"
#include "platform/Surface.h"

#include <FL/Fl_Widget.H>

#include <functional>
#include <vector>

namespace varnix {

class ClientCanvas : public Fl_Widget {
public:
    ClientCanvas(int x, int y, int w, int h);

    // Copies a rectangle of picture into the shown picture at (dx, dy).
    void Put(const Surface& picture, int sx, int sy, int w, int h, int dx, int dy);
    void SetEventHandler(std::function<void(const InputEvent&)> handler) { handler_ = std::move(handler); }

    void draw() override;
    int handle(int event) override;

private:
    Surface shown_;
    std::vector<unsigned char> rgb_;
    std::function<void(const InputEvent&)> handler_;
};

} // namespace varnix
