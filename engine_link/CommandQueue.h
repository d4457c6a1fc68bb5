// The outgoing command lines, in the order they were sent. Each entry is one
// line: a command can never split into two or merge with the next.
#pragma once

#include <deque>
#include <string>
#include <string_view>

namespace varnix {

class CommandQueue {
public:
    // Line breaks inside cmd become spaces, so that it stays one line.
    void Append(std::string_view cmd);
    // Takes the first line off the queue; false when none waits.
    bool TakeLine(std::string& line);
    bool Empty() const { return lines_.empty(); }
    // The waiting lines, each ended by a line feed.
    std::string Text() const;

private:
    std::deque<std::string> lines_;
};

} // namespace varnix
