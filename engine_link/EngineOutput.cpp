#include "engine_link/EngineOutput.h"

#include "engine_link/MenuItemNames.h"

#include <charconv>
#include <algorithm>
#include <utility>

namespace varnix {

namespace {

constexpr char Bel = '\a';

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

long NumberOf(std::string_view digits) {
    long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return -1;
    return value;
}

} // namespace

bool ReadMoveLine(const std::string& text, MoveLine& line) {
    const auto p = text.find("): ");
    if (p == std::string::npos) return false;
    const auto q = text.rfind('(', p);
    line.Number = q == std::string::npos ? -1 : NumberOf(std::string_view(text).substr(q + 1, p - q - 1));
    // The move stands between the last two spaces, with at most one character after the last.
    line.Move.clear();
    const auto e = text.rfind(' ');
    if (text.size() < 3) return true;
    const auto before = text.rfind(' ', text.size() - 3);
    if (e == std::string::npos || before == std::string::npos || e <= before + 1) return true;
    line.Move = text.substr(before + 1, e - before - 1);
    return true;
}

void EngineOutput::Receive(std::int32_t n) {
    // No text the program acts on is this long; the library would write n + 1 bytes, so none is fetched.
    constexpr std::int32_t LongestText = 1 << 16;
    if (n < 0 || n > LongestText) return;
    std::string buffer(std::size_t(n) + 1, ' ');
    link_.ReadEngineText(buffer);
    // The library writes a terminating zero; a shorter text ends there.
    buffer.resize(std::min(buffer.find('\0'), std::size_t(n)));
    Interpret(buffer);
}

void EngineOutput::Interpret(const std::string& text) {
    // The game-end texts and draw claims that follow a discarded move speak of a game no longer shown.
    const bool discarded = std::exchange(afterDiscardedMove_, false);
    if (Contains(text, "analyze complete")) EndSearch();
    if (!discarded) {
        if (Contains(text, "claim a draw") || Contains(text, "I offer a draw")) {
            link_.InterruptEngine();
            platform_.SetMenuEnabled(MenuStopThinking, false);
        }
        if (Contains(text, "stalemate")) {
            actions_.EndGame();
            actions_.ShowMessage("Stalemate!");
        }
        if (Contains(text, "White mates")) AnnounceMate(0);
        if (Contains(text, "Black mates")) AnnounceMate(0);
    }
    const bool wasDue = moveLineDue_;
    if (wasDue) EngineMove(text);
    moveLineDue_ = !text.empty() && text.front() == Bel;
}

// The end of a discarded search leaves a search asked for after it running.
void EngineOutput::EndSearch() {
    EngineFlags& flags = link_.Flags();
    const bool newer = flags.DiscardEngineMove && flags.SearchAfterDiscard;
    flags.DiscardEngineMove = flags.SearchAfterDiscard = false;
    if (!newer) link_.ThinkingEnded();
}

void EngineOutput::AnnounceMate(int quiet) {
    actions_.EndGame();
    if (quiet == 0) actions_.ShowMessage("Checkmate!");
    link_.ThinkingEnded();
}

void EngineOutput::EngineMove(const std::string& text) {
    MoveLine line;
    if (!ReadMoveLine(text, line)) return;
    EngineFlags& flags = link_.Flags();
    if (flags.DiscardEngineMove) {
        EndSearch();
        afterDiscardedMove_ = true;
        return;
    }
    link_.ThinkingEnded();
    if (actions_.GameEnded()) return;
    if (line.Number != actions_.PlyCount() / 2 + 1) return;
    if (line.Move.empty()) return;
    actions_.PlayEngineMove(line.Move);
}

} // namespace varnix
