// Everything the program asks of the window system, behind one interface: the
// real FLTK side and a headless twin for tests implement it.
#pragma once

#include "platform/InputEvent.h"
#include "platform/ModalWindow.h"
#include "platform/Surface.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace varnix {

enum class FileDialogMode { Open, Save };

class Platform {
public:
    virtual ~Platform() = default;

    // Main window.
    virtual void SetCaption(const std::string& text) = 0;
    virtual std::string Caption() const = 0;
    virtual void SetControlVisible(const std::string& control, bool visible) = 0;
    virtual bool ControlVisible(const std::string& control) const = 0;
    virtual void SetMenuEnabled(const std::string& item, bool enabled) = 0;
    virtual void SetMenuChecked(const std::string& item, bool checked) = 0;
    // Puts the w x h rectangle of picture at (sx, sy) onto the window's client area at (x, y).
    virtual void ShowPicture(const Surface& picture, int sx, int sy, int w, int h, int x, int y) = 0;
    virtual void Repaint() = 0;
    // Puts the main window on screen (start-up does it once, just before the engine's loop starts).
    virtual void ShowWindow() = 0;

    // Delivers every pending event to the handler, then returns.
    virtual void ProcessPendingEvents() = 0;
    virtual void SetEventHandler(std::function<void(const InputEvent&)> handler) = 0;

    // Milliseconds from a fixed start, monotonic.
    virtual std::uint32_t TickMs() = 0;

    virtual std::unique_ptr<ModalWindow> CreateModalWindow() = 0;
    // The chosen path, or "" when the user cancelled.
    virtual std::string ChooseFile(FileDialogMode mode, const std::string& title) = 0;

    // Per-user settings store.
    virtual std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                   const std::string& fallback) = 0;
    virtual void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                             const std::string& value) = 0;

    virtual void OpenUrl(const std::string& url) = 0;
    virtual void Beep() = 0;
};

} // namespace varnix
