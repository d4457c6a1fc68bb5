#include "platform/fltk/ClientCanvas.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

namespace varnix {

ClientCanvas::ClientCanvas(int x, int y, int w, int h)
    : Fl_Widget(x, y, w, h), shown_(w, h), rgb_(std::size_t(w) * std::size_t(h) * 3, 0) {}

void ClientCanvas::Put(const Surface& picture, int sx, int sy, int w, int h, int dx, int dy) {
    Blit(shown_, dx, dy, w, h, picture, sx, sy, RasterOp::Copy);
    // The lamps and buttons lie over the picture, so the whole window redraws.
    if (Fl_Window* win = window()) win->redraw();
}

void ClientCanvas::draw() {
    const std::vector<Pixel>& pixels = shown_.Pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        rgb_[3 * i] = (unsigned char)(pixels[i] >> 16);
        rgb_[3 * i + 1] = (unsigned char)(pixels[i] >> 8);
        rgb_[3 * i + 2] = (unsigned char)pixels[i];
    }
    fl_draw_image(rgb_.data(), x(), y(), shown_.Width(), shown_.Height(), 3);
}

int ClientCanvas::handle(int event) {
    InputEvent e;
    switch (event) {
    case FL_PUSH: e.kind = InputEvent::Kind::MouseDown; break;
    case FL_RELEASE: e.kind = InputEvent::Kind::MouseUp; break;
    case FL_DRAG:
    case FL_MOVE: e.kind = InputEvent::Kind::MouseMove; break;
    case FL_ENTER: return 1; // so that FL_MOVE reaches us
    default: return Fl_Widget::handle(event);
    }
    e.target = "board";
    const int b = Fl::event_button();
    if (event == FL_DRAG || event == FL_MOVE) {
        const int state = Fl::event_state();
        e.button = ((state & FL_BUTTON1) ? 1 : 0) | ((state & FL_BUTTON3) ? 2 : 0) | ((state & FL_BUTTON2) ? 4 : 0);
    } else {
        e.button = b == FL_LEFT_MOUSE ? 1 : b == FL_RIGHT_MOUSE ? 2 : 4;
    }
    const int state = Fl::event_state();
    e.shift = ((state & FL_SHIFT) ? 1 : 0) | ((state & FL_CTRL) ? 2 : 0) | ((state & FL_ALT) ? 4 : 0);
    e.x = Fl::event_x() - x();
    e.y = Fl::event_y() - y();
    if (handler_) handler_(e);
    return 1;
}

} // namespace varnix
