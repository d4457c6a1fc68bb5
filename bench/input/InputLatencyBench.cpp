// Input latency: from a mouse release that makes a move to the redrawn board
// (target 16 ms), and the largest gap between two pump calls while the engine
// searches at level 10 (target 10 ms). Runs the whole program headless with
// the engine library beside this executable.
#include "engine_link/EngineLibrary.h"
#include "main_window/FrmBoard.h"
#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

varnix::InputEvent Mouse(varnix::InputEvent::Kind kind, int file, int row) {
    varnix::InputEvent event;
    event.kind = kind;
    event.target = "board";
    event.button = 1;
    event.x = 19 + (file - 1) * 41 + 20;
    event.y = 19 + (row - 1) * 41 + 20;
    return event;
}

} // namespace

int main() {
    varnix::HeadlessPlatform platform;
    varnix::FrmBoard board(platform);
    varnix::FrmBoardHooks hooks;
    hooks.Close = [] {};
    board.SetHooks(hooks);
    varnix::EngineLibrary engine;

    enum class Phase { WaitStart, Dragging, Searching, Done } phase = Phase::WaitStart;
    Clock::time_point lastPump{};
    double releaseMs = 0, largestGapMs = 0;
    int gaps = 0;
    platform.SetProcessHook([&] {
        const auto now = Clock::now();
        switch (phase) {
        case Phase::WaitStart:
            if (engine.EngineHandle() == nullptr || !board.Link().Queue().Empty()) return;
            board.cs_Click(9); // "Level 10 - 10 sec"
            platform.QueueEvent(Mouse(varnix::InputEvent::Kind::MouseDown, 5, 7));
            platform.QueueEvent(Mouse(varnix::InputEvent::Kind::MouseMove, 5, 5));
            phase = Phase::Dragging;
            return;
        case Phase::Dragging: {
            if (board.Selection().pieceMov == 0) return;
            platform.QueueEvent(Mouse(varnix::InputEvent::Kind::MouseUp, 5, 5));
            // The release is handled, and the board redrawn, inside this call.
            phase = Phase::Searching;
            platform.SetEventHandler([&, start = now](const varnix::InputEvent& event) {
                board.HandleEvent(event);
                releaseMs = Ms(Clock::now() - start);
            });
            lastPump = now;
            return;
        }
        case Phase::Searching:
            largestGapMs = std::max(largestGapMs, Ms(now - lastPump));
            lastPump = now;
            if (++gaps < 2000 && board.Link().Flags().EngineThinking) return;
            phase = Phase::Done;
            board.Link().SendCommand("force");
            board.Link().SendCommand("quit");
            return;
        case Phase::Done:
            return;
        }
    });
    board.Load(engine);
    std::printf("release to redrawn board: %.2f ms (target 16)\n", releaseMs);
    std::printf("largest gap between pump calls over %d calls while searching at level 10: %.2f ms (target 10)\n",
                gaps, largestGapMs);
    return 0;
}
