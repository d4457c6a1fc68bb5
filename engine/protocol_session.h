// The engine text protocol on top of the searcher: reads command lines, keeps
// the game, starts and stops searches, and writes the texts the program acts
// on. Everything here runs on the loop's thread except Post, which the
// searcher's worker calls to hand its reports over.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string_view>
#include <utility>

#include "engine/game_end.h"
#include "engine/game_line.h"
#include "engine/protocol_command.h"
#include "engine/search.h"

namespace varnix::engine {

class ProtocolSession {
public:
    using Emit = std::function<void(std::string_view)>;

    // `emit` writes one text; `wake` tells the loop that a report is waiting
    // (it is called from the worker thread).
    ProtocolSession(Searcher& searcher, Emit emit, std::function<void()> wake);
    ~ProtocolSession();
    ProtocolSession(const ProtocolSession&) = delete;
    ProtocolSession& operator=(const ProtocolSession&) = delete;

    // Acts on one command line; false once the line was "quit".
    bool HandleLine(std::string_view line);
    // Acts on what the searches reported since the last call.
    void DeliverSearchReports();

private:
    enum class Task { Idle, Thinking, Pondering };
    struct Report {
        uint64_t search = 0;
        bool done = false;
        SearchInfo info{};
        Move best, ponder;
    };

    void ApplySetting(const Command& command);
    void PlayUserMove(const Command& command);
    void SetPosition(const Command& command);
    void SetSide(const Command& command, Color side);
    void Think();
    void Ponder(Move expected);
    void PonderHit(Move reply);
    void RestartPonderIfLimitsChanged();
    void MoveNow();
    void Abandon();
    void Finish(Move best, Move ponder);
    void AnnounceNoMoves(NoMoveResult result);
    void ReportError(std::string_view kind, std::string_view line);
    void ShowThinking(const SearchInfo& info);
    SearchLimits LimitsFor(Color side, bool ponder) const;
    void StartSearch(const Board& root, std::vector<uint64_t> history, const SearchLimits& limits);
    void Post(Report report);

    Searcher& searcher_;
    Emit emit_;
    std::function<void()> wake_;
    GameLine game_;
    int skill_ = 100;
    bool ponderOn_ = false;
    int64_t budgetTenthsMs_[2] = {10000, 10000};  // per side, in tenths of a millisecond
    Task task_ = Task::Idle;
    uint64_t search_ = 0;  // number of the current search; reports of older ones are dropped
    Move expected_;        // the reply a ponder search assumes
    SearchLimits ponderLimits_;
    std::optional<std::pair<Move, Move>> ponderFinished_;  // a ponder search that ended before its hit

    std::mutex reportsMutex_;
    std::deque<Report> reports_;
};

}  // namespace varnix::engine
