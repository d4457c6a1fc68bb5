#include "platform/fltk/FltkPlatform.h"

#include "platform/fltk/ClientCanvas.h"
#include "platform/fltk/FltkModalWindow.h"
#include "platform/fltk/PanelWidgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Native_File_Chooser.H>
#include <FL/Fl_Preferences.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/filename.H>
#include <FL/fl_ask.H>

#include <chrono>
#include <cstdlib>
#include <vector>

namespace varnix {

namespace {

constexpr int MenuBarHeight = 25;

Fl_Window* mainWindow = nullptr;

// FLTK drops a close request for any window but the modal one while a modal
// window is open; the main window must still end the program at once.
int Dispatch(int event, Fl_Window* window) {
    if (event == FL_CLOSE && window && window == mainWindow) {
        window->do_callback();
        return 1;
    }
    return Fl::handle_(event, window);
}

} // namespace

FltkPlatform::FltkPlatform(const std::string& title, int clientWidth, int clientHeight, const MenuTree& menu)
    : caption_(title) {
    Fl::visual(FL_RGB);
    window_ = std::make_unique<Fl_Double_Window>(clientWidth, clientHeight + MenuBarHeight);
    window_->copy_label(title.c_str());
    window_->callback(OnClose, this);
    mainWindow = window_.get();
    Fl::event_dispatch(Dispatch);
    menuBar_ = new Fl_Menu_Bar(0, 0, clientWidth, MenuBarHeight);
    for (const MenuItemDef& item : menu) {
        int flags = 0;
        if (item.checkable) flags |= FL_MENU_TOGGLE;
        if (item.checked) flags |= FL_MENU_VALUE;
        if (!item.enabled) flags |= FL_MENU_INACTIVE;
        if (item.dividerAfter) flags |= FL_MENU_DIVIDER;
        menuBar_->add(item.path.c_str(), item.ctrlKey ? FL_CTRL + item.ctrlKey : 0, OnMenu, this, flags);
    }
    canvas_ = new ClientCanvas(0, MenuBarHeight, clientWidth, clientHeight);
    canvas_->SetEventHandler([this](const InputEvent& e) { Deliver(e); });
    window_->end();
}

FltkPlatform::~FltkPlatform() {
    Fl::event_dispatch(nullptr);
    mainWindow = nullptr;
}

void FltkPlatform::AddColourBox(const std::string& name, int x, int y, int w, int h, Pixel colour) {
    window_->begin();
    auto* box = new Fl_Box(FL_FLAT_BOX, x, y + MenuBarHeight, w, h, nullptr);
    box->color(fl_rgb_color((unsigned char)(colour >> 16), (unsigned char)(colour >> 8), (unsigned char)colour));
    window_->end();
    controls_[name] = box;
}

Fl_RGB_Image* FltkPlatform::KeepImage(const std::string& key, const Surface& picture) {
    std::vector<unsigned char> rgb;
    for (Pixel p : picture.Pixels()) {
        rgb.push_back((unsigned char)(p >> 16));
        rgb.push_back((unsigned char)(p >> 8));
        rgb.push_back((unsigned char)p);
    }
    // The image must own its pixels: the vector goes out of scope here.
    Fl_RGB_Image borrowed(rgb.data(), picture.Width(), picture.Height(), 3);
    auto& kept = images_[key];
    kept.reset(static_cast<Fl_RGB_Image*>(borrowed.copy()));
    return kept.get();
}

void FltkPlatform::AddPictureButton(const std::string& name, int x, int y, const Surface& picture,
                                    const std::string& tooltip) {
    Fl_RGB_Image* image = KeepImage(name, picture);
    window_->begin();
    auto* button = new Fl_Button(x, y + MenuBarHeight, picture.Width(), picture.Height());
    button->box(FL_NO_BOX);
    button->image(image);
    button->copy_tooltip(tooltip.c_str());
    button->callback(OnControl, this);
    window_->end();
    controls_[name] = button;
}

void FltkPlatform::AddPanel(const std::string& name, int x, int y, const Surface& background) {
    Fl_RGB_Image* image = KeepImage(name, background);
    window_->begin();
    auto* panel = new PanelGroup(x, y + MenuBarHeight, background.Width(), background.Height(), image);
    window_->end();
    controls_[name] = panel;
}

void FltkPlatform::AddHeldButton(const std::string& name, const std::string& panel, int x, int y,
                                 const Surface& normal, const Surface& pressed) {
    auto it = controls_.find(panel);
    auto* group = it == controls_.end() ? nullptr : dynamic_cast<Fl_Group*>(it->second);
    if (!group) return;
    Fl_RGB_Image* normalImage = KeepImage(name, normal);
    Fl_RGB_Image* pressedImage = KeepImage(name + "/pressed", pressed);
    group->begin();
    auto* button =
        new HeldPictureButton(group->x() + x, group->y() + y, normal.Width(), normal.Height(), normalImage, pressedImage);
    button->callback(OnControl, this);
    group->end();
    controls_[name] = button;
}

void FltkPlatform::ShowWindow() { window_->show(); }

void FltkPlatform::SetCaption(const std::string& text) {
    caption_ = text;
    window_->copy_label(text.c_str());
}

void FltkPlatform::SetControlVisible(const std::string& control, bool visible) {
    auto it = controls_.find(control);
    if (it == controls_.end()) return;
    if (visible) it->second->show();
    else it->second->hide();
    window_->redraw();
}

bool FltkPlatform::ControlVisible(const std::string& control) const {
    auto it = controls_.find(control);
    return it != controls_.end() && it->second->visible();
}

int FltkPlatform::FindMenuItem(const std::string& caption) const {
    for (int i = 0; i < menuBar_->size(); ++i) {
        const Fl_Menu_Item& item = menuBar_->menu()[i];
        if (item.label() && caption == item.label()) return i;
    }
    return -1;
}

void FltkPlatform::SetMenuEnabled(const std::string& item, bool enabled) {
    const int i = FindMenuItem(item);
    if (i < 0) return;
    if (enabled) menuBar_->mode(i, menuBar_->mode(i) & ~FL_MENU_INACTIVE);
    else menuBar_->mode(i, menuBar_->mode(i) | FL_MENU_INACTIVE);
}

void FltkPlatform::SetMenuChecked(const std::string& item, bool checked) {
    const int i = FindMenuItem(item);
    if (i < 0) return;
    if (checked) menuBar_->mode(i, menuBar_->mode(i) | FL_MENU_VALUE);
    else menuBar_->mode(i, menuBar_->mode(i) & ~FL_MENU_VALUE);
}

void FltkPlatform::ShowPicture(const Surface& picture, int sx, int sy, int w, int h, int x, int y) {
    canvas_->Put(picture, sx, sy, w, h, x, y);
}

void FltkPlatform::Repaint() { window_->redraw(); }

void FltkPlatform::ProcessPendingEvents() { Fl::check(); }

void FltkPlatform::SetEventHandler(std::function<void(const InputEvent&)> handler) { handler_ = std::move(handler); }

void FltkPlatform::Deliver(const InputEvent& event) {
    if (handler_) handler_(event);
}

std::uint32_t FltkPlatform::TickMs() {
    using namespace std::chrono;
    static const auto start = steady_clock::now();
    return std::uint32_t(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

std::unique_ptr<ModalWindow> FltkPlatform::CreateModalWindow() { return std::make_unique<FltkModalWindow>(); }

std::string FltkPlatform::ChooseFile(FileDialogMode mode, const std::string& title) {
    Fl_Native_File_Chooser chooser;
    chooser.title(title.c_str());
    chooser.type(mode == FileDialogMode::Save ? Fl_Native_File_Chooser::BROWSE_SAVE_FILE
                                              : Fl_Native_File_Chooser::BROWSE_FILE);
    chooser.filter("All Files (*.*)\t*");
    if (mode == FileDialogMode::Save) chooser.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM);
    if (chooser.show() != 0) return "";
    const char* path = chooser.filename();
    return path ? path : "";
}

std::string FltkPlatform::GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                     const std::string& fallback) {
    Fl_Preferences root(Fl_Preferences::USER, "varnix", app.c_str());
    Fl_Preferences group(root, section.c_str());
    char buffer[256];
    group.get(key.c_str(), buffer, fallback.c_str(), sizeof buffer);
    return buffer;
}

void FltkPlatform::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                               const std::string& value) {
    Fl_Preferences root(Fl_Preferences::USER, "varnix", app.c_str());
    Fl_Preferences group(root, section.c_str());
    group.set(key.c_str(), value.c_str());
    root.flush(); // the level must survive the program being closed at once
}

