// The four exports of the engine loop. The callbacks carry no context, so the
// running loop is reached through one pointer, set while varnix_EngineStart runs.
#include <mutex>

#include "engine/api/varnix_engine.h"
#include "engine/loop.h"

namespace {

std::mutex runningMutex;
bool started = false;  // a loop is being set up, runs or is ending
varnix::engine::EngineLoop* running = nullptr;

// Makes a loop reachable by the exports for exactly as long as it exists.
class Registration {
public:
    explicit Registration(varnix::engine::EngineLoop* loop) { Set(loop); }
    ~Registration() { Set(nullptr); }
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;

private:
    static void Set(varnix::engine::EngineLoop* loop) {
        std::lock_guard lock(runningMutex);
        running = loop;
    }
};

}  // namespace

extern "C" {

// A second start while a loop runs (say from inside a callback) returns at once.
VARNIX_API void varnix_EngineStart(VarnixPumpCallback pump, VarnixOutputCallback output) {
    if (pump == nullptr || output == nullptr) return;
    {
        std::lock_guard lock(runningMutex);
        if (started) return;
        started = true;
    }
    try {
        varnix::engine::EngineLoop loop(pump, output);
        const Registration registration(&loop);
        loop.Run();
    } catch (...) {
        // Out of memory or threads: the loop ends as if "quit" had come.
    }
    std::lock_guard lock(runningMutex);
    started = false;
}

VARNIX_API void varnix_GetTxt(char* buffer) {
    if (buffer == nullptr) return;
    std::lock_guard lock(runningMutex);
    if (running != nullptr) {
        running->CopyAnnounced(buffer);
    } else {
        buffer[0] = '\0';
    }
}

VARNIX_API void varnix_ReceiveTxt(const char* line) {
    if (line == nullptr) return;
    std::lock_guard lock(runningMutex);
    if (running != nullptr) running->Receive(line);
}

VARNIX_API void varnix_add_time(int32_t) {}
}
