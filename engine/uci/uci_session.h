// The UCI front end on the engine's searcher: reads command lines and writes
// its answers to a stream. Lines are read on the caller's thread; the search
// runs on the searcher's worker, which writes "info" and "bestmove" lines.
#pragma once

#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_line.h"
#include "engine/search.h"

namespace varnix::engine {

class UciSession {
public:
    static constexpr int kBenchDepth = 12;

    explicit UciSession(std::ostream& out);
    ~UciSession();
    UciSession(const UciSession&) = delete;
    UciSession& operator=(const UciSession&) = delete;

    // Acts on one line; false once it was "quit".
    bool HandleLine(std::string_view line);
    // Blocks until a running search has written its "bestmove".
    void WaitForSearch() { searcher_.Wait(); }

private:
    void Identify();
    void SetOption(const std::vector<std::string>& words);
    void SetPosition(const std::vector<std::string>& words);
    void Go(const std::vector<std::string>& words);
    void Bench(const std::vector<std::string>& words);
    void WriteInfo(const SearchInfo& info);
    void Write(const std::string& line);
    void StopSearch();

    std::ostream& out_;
    std::mutex outMutex_;
    Searcher searcher_;
    GameLine game_;
    int skill_ = 100;
};

}  // namespace varnix::engine
