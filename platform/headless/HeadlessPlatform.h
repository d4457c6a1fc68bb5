// The platform for tests: no display. It records what the program asked of the
// window side and lets a test queue the events that the next "process pending
// events" delivers, drive a fake clock and answer dialogs.
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnix {

class HeadlessModalWindow;

// Settings outlive one platform object, so a test can start the program twice.
using HeadlessSettings = std::map<std::string, std::string>;

class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(std::shared_ptr<HeadlessSettings> settings = std::make_shared<HeadlessSettings>());
    ~HeadlessPlatform() override;

    // Platform
    void SetCaption(const std::string& text) override;
    std::string Caption() const override { return caption_; }
    void SetControlVisible(const std::string& control, bool visible) override;
    bool ControlVisible(const std::string& control) const override;
    void SetMenuEnabled(const std::string& item, bool enabled) override;
    void SetMenuChecked(const std::string& item, bool checked) override;
    void ShowPicture(const Surface& picture, int sx, int sy, int w, int h, int x, int y) override;
    void Repaint() override { ++repaints_; }
    void ShowWindow() override { shownAfterProcessCalls_ = processCalls_; }
    void ProcessPendingEvents() override;
    void SetEventHandler(std::function<void(const InputEvent&)> handler) override { handler_ = std::move(handler); }
    std::uint32_t TickMs() override;
    std::unique_ptr<ModalWindow> CreateModalWindow() override;
    std::string ChooseFile(FileDialogMode mode, const std::string& title) override;
    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void OpenUrl(const std::string& url) override { openedUrls_.push_back(url); }
    void Beep() override { ++beeps_; }

    // Driving it from a test.
    void QueueEvent(const InputEvent& event) { events_.push_back(event); }
    bool HasPendingEvents() const { return !events_.empty(); }
    void AdvanceClock(std::uint32_t ms) { now_ += ms; }
    // Every TickMs() call moves the clock on by this much (default 1), so that
    // loops that wait for time always end.
    void SetClockStep(std::uint32_t ms) { clockStep_ = ms; }
    // Called at the start of every ProcessPendingEvents(), before delivery.
    void SetProcessHook(std::function<void()> hook) { processHook_ = std::move(hook); }
    // The next file dialogs answer these paths in order; "" is a cancel.
    void QueueFileAnswer(const std::string& path) { fileAnswers_.push_back(path); }
    // Called when a modal window runs out of queued events while still open;
    // it may queue more. If it queues none the window is closed as abandoned.
    void SetModalIdleHook(std::function<void(HeadlessModalWindow&)> hook) { modalIdleHook_ = std::move(hook); }

    // What was asked.
    const std::vector<std::string>& Captions() const { return captions_; }
    bool MenuEnabled(const std::string& item) const;
    bool MenuChecked(const std::string& item) const;
    const Surface& Window() const { return window_; }
    int Repaints() const { return repaints_; }
    int ProcessCalls() const { return processCalls_; }
    // How many event processings had run when the window was shown; -1 while not shown.
    int ShownAfterProcessCalls() const { return shownAfterProcessCalls_; }
    int Beeps() const { return beeps_; }
    const std::vector<std::string>& OpenedUrls() const { return openedUrls_; }
    const std::vector<std::string>& FileDialogTitles() const { return fileDialogTitles_; }
    int ModalWindowsShown() const { return modalShown_; }
    int ModalWindowsAbandoned() const { return modalAbandoned_; }

private:
    friend class HeadlessModalWindow;
    // Runs a modal window: its events come from the same queue.
    void RunModal(HeadlessModalWindow& window);

    std::string caption_;
    std::vector<std::string> captions_;
    std::map<std::string, bool> visible_;
    std::map<std::string, bool> menuEnabled_;
    std::map<std::string, bool> menuChecked_;
    Surface window_;
    int repaints_ = 0;
    int processCalls_ = 0;
    int shownAfterProcessCalls_ = -1;
    int beeps_ = 0;
    int modalShown_ = 0;
    int modalAbandoned_ = 0;
    std::uint32_t now_ = 1000;
    std::uint32_t clockStep_ = 1;
    std::deque<InputEvent> events_;
    std::deque<std::string> fileAnswers_;
    std::vector<std::string> fileDialogTitles_;
    std::vector<std::string> openedUrls_;
    std::shared_ptr<HeadlessSettings> settings_;
    std::function<void(const InputEvent&)> handler_;
    std::function<void()> processHook_;
    std::function<void(HeadlessModalWindow&)> modalIdleHook_;
};

class HeadlessModalWindow : public ModalWindow {
public:
    explicit HeadlessModalWindow(HeadlessPlatform& platform) : platform_(platform) {}

    void SetBounds(int x, int y, int width, int height) override;
    int X() const override { return x_; }
    int Y() const override { return y_; }
    void SetTitle(const std::string& title) override { title_ = title; }
    // A fixed screen, so that layouts that depend on it are the same everywhere.
    ScreenArea Screen() const override { return {0, 0, 1280, 1024}; }
    void SetTooltips(const std::vector<TooltipArea>& areas) override { tooltips_ = areas; }
    void SetShape(const std::vector<RowSpan>& spans) override { shape_ = spans; }
    void SetContent(const Surface& picture) override { content_ = picture; }
    void SetEventHandler(std::function<void(const InputEvent&)> handler) override { handler_ = std::move(handler); }
    void RunModal() override { platform_.RunModal(*this); }
    void Close() override { open_ = false; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsOpen() const { return open_; }
    const std::string& Title() const { return title_; }
    const std::vector<TooltipArea>& Tooltips() const { return tooltips_; }
    const std::vector<RowSpan>& Shape() const { return shape_; }
    const Surface& Content() const { return content_; }

private:
    friend class HeadlessPlatform;
    HeadlessPlatform& platform_;
    int x_ = 0, y_ = 0, width_ = 0, height_ = 0;
    bool open_ = false;
    std::string title_;
    std::vector<TooltipArea> tooltips_;
    std::vector<RowSpan> shape_;
    Surface content_;
    std::function<void(const InputEvent&)> handler_;
};

} // namespace varnix
