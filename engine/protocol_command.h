// One line of the engine text protocol, read into a command and its argument.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnix::engine {

enum class CommandKind {
    Empty, New, Force, Go, SetBoard, White, Black, MoveNumber, Skill, Ponder, WhiteTime, BlackTime, Quit,
    Move,     // anything shaped like a move; legality is decided on the board
    Unknown,  // an unknown word, or a known one with an unreadable argument
};

struct Command {
    CommandKind kind = CommandKind::Empty;
    std::string line;      // the line without surrounding blanks
    std::string argument;  // SetBoard: the FEN
    int64_t number = 0;  // MoveNumber, Skill, WhiteTime, BlackTime
    bool on = false;     // Ponder
};

Command ParseCommand(std::string_view line);

}  // namespace varnix::engine
