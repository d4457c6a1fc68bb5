#include "engine_link/CommandQueue.h"

namespace varnix {

void CommandQueue::Append(std::string_view cmd) {
    std::string line(cmd);
    for (char& c : line) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    lines_.push_back(std::move(line));
}

bool CommandQueue::TakeLine(std::string& line) {
    if (lines_.empty()) return false;
    line = std::move(lines_.front());
    lines_.pop_front();
    return true;
}

std::string CommandQueue::Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + '\n';
    return text;
}

} // namespace varnix
