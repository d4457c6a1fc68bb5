#include "engine/uci/uci_session.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <sstream>

#include "engine/game_end.h"
#include "engine/uci_move.h"

namespace varnix::engine {
namespace {

constexpr int kMostThreads = 8;
constexpr int64_t kMostHashMb = 4096;

std::vector<std::string> Words(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// The number after `key` in the words, if there is a readable one.
bool NumberAfter(const std::vector<std::string>& words, std::string_view key, int64_t& value) {
    const auto at = std::find(words.begin(), words.end(), key);
    if (at == words.end() || at + 1 == words.end()) return false;
    const std::string& text = *(at + 1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool Has(const std::vector<std::string>& words, std::string_view key) {
    return std::find(words.begin(), words.end(), key) != words.end();
}

// The words between `from` (exclusive) and `to` (exclusive, or the end), joined by spaces.
std::string Between(const std::vector<std::string>& words, std::string_view from, std::string_view to) {
    auto at = std::find(words.begin(), words.end(), from);
    std::string joined;
    if (at == words.end()) return joined;
    for (++at; at != words.end() && *at != to; ++at) joined += (joined.empty() ? "" : " ") + *at;
    return joined;
}

}  // namespace

UciSession::UciSession(std::ostream& out) : out_(out) {}

UciSession::~UciSession() { StopSearch(); }

bool UciSession::HandleLine(std::string_view line) {
    const std::vector<std::string> words = Words(line);
    if (words.empty()) return true;
    const std::string& command = words.front();
    if (command == "quit") {
        StopSearch();
        return false;
    }
    if (command == "uci") Identify();
    else if (command == "isready") Write("readyok");
    else if (command == "ucinewgame") {
        StopSearch();
        searcher_.NewGame();
        game_ = GameLine();
    } else if (command == "setoption") SetOption(words);
    else if (command == "position") SetPosition(words);
    else if (command == "go") Go(words);
    else if (command == "stop") searcher_.Stop();
    else if (command == "ponderhit") searcher_.PonderHit();
    else if (command == "bench") Bench(words);
    else Write("info string unknown command: " + std::string(line));
    return true;
}

void UciSession::Identify() {
    Write("id name Varnix Chess");
    Write("id author the Varnix Chess team");
    Write("option name Hash type spin default 64 min 1 max " + std::to_string(kMostHashMb));
    Write("option name Threads type spin default 1 min 1 max " + std::to_string(kMostThreads));
    Write("option name Skill type spin default 100 min 1 max 100");
    Write("option name Ponder type check default false");
    Write("uciok");
}

void UciSession::SetOption(const std::vector<std::string>& words) {
    const std::string name = Between(words, "name", "value");
    int64_t value = 0;
    const bool numeric = NumberAfter(words, "value", value);
    if (name == "Ponder") return;  // pondering is the host's choice, made with "go ponder"
    if (!numeric || (name != "Hash" && name != "Threads" && name != "Skill")) {
        Write("info string cannot set option: " + name);
        return;
    }
    StopSearch();
    if (name == "Hash") searcher_.SetHashMb(size_t(std::clamp<int64_t>(value, 1, kMostHashMb)));
    if (name == "Threads") searcher_.SetThreads(int(std::clamp<int64_t>(value, 1, kMostThreads)));
    if (name == "Skill") skill_ = int(std::clamp<int64_t>(value, 1, 100));
}

void UciSession::SetPosition(const std::vector<std::string>& words) {
    std::optional<GameLine> line;
    if (words.size() >= 2 && words[1] == "startpos") line = GameLine();
    if (words.size() >= 2 && words[1] == "fen") line = GameLine::FromFen(Between(words, "fen", "moves"));
    if (!line) {
        Write("info string unreadable position");
        return;
    }
    auto at = std::find(words.begin(), words.end(), "moves");
    for (at = at == words.end() ? at : at + 1; at != words.end(); ++at) {
        const Move move = MoveFromUci(line->Current(), *at);
        if (!move) {
            Write("info string illegal move: " + *at);
            break;
        }
        line->Play(move);
    }
    StopSearch();
    game_ = std::move(*line);
}

void UciSession::Go(const std::vector<std::string>& words) {
    if (searcher_.Running()) {
        Write("info string already searching");
        return;
    }
    searcher_.Wait();  // joins a search that has just ended
    if (ResultWithoutMoves(game_.Current()) != NoMoveResult::None) {
        Write("bestmove 0000");
        return;
    }
    SearchLimits limits;
    int64_t number = 0;
    if (NumberAfter(words, "movetime", number)) limits.moveTimeMs = std::max<int64_t>(1, number);
    if (NumberAfter(words, "wtime", number)) limits.wtimeMs = std::max<int64_t>(0, number);
    if (NumberAfter(words, "btime", number)) limits.btimeMs = std::max<int64_t>(0, number);
    if (NumberAfter(words, "winc", number)) limits.wincMs = std::max<int64_t>(0, number);
    if (NumberAfter(words, "binc", number)) limits.bincMs = std::max<int64_t>(0, number);
    if (NumberAfter(words, "movestogo", number)) limits.movesToGo = int(std::clamp<int64_t>(number, 0, 1000));
    if (NumberAfter(words, "depth", number)) limits.depth = int(std::clamp<int64_t>(number, 1, 128));
    if (NumberAfter(words, "nodes", number)) limits.nodes = uint64_t(std::max<int64_t>(1, number));
    limits.infinite = Has(words, "infinite");
    limits.ponder = Has(words, "ponder");
    limits.skill = skill_;
    const Board root = game_.Current();
    searcher_.Start(
        root, game_.Earlier(), limits, [this](const SearchInfo& info) { WriteInfo(info); },
        [this](Move best, Move ponder) {
            std::string line = "bestmove " + MoveToUci(best);
            if (ponder) line += " ponder " + MoveToUci(ponder);
            Write(line);
        });
}

void UciSession::Bench(const std::vector<std::string>& words) {
    int64_t depth = kBenchDepth;
    if (words.size() >= 2) {
        const std::string& text = words[1];
        std::from_chars(text.data(), text.data() + text.size(), depth);
    }
    StopSearch();
    const auto start = std::chrono::steady_clock::now();
    std::ostringstream details;
    const uint64_t nodes = searcher_.Bench(int(std::clamp<int64_t>(depth, 1, 64)), details);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    Write(details.str() + "Nodes searched: " + std::to_string(nodes));
    Write("Nodes/second: " + std::to_string(nodes * 1000 / uint64_t(std::max<int64_t>(1, elapsed.count()))));
}

void UciSession::WriteInfo(const SearchInfo& info) {
    std::string line = "info depth " + std::to_string(info.depth) + " seldepth " + std::to_string(info.seldepth);
    line += info.isMate ? " score mate " + std::to_string(info.mateInMoves) : " score cp " + std::to_string(info.scoreCp);
    const int64_t ms = std::max<int64_t>(1, info.elapsedMs);
    line += " nodes " + std::to_string(info.nodes) + " nps " + std::to_string(info.nodes * 1000 / uint64_t(ms));
    line += " time " + std::to_string(info.elapsedMs) + " pv";
    for (const Move move : info.pv) line.append(" ").append(MoveToUci(move));
    Write(line);
}

void UciSession::Write(const std::string& line) {
    std::lock_guard lock(outMutex_);
    out_ << line << '\n' << std::flush;
}

void UciSession::StopSearch() {
    searcher_.Stop();
    searcher_.Wait();
}

}  // namespace varnix::engine
