// Drives varnix_EngineStart in-process the way the program does: the pump
// hands in at most one line per call, the output callback fetches each text.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace varnix::engine::testing {

struct ProtocolHost {
    // Asked at every pump call: the line to hand in now, or nothing to wait.
    std::function<std::optional<std::string>(ProtocolHost&)> next;
    // Called with every text right after it was fetched, inside the output callback.
    std::function<void(ProtocolHost&, const std::string&)> onText;
    std::vector<std::string> texts;
    int pumpCalls = 0;
    int maxPumpCalls = 12000;  // then "quit" goes in: a hang ends as a failure, not a stuck test
    bool gaveUp = false;

    // Runs the loop until it returns.
    void Run();
};

// A line to hand in, then (if not empty) what to wait for: a text arriving
// after the line that contains it, or any of several parts split by '|'.
struct Step {
    std::string line;
    std::string awaited;
};

// Plays the steps, then "quit"; returns every text in order.
std::vector<std::string> RunScript(const std::vector<Step>& steps);

// The move texts that follow a BEL text, in order.
std::vector<std::string> MoveLines(const std::vector<std::string>& texts);

// "move (N): SAN \n" taken apart; nothing when the text has another shape.
struct MoveLineParts {
    int number;
    std::string san;
};
std::optional<MoveLineParts> ReadMoveLine(const std::string& text);

// Index of the first text containing `part` at or after `from`, or -1.
int Find(const std::vector<std::string>& texts, const std::string& part, int from = 0);

}  // namespace varnix::engine::testing
