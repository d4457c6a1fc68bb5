#include "uci_engine.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace varnix::match {

UciEngine::~UciEngine() {
    if (pid_ <= 0) return;
    Send("quit");
    for (int i = 0; i < 50 && waitpid(pid_, nullptr, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (waitpid(pid_, nullptr, WNOHANG) == 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    close(toEngine_);
    close(fromEngine_);
}

bool UciEngine::Start(const std::string& command, const std::vector<std::string>& options) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return false;
    pid_ = fork();
    if (pid_ < 0) return false;
    if (pid_ == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        close(in[0]);
        close(in[1]);
        close(out[0]);
        close(out[1]);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    toEngine_ = in[1];
    fromEngine_ = out[0];
    name_ = command;
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    Send("uci");
    for (std::optional<std::string> line; (line = ReadLine(deadline)) && *line != "uciok";)
        if (line->starts_with("id name ")) name_ = line->substr(8);
    for (const std::string& option : options) {
        const size_t equals = option.find('=');
        Send("setoption name " + option.substr(0, equals) +
             (equals == std::string::npos ? "" : " value " + option.substr(equals + 1)));
    }
    Send("isready");
    return WaitFor("readyok", deadline).has_value();
}

void UciEngine::Send(const std::string& line) {
    const std::string text = line + "\n";
    if (toEngine_ >= 0 && write(toEngine_, text.data(), text.size()) < 0) {
        close(toEngine_);
        toEngine_ = -1;
    }
}

std::optional<std::string> UciEngine::ReadLine(Clock::time_point deadline) {
    for (;;) {
        const size_t newline = buffer_.find('\n');
        if (newline != std::string::npos) {
            std::string line = buffer_.substr(0, newline);
            buffer_.erase(0, newline + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || fromEngine_ < 0) return std::nullopt;
        pollfd poll_fd{fromEngine_, POLLIN, 0};
        if (poll(&poll_fd, 1, int(left)) <= 0) continue;
        char chunk[4096];
        const ssize_t got = read(fromEngine_, chunk, sizeof chunk);
        if (got <= 0) return std::nullopt;
        buffer_.append(chunk, size_t(got));
    }
}

std::optional<std::string> UciEngine::WaitFor(const std::string& prefix, Clock::time_point deadline) {
    for (std::optional<std::string> line; (line = ReadLine(deadline));)
        if (line->starts_with(prefix)) return line;
    return std::nullopt;
}

}  // namespace varnix::match
