#include "engine/protocol_command.h"

#include <array>
#include <charconv>
#include <utility>

#include "engine/san.h"

namespace varnix::engine {
namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool ReadNumber(std::string_view text, int64_t& value) {
    const char* end = text.data() + text.size();
    int64_t read = 0;
    const auto [at, error] = std::from_chars(text.data(), end, read);
    if (error != std::errc() || at != end || text.empty()) return false;
    value = read;
    return true;
}

constexpr std::array<std::pair<std::string_view, CommandKind>, 7> kBareWords{{
    {"new", CommandKind::New},
    {"force", CommandKind::Force},
    {"go", CommandKind::Go},
    {"white", CommandKind::White},
    {"black", CommandKind::Black},
    {"quit", CommandKind::Quit},
    {"", CommandKind::Empty},
}};

constexpr std::array<std::pair<std::string_view, CommandKind>, 4> kNumberWords{{
    {"movenumber", CommandKind::MoveNumber},
    {"skill", CommandKind::Skill},
    {"whitetime", CommandKind::WhiteTime},
    {"blacktime", CommandKind::BlackTime},
}};

Command ParseWithArgument(Command command, std::string_view word, std::string_view argument) {
    if (word == "setboard") {
        command.kind = argument.empty() ? CommandKind::Unknown : CommandKind::SetBoard;
        command.argument = argument;
        return command;
    }
    if (word == "ponder") {
        command.kind = argument == "on" || argument == "off" ? CommandKind::Ponder : CommandKind::Unknown;
        command.on = argument == "on";
        return command;
    }
    for (const auto& [name, kind] : kNumberWords) {
        if (word != name) continue;
        command.kind = ReadNumber(argument, command.number) && command.number >= 0 ? kind : CommandKind::Unknown;
        return command;
    }
    command.kind = CommandKind::Unknown;
    return command;
}

}  // namespace

Command ParseCommand(std::string_view line) {
    const std::string_view text = Trim(line);
    Command command;
    command.line = text;
    const size_t space = text.find(' ');
    if (space == std::string_view::npos) {
        for (const auto& [name, kind] : kBareWords) {
            if (text != name) continue;
            command.kind = kind;
            return command;
        }
        command.kind = LooksLikeMove(text) ? CommandKind::Move : CommandKind::Unknown;
        return command;
    }
    return ParseWithArgument(std::move(command), text.substr(0, space), Trim(text.substr(space + 1)));
}

}  // namespace varnix::engine
