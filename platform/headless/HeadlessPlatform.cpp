#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>

namespace varnix {

HeadlessPlatform::HeadlessPlatform(std::shared_ptr<HeadlessSettings> settings) : settings_(std::move(settings)) {}

HeadlessPlatform::~HeadlessPlatform() = default;

void HeadlessPlatform::SetCaption(const std::string& text) {
    caption_ = text;
    captions_.push_back(text);
}

void HeadlessPlatform::SetControlVisible(const std::string& control, bool visible) { visible_[control] = visible; }

bool HeadlessPlatform::ControlVisible(const std::string& control) const {
    auto it = visible_.find(control);
    return it != visible_.end() && it->second;
}

void HeadlessPlatform::SetMenuEnabled(const std::string& item, bool enabled) { menuEnabled_[item] = enabled; }

void HeadlessPlatform::SetMenuChecked(const std::string& item, bool checked) { menuChecked_[item] = checked; }

bool HeadlessPlatform::MenuEnabled(const std::string& item) const {
    auto it = menuEnabled_.find(item);
    return it == menuEnabled_.end() || it->second; // menu items start enabled
}

bool HeadlessPlatform::MenuChecked(const std::string& item) const {
    auto it = menuChecked_.find(item);
    return it != menuChecked_.end() && it->second;
}

void HeadlessPlatform::ShowPicture(const Surface& picture, int sx, int sy, int w, int h, int x, int y) {
    // The window grows to hold whatever is put on it.
    const int needW = std::max(window_.Width(), x + w), needH = std::max(window_.Height(), y + h);
    if (needW > window_.Width() || needH > window_.Height()) {
        Surface grown(needW, needH);
        Blit(grown, 0, 0, window_.Width(), window_.Height(), window_, 0, 0, RasterOp::Copy);
        window_ = std::move(grown);
    }
    Blit(window_, x, y, w, h, picture, sx, sy, RasterOp::Copy);
}

void HeadlessPlatform::ProcessPendingEvents() {
    ++processCalls_;
    if (processHook_) processHook_();
    // Events queued by the handlers themselves wait for the next call, as on a real display.
    std::deque<InputEvent> batch;
    batch.swap(events_);
    while (!batch.empty()) {
        InputEvent event = batch.front();
        batch.pop_front();
        if (handler_) handler_(event);
    }
}

std::uint32_t HeadlessPlatform::TickMs() {
    const std::uint32_t t = now_;
    now_ += clockStep_;
    return t;
}

std::unique_ptr<ModalWindow> HeadlessPlatform::CreateModalWindow() {
    return std::make_unique<HeadlessModalWindow>(*this);
}

void HeadlessPlatform::RunModal(HeadlessModalWindow& window) {
    ++modalShown_;
    window.open_ = true;
    while (window.open_) {
        if (events_.empty() && modalIdleHook_) modalIdleHook_(window);
        if (events_.empty()) {
            ++modalAbandoned_;
            window.open_ = false;
            break;
        }
        InputEvent event = events_.front();
        events_.pop_front();
        if (window.handler_) window.handler_(event);
    }
}

std::string HeadlessPlatform::ChooseFile(FileDialogMode, const std::string& title) {
    fileDialogTitles_.push_back(title);
    if (fileAnswers_.empty()) return "";
    std::string path = fileAnswers_.front();
    fileAnswers_.pop_front();
    return path;
}

std::string HeadlessPlatform::GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                         const std::string& fallback) {
    auto it = settings_->find(app + "/" + section + "/" + key);
    return it == settings_->end() ? fallback : it->second;
}

void HeadlessPlatform::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                   const std::string& value) {
    (*settings_)[app + "/" + section + "/" + key] = value;
}

void HeadlessModalWindow::SetBounds(int x, int y, int width, int height) {
    x_ = x;
    y_ = y;
    width_ = width;
    height_ = height;
}

} // namespace varnix
