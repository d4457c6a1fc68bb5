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

#ifndef VARNIX_ENGINE_PUMP_INTERVAL_US
#define VARNIX_ENGINE_PUMP_INTERVAL_US 5000
#endif
#ifndef VARNIX_ENGINE_HASH_MIB
#define VARNIX_ENGINE_HASH_MIB 64
#endif

namespace varnix::engine {

class EngineLoop {
public:
    // The pump is called at least this often, also while a search runs. Fuzz builds pump without pause and
    // use a small hash table, so that each of their millions of sessions is short.
    static constexpr std::chrono::microseconds kPumpInterval{VARNIX_ENGINE_PUMP_INTERVAL_US};
    static constexpr int kHashMiB = VARNIX_ENGINE_HASH_MIB;

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
