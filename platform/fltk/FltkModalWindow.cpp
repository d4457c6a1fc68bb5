#include "platform/fltk/FltkModalWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Tooltip.H>
#include <FL/fl_draw.H>
#include <FL/fl_utf8.h>
#include <FL/x.H>

#include <algorithm>
#include <vector>

#if !defined(_WIN32) && !defined(__APPLE__)
#include <X11/extensions/shape.h>
#define VARNIX_X11_SHAPE 1
#else
#include <FL/Fl_Bitmap.H>
#endif

namespace varnix {

namespace {

int ButtonBit(int fltkButton) {
    switch (fltkButton) {
    case FL_LEFT_MOUSE: return int(MouseButton::Left);
    case FL_MIDDLE_MOUSE: return int(MouseButton::Middle);
    case FL_RIGHT_MOUSE: return int(MouseButton::Right);
    default: return 0;
    }
}

int HeldButtons() {
    const int state = Fl::event_state();
    return ((state & FL_BUTTON1) ? int(MouseButton::Left) : 0) | ((state & FL_BUTTON2) ? int(MouseButton::Middle) : 0) |
           ((state & FL_BUTTON3) ? int(MouseButton::Right) : 0);
}

int ShiftBits() {
    const int state = Fl::event_state();
    return ((state & FL_SHIFT) ? 1 : 0) | ((state & FL_CTRL) ? 2 : 0) | ((state & FL_ALT) ? 4 : 0);
}

// The editing keys by their codes, anything else by the character it typed (0 for none).
int KeyCode() {
    switch (Fl::event_key()) {
    case FL_Enter:
    case FL_KP_Enter: return ModalKey::Enter;
    case FL_Escape: return ModalKey::Escape;
    case FL_BackSpace: return ModalKey::Backspace;
    case FL_Delete: return ModalKey::Delete;
    case FL_Left: return ModalKey::Left;
    case FL_Right: return ModalKey::Right;
    case FL_Home: return ModalKey::Home;
    case FL_End: return ModalKey::End;
    default: break;
    }
    const char* text = Fl::event_text();
    const int length = Fl::event_length();
    if (!text || length <= 0) return 0;
    int used = 0;
    const unsigned cp = fl_utf8decode(text, text + length, &used);
    return int(cp);
}

} // namespace

class FltkModalWindow::View : public Fl_Double_Window {
public:
    View() : Fl_Double_Window(0, 0, 1, 1) {
        end();
        border(0);
        set_modal();
        // The window system's close request becomes an event; the box decides.
        callback([](Fl_Widget*, void* self) { static_cast<View*>(self)->Forward(InputEvent::Kind::Close); }, this);
    }

    std::function<void(const InputEvent&)> handler;
    std::vector<unsigned char> rgb; // the content, 3 bytes a pixel
    int contentW = 0, contentH = 0;
    std::vector<TooltipArea> tips;
    std::vector<RowSpan> spans;
    const TooltipArea* tipShown = nullptr;

    // Cuts the shown window to the spans. Debian's FLTK 1.3 leaves shape()
    // empty, so on X11 the SHAPE extension is asked directly; a server without
    // it keeps the window rectangular.
    void ApplyShape() {
        if (spans.empty() || !shown()) return;
#ifdef VARNIX_X11_SHAPE
        int eventBase = 0, errorBase = 0;
        if (!XShapeQueryExtension(fl_display, &eventBase, &errorBase)) return;
        std::vector<XRectangle> rects;
        for (const RowSpan& span : spans)
            if (span.x1 > span.x0 && span.y >= 0)
                rects.push_back({short(span.x0), short(span.y), (unsigned short)(span.x1 - span.x0), 1});
        XShapeCombineRectangles(fl_display, fl_xid(this), ShapeBounding, 0, 0, rects.data(), int(rects.size()),
                                ShapeSet, Unsorted);
#else
        const int stride = (w() + 7) / 8;
        maskBits.assign(std::size_t(stride) * std::size_t(h()), 0);
        for (const RowSpan& span : spans) {
            if (span.y < 0 || span.y >= h()) continue;
            for (int x = std::max(0, span.x0); x < std::min(w(), span.x1); ++x)
                maskBits[std::size_t(span.y * stride + x / 8)] |= (unsigned char)(1u << (x % 8));
        }
        mask = std::make_unique<Fl_Bitmap>(maskBits.data(), w(), h());
        shape(mask.get());
#endif
    }

#ifndef VARNIX_X11_SHAPE
    std::vector<unsigned char> maskBits;
    std::unique_ptr<Fl_Bitmap> mask;
#endif

    void draw() override {
        fl_color(FL_BLACK);
        fl_rectf(0, 0, w(), h());
        if (contentW > 0 && contentH > 0)
            fl_draw_image(rgb.data(), 0, 0, std::min(contentW, w()), std::min(contentH, h()), 3, contentW * 3);
    }

