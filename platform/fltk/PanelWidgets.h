// Two small FLTK widgets for pictures laid over the board: a panel that keeps
// mouse presses from reaching what lies beneath it, and a picture button that
// shows its pressed picture while held and fires on release wherever the
// pointer is by then.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

class Fl_Image;

namespace varnix {

class PanelGroup : public Fl_Group {
public:
    PanelGroup(int x, int y, int w, int h, Fl_Image* background);
    int handle(int event) override;
};

class HeldPictureButton : public Fl_Widget {
public:
    HeldPictureButton(int x, int y, int w, int h, Fl_Image* normal, Fl_Image* pressed);
    int handle(int event) override;

protected:
    void draw() override;

private:
    Fl_Image* normal_;
    Fl_Image* pressed_;
    bool held_ = false;
};

} // namespace varnix
