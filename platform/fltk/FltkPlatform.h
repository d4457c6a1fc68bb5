// The real window side: one FLTK main window with a menu bar above a client
// area of fixed size, named controls laid over it, and the desktop services.
#pragma once

#include "platform/MenuTree.h"
#include "platform/Platform.h"

#include <map>
#include <memory>
#include <string>

class Fl_Double_Window;
class Fl_Menu_Bar;
class Fl_Widget;
class Fl_RGB_Image;

namespace varnix {

class ClientCanvas;

class FltkPlatform : public Platform {
public:
    FltkPlatform(const std::string& title, int clientWidth, int clientHeight, const MenuTree& menu);
    ~FltkPlatform() override;

    // Controls laid over the client area, addressed by name afterwards.
    void AddColourBox(const std::string& name, int x, int y, int w, int h, Pixel colour);
    // A picture that raises a Click event with its name when pressed.
    void AddPictureButton(const std::string& name, int x, int y, const Surface& picture, const std::string& tooltip);
    // A picture over the client area that keeps presses from what lies beneath; controls can be put on it.
    void AddPanel(const std::string& name, int x, int y, const Surface& background);
    // A button on a panel (x, y relative to it) that shows `pressed` while held and raises Click on release.
    void AddHeldButton(const std::string& name, const std::string& panel, int x, int y, const Surface& normal,
                       const Surface& pressed);

    // Platform
    void SetCaption(const std::string& text) override;
    std::string Caption() const override { return caption_; }
    void SetControlVisible(const std::string& control, bool visible) override;
    bool ControlVisible(const std::string& control) const override;
    void SetMenuEnabled(const std::string& item, bool enabled) override;
    void SetMenuChecked(const std::string& item, bool checked) override;
    void ShowPicture(const Surface& picture, int sx, int sy, int w, int h, int x, int y) override;
    void Repaint() override;
    void ShowWindow() override;
    void ProcessPendingEvents() override;
    void SetEventHandler(std::function<void(const InputEvent&)> handler) override;
    std::uint32_t TickMs() override;
    std::unique_ptr<ModalWindow> CreateModalWindow() override;
    std::string ChooseFile(FileDialogMode mode, const std::string& title) override;
    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void OpenUrl(const std::string& url) override;
    void Beep() override;

private:
    static void OnMenu(Fl_Widget* widget, void* data);
    static void OnClose(Fl_Widget* widget, void* data);
    static void OnControl(Fl_Widget* widget, void* data);
    void Deliver(const InputEvent& event);
    int FindMenuItem(const std::string& caption) const;
    Fl_RGB_Image* KeepImage(const std::string& key, const Surface& picture);

    std::string caption_;
    std::unique_ptr<Fl_Double_Window> window_;
    Fl_Menu_Bar* menuBar_ = nullptr;
    ClientCanvas* canvas_ = nullptr;
    std::map<std::string, Fl_Widget*> controls_;
    std::map<std::string, std::unique_ptr<Fl_RGB_Image>> images_;
    std::function<void(const InputEvent&)> handler_;
};

} // namespace varnix
