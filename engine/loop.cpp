#include "engine/loop.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace varnix::engine {
namespace {

// The window needs one core; the search gets the others.
int SearchThreads() { return std::max(1, int(std::thread::hardware_concurrency()) - 1); }

}  // namespace

EngineLoop::EngineLoop(VarnixPumpCallback pump, VarnixOutputCallback output)
    : pump_(pump),
      output_(output),
      searcher_(kHashMiB, SearchThreads()),
      session_(searcher_, [this](std::string_view text) { Announce(text); }, [this] { Wake(); }) {}

void EngineLoop::Run() {
    for (;;) {
        const auto nextPump = std::chrono::steady_clock::now() + kPumpInterval;
        pump_();
        do {
            if (!ActOnLines()) return;
            session_.DeliverSearchReports();
            WaitUntil(nextPump);
        } while (std::chrono::steady_clock::now() < nextPump);
    }
}

void EngineLoop::Receive(std::string_view line) {
    {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(line);
    }
    Wake();
}

void EngineLoop::CopyAnnounced(char* buffer) const {
    const std::string_view text = announcing_ ? std::string_view(announced_) : std::string_view();
    if (!text.empty()) std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
}

// The callback may read the text, queue lines and use the record calls; any
// line it queues waits until the loop is back in control.
void EngineLoop::Announce(std::string_view text) {
    announced_ = text;
    announcing_ = true;
    output_(int32_t(announced_.size()));
    announcing_ = false;
}

void EngineLoop::Wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    wakeup_.notify_one();
}

void EngineLoop::WaitUntil(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    wakeup_.wait_until(lock, deadline, [this] { return woken_; });
    woken_ = false;
}

// Acts on the queued lines in order; false once "quit" was among them.
bool EngineLoop::ActOnLines() {
    for (;;) {
        std::string line;
        {
            std::lock_guard lock(mutex_);
            if (lines_.empty()) return true;
            line = std::move(lines_.front());
            lines_.pop_front();
        }
        if (!session_.HandleLine(line)) return false;
    }
}

}  // namespace varnix::engine
