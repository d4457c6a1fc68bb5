// The engine's text protocol through varnix_EngineStart: the input's lines go
// in through the pump (the first byte says how many per pump call), "quit"
// always follows them, and every text that comes out is fetched with
// varnix_GetTxt and checked for the shape the program relies on.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "engine/api/varnix_engine.h"

namespace {

// Long inputs are cut: every line may start a search.
constexpr std::size_t kMostLines = 48;
// Time budgets in tenths of a millisecond above this are cut to it, so that searches end fast.
constexpr std::string_view kMostTime = "5";

struct Session {
    std::vector<std::string> lines;
    std::size_t next = 0;
    std::size_t perPump = 1;
    bool bellSeen = false;
};

Session session;

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string WithTinyBudget(std::string line) {
    for (std::string_view word : {"whitetime ", "blacktime "}) {
        if (!line.starts_with(word)) continue;
        const std::string_view number = std::string_view(line).substr(word.size());
        if (AllDigits(number) && number.size() > kMostTime.size()) line = std::string(word) + std::string(kMostTime);
    }
    return line;
}

void Pump() {
    for (std::size_t fed = 0; fed < session.perPump && session.next <= session.lines.size(); ++fed, ++session.next) {
        varnix_ReceiveTxt(session.next < session.lines.size() ? session.lines[session.next].c_str() : "quit");
    }
}

void Output(int32_t length) {
    if (length < 0) std::abort();
    std::vector<char> buffer(std::size_t(length) + 1, '\x7f');
    varnix_GetTxt(buffer.data());
    if (buffer.back() != '\0' || std::strlen(buffer.data()) != std::size_t(length)) std::abort();
    const std::string_view text(buffer.data(), std::size_t(length));
    // The BEL text stands alone, and the move line follows it at once.
    if (session.bellSeen && !text.starts_with("move (")) std::abort();
    if (text.starts_with('\a') && text != "\a") std::abort();
    session.bellSeen = text == "\a";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    session = Session{};
    session.perPump = 1 + data[0] % 4;
    // The engine starts from tiny budgets; the input may change them within the cap.
    session.lines = {"whitetime 5", "blacktime 5"};
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    for (std::size_t start = 0; start <= text.size() && session.lines.size() < kMostLines;) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line(text.substr(start, end - start));
        // A NUL would end the line early anyway; this way the fuzzer sees what was sent.
        line.erase(std::find(line.begin(), line.end(), '\0'), line.end());
        session.lines.push_back(WithTinyBudget(std::move(line)));
        start = end + 1;
    }
    varnix_EngineStart(&Pump, &Output);
    return 0;
}
