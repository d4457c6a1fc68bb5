// The engine library's loop: it runs on the caller's thread, calls the pump,
// acts on the lines the pump handed in, and writes the searcher's results as
// texts through the output callback. The search itself runs on the
// searcher's worker thread, which only queues reports for this loop.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>

#include "engine/api/varnix_engine.h"
#include "engine/protocol_session.h"
#include "engine/search.h"

namespace varnix::engine {

class EngineLoop {
public:
    // The pump is called at least this often, also while a search runs.
    static constexpr std::chrono::milliseconds kPumpInterval{5};

    EngineLoop(VarnixPumpCallback pump, VarnixOutputCallback output);

    // Runs until a "quit" line has been acted on.
    void Run();
    // Queues a line; it is acted on after the current callback returns.
    void Receive(std::string_view line);
    // Copies the text being announced, or "" outside an announcement.
    void CopyAnnounced(char* buffer) const;

private:
    void Announce(std::string_view text);
    void Wake();
    // Sleeps until the deadline or until a line or report arrives.
    void WaitUntil(std::chrono::steady_clock::time_point deadline);
    bool ActOnLines();

    VarnixPumpCallback pump_;
    VarnixOutputCallback output_;

    std::mutex mutex_;
    std::condition_variable wakeup_;
    std::deque<std::string> lines_;
    bool woken_ = false;

    std::string announced_;
    bool announcing_ = false;

    Searcher searcher_;
    ProtocolSession session_;
};

}  // namespace varnix::engine
