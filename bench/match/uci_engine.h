// A UCI engine in a child process, spoken to line by line through pipes.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace varnix::match {

class UciEngine {
public:
    using Clock = std::chrono::steady_clock;

    ~UciEngine();

    // Starts `command` through /bin/sh, sends "uci" and the options
    // ("Name=Value"), and waits for "readyok". False when it cannot.
    bool Start(const std::string& command, const std::vector<std::string>& options);
    void Send(const std::string& line);
    // The next line the engine writes, or nothing once the deadline passed or it died.
    std::optional<std::string> ReadLine(Clock::time_point deadline);
    // Reads until a line starting with `prefix` comes; that line, or nothing.
    std::optional<std::string> WaitFor(const std::string& prefix, Clock::time_point deadline);
    const std::string& Name() const { return name_; }

private:
    pid_t pid_ = -1;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    std::string buffer_;
    std::string name_;
};

}  // namespace varnix::match