    int handle(int event) override {
        switch (event) {
        case FL_PUSH: Mouse(InputEvent::Kind::MouseDown, ButtonBit(Fl::event_button())); return 1;
        case FL_RELEASE: Mouse(InputEvent::Kind::MouseUp, ButtonBit(Fl::event_button())); return 1;
        case FL_DRAG: Mouse(InputEvent::Kind::MouseMove, HeldButtons()); return 1;
        case FL_MOVE:
            Mouse(InputEvent::Kind::MouseMove, 0);
            ShowTip();
            return 1;
        case FL_ENTER: return 1;
        case FL_LEAVE: {
            InputEvent e;
            e.kind = InputEvent::Kind::MouseMove;
            e.x = e.y = -1;
            Send(e);
            return 1;
        }
        case FL_FOCUS:
        case FL_UNFOCUS: return 1;
        case FL_KEYBOARD: {
            // Every key is taken, so that Escape never reaches FLTK's own close handling.
            InputEvent e;
            e.kind = InputEvent::Kind::KeyDown;
            e.key = KeyCode();
            e.shift = ShiftBits();
            if (e.key != 0) Send(e);
            return 1;
        }
        default: return Fl_Double_Window::handle(event);
        }
    }

    void Forward(InputEvent::Kind kind) {
        InputEvent e;
        e.kind = kind;
        Send(e);
    }

private:
    void Mouse(InputEvent::Kind kind, int buttons) {
        InputEvent e;
        e.kind = kind;
        e.button = buttons;
        e.shift = ShiftBits();
        // From the pointer's screen position, so that it stays true while the window moves.
        e.x = Fl::event_x_root() - x();
        e.y = Fl::event_y_root() - y();
        Send(e);
    }

    void Send(const InputEvent& e) {
        // A copy: the handler may replace itself while it runs.
        auto call = handler;
        if (call) call(e);
    }

    void ShowTip() {
        const int mx = Fl::event_x(), my = Fl::event_y();
        const TooltipArea* area = nullptr;
        for (const TooltipArea& tip : tips)
            if (mx >= tip.x && my >= tip.y && mx < tip.x + tip.width && my < tip.y + tip.height) {
                area = &tip;
                break;
            }
        if (area == tipShown) return;
        tipShown = area;
        if (area) Fl_Tooltip::enter_area(this, area->x, area->y, area->width, area->height, area->text.c_str());
        else Fl_Tooltip::enter_area(this, 0, 0, 0, 0, nullptr);
    }
};

FltkModalWindow::FltkModalWindow() : view_(std::make_unique<View>()) {}

FltkModalWindow::~FltkModalWindow() {
    if (view_->shown()) view_->hide();
}

void FltkModalWindow::SetBounds(int x, int y, int width, int height) {
    view_->resize(x, y, std::max(1, width), std::max(1, height));
}

int FltkModalWindow::X() const { return view_->x(); }

int FltkModalWindow::Y() const { return view_->y(); }

void FltkModalWindow::SetTitle(const std::string& title) { view_->copy_label(title.c_str()); }

ScreenArea FltkModalWindow::Screen() const {
    ScreenArea area;
    Fl::screen_work_area(area.x, area.y, area.width, area.height);
    return area;
}

void FltkModalWindow::SetTooltips(const std::vector<TooltipArea>& areas) {
    view_->tipShown = nullptr;
    view_->tips = areas;
}

void FltkModalWindow::SetShape(const std::vector<RowSpan>& spans) {
    view_->spans = spans;
    view_->ApplyShape();
}

void FltkModalWindow::SetContent(const Surface& picture) {
    view_->contentW = picture.Width();
    view_->contentH = picture.Height();
    view_->rgb.resize(std::size_t(picture.Width()) * std::size_t(picture.Height()) * 3);
    std::size_t i = 0;
    for (Pixel p : picture.Pixels()) {
        view_->rgb[i++] = (unsigned char)(p >> 16);
        view_->rgb[i++] = (unsigned char)(p >> 8);
        view_->rgb[i++] = (unsigned char)p;
    }
    view_->redraw();
}

void FltkModalWindow::SetEventHandler(std::function<void(const InputEvent&)> handler) {
    view_->handler = std::move(handler);
}

void FltkModalWindow::RunModal() {
    view_->show();
    view_->ApplyShape();
    // Keys go to the focus widget; while the box is up that is the box.
    Fl::focus(view_.get());
    while (view_->shown()) Fl::wait();
}

void FltkModalWindow::Close() { view_->hide(); }

unsigned long FltkModalWindow::NativeHandle() const {
    return view_->shown() ? static_cast<unsigned long>(fl_xid(view_.get())) : 0;
}

} // namespace varnix