void FltkPlatform::OpenUrl(const std::string& url) { fl_open_uri(url.c_str(), nullptr, 0); }

void FltkPlatform::Beep() { fl_beep(); }

void FltkPlatform::OnMenu(Fl_Widget* widget, void* data) {
    auto* self = static_cast<FltkPlatform*>(data);
    const Fl_Menu_Item* item = static_cast<Fl_Menu_Bar*>(widget)->mvalue();
    if (!item || !item->label()) return;
    InputEvent e;
    e.kind = InputEvent::Kind::MenuCommand;
    e.target = item->label();
    self->Deliver(e);
}

void FltkPlatform::OnControl(Fl_Widget* widget, void* data) {
    auto* self = static_cast<FltkPlatform*>(data);
    for (const auto& [name, control] : self->controls_) {
        if (control != widget) continue;
        InputEvent e;
        e.kind = InputEvent::Kind::Click;
        e.target = name;
        self->Deliver(e);
        return;
    }
}

void FltkPlatform::OnClose(Fl_Widget*, void*) {
    // FLTK closes a window on Escape; here that would throw the game away.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    // Closing ends the program at once, whatever runs: the engine's loop and
    // its search thread included. Nothing is sent or saved at this moment.
    std::_Exit(0);
}

} // namespace varnix
