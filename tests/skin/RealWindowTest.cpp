// The message box in a real FLTK window. Needs an X server (scripts/test.sh
// runs it under xvfb-run); skipped where none can be had.
#include "RealWindowPlatform.h"
#include "skin/ClsMain.h"

#include <gtest/gtest.h>

#include <cstdlib>

// Xlib's macros (None, Bool, ...) clash with names above, so it comes last.
#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#include <X11/keysym.h>

namespace varnix {
namespace {

bool DisplayAvailable() {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return false;
    // FLTK ends the process when it cannot open the display, so ask Xlib first.
    Display* probe = XOpenDisplay(name);
    if (!probe) return false;
    XCloseDisplay(probe);
    return true;
}

struct Observed {
    bool shown = false;
    int width = 0, height = 0;
    int shapeRects = 0;
    bool cornerCut = false, middleKept = false;
};

bool InRects(const XRectangle* rects, int count, int x, int y) {
    for (int i = 0; i < count; ++i)
        if (x >= rects[i].x && y >= rects[i].y && x < rects[i].x + rects[i].width && y < rects[i].y + rects[i].height)
            return true;
    return false;
}

TEST(RealWindow, BoxShowsShapedAndClosesOnAKey) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no X server (DISPLAY unset or not reachable); run under xvfb-run";
    fl_open_display();
    RealWindowPlatform platform;
    MsgBoxContext context(platform);
    Observed seen;
    struct Probe {
        RealWindowPlatform* platform;
        Observed* seen;
    } probe{&platform, &seen};

    // Once the box is up: look at it through the X server, then press "n".
    Fl::add_timeout(0.5, [](void* data) {
        auto& p = *static_cast<Probe*>(data);
        Fl_Window* window = Fl::first_window();
        const unsigned long xid = p.platform->last ? p.platform->last->NativeHandle() : 0;
        if (!window || !xid) return;
        p.seen->shown = window->shown();
        p.seen->width = window->w();
        p.seen->height = window->h();
        int count = 0, ordering = 0;
        XRectangle* rects = XShapeGetRectangles(fl_display, xid, ShapeBounding, &count, &ordering);
        p.seen->shapeRects = count;
        p.seen->cornerCut = !InRects(rects, count, 0, 0) && !InRects(rects, count, window->w() - 1, window->h() - 1);
        p.seen->middleKept = InRects(rects, count, window->w() / 2, window->h() / 2);
        if (rects) XFree(rects);

        XEvent key{};
        key.xkey.type = KeyPress;
        key.xkey.display = fl_display;
        key.xkey.window = xid;
        key.xkey.root = RootWindow(fl_display, fl_screen);
        key.xkey.same_screen = True;
        key.xkey.keycode = XKeysymToKeycode(fl_display, XK_n);
        XSendEvent(fl_display, xid, True, KeyPressMask, &key);
        key.xkey.type = KeyRelease;
        XSendEvent(fl_display, xid, True, KeyReleaseMask, &key);
        XFlush(fl_display);
    }, &probe);
    // Never hang: a box still open after a few seconds is closed.
    Fl::add_timeout(5.0, [](void* data) {
        auto* p = static_cast<RealWindowPlatform*>(data);
        if (p->last) p->last->Close();
    }, &platform);

    const int answer = ClsMain(context).MsgBoxXP("Do you want to save the game?", "", 2, 4);
    Fl::remove_timeout(nullptr, &platform);
    Fl::remove_timeout(nullptr, &probe);

    EXPECT_TRUE(seen.shown);
    EXPECT_GT(seen.width, 200);
    EXPECT_GT(seen.shapeRects, 1) << "the window has an outline of its own";
    EXPECT_TRUE(seen.cornerCut);
    EXPECT_TRUE(seen.middleKept);
    EXPECT_EQ(answer, MsgBoxNo);
    EXPECT_EQ(platform.Beeps(), 1);
}

} // namespace
} // namespace varnix
