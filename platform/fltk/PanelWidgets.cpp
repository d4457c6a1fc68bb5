#include "platform/fltk/PanelWidgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Image.H>

namespace varnix {

PanelGroup::PanelGroup(int x, int y, int w, int h, Fl_Image* background) : Fl_Group(x, y, w, h) {
    box(FL_FLAT_BOX);
    image(background);
    align(FL_ALIGN_INSIDE | FL_ALIGN_TOP_LEFT);
    end();
}

int PanelGroup::handle(int event) {
    if (Fl_Group::handle(event)) return 1;
    // Presses on the panel itself stop here instead of reaching the board.
    switch (event) {
    case FL_PUSH:
    case FL_DRAG:
    case FL_RELEASE:
    case FL_ENTER:
    case FL_MOVE: return 1;
    default: return 0;
    }
}

HeldPictureButton::HeldPictureButton(int x, int y, int w, int h, Fl_Image* normal, Fl_Image* pressed)
    : Fl_Widget(x, y, w, h), normal_(normal), pressed_(pressed) {}

int HeldPictureButton::handle(int event) {
    switch (event) {
    case FL_PUSH:
        if (Fl::event_button() != FL_LEFT_MOUSE || !active_r()) return 1;
        held_ = true;
        redraw();
        return 1;
    case FL_DRAG: return 1;
    case FL_RELEASE:
        if (!held_) return 1;
        // The pressed look stays while the click runs, as with the window's own buttons.
        do_callback();
        held_ = false;
        redraw();
        return 1;
    case FL_ENTER:
    case FL_LEAVE:
    case FL_MOVE: return 1;
    default: return Fl_Widget::handle(event);
    }
}

void HeldPictureButton::draw() {
    Fl_Image* picture = held_ ? pressed_ : normal_;
    if (picture) picture->draw(x(), y());
}

} // namespace varnix
