// The search: iterative deepening over a principal-variation alpha-beta, on worker threads.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

#include "engine/board.h"
#include "engine/eval_params.h"
#include "engine/tt.h"
#include "engine/types.h"

namespace varnix::engine {

struct SearchLimits {
    int64_t moveTimeMs = 0;   // budget for this move (0 = none); use about this, never overrun by more than 50 ms
    int64_t wtimeMs = -1, btimeMs = -1, wincMs = 0, bincMs = 0; int movesToGo = 0; // UCI clocks (-1 = unset)
    int depth = 0;            // 0 = no limit
    uint64_t nodes = 0;       // 0 = no limit
    bool infinite = false;    // search until Stop()
    bool ponder = false;      // pondering: no time limit until PonderHit()
    int skill = 100;          // 1..100, 100 = full strength
    bool varietyAtStart = false; // pick among near-best moves in the first moves (seeded from the clock)
    uint64_t seed = 0;        // of the move choice below full strength; 0 = from the clock
};

struct SearchInfo {
    int depth;
    int seldepth;
    int scoreCp;
    bool isMate;
    int mateInMoves;  // > 0: the side to move mates in that many moves; < 0: it is mated
    uint64_t nodes;
    int64_t elapsedMs;
    std::vector<Move> pv;
};

class SearchWorker;
struct SearchShared;

class Searcher {
public:
    explicit Searcher(size_t hashMb = 64, int threads = 1);
    ~Searcher();                       // stops and joins
    void SetHashMb(size_t mb);         // only when idle
    void SetThreads(int n);            // only when idle
    void NewGame();                    // clears TT and histories (only when idle)
    // Starts searching `root` on a worker thread and returns at once. `history` holds the Zobrist keys of the
    // positions of the game before root (oldest first) for repetition detection. onInfo is called from the worker
    // thread after each completed iteration; onDone(best, ponder) exactly once from the worker thread when the
    // search ends (best is Move::none() only when root has no legal move). The callbacks must not call Start,
    // Wait or the idle-only methods.
    void Start(const Board& root, std::vector<uint64_t> history, const SearchLimits& limits,
               std::function<void(const SearchInfo&)> onInfo, std::function<void(Move best, Move ponder)> onDone);
    void Stop();                       // asks the search to end soon (within a few ms); returns at once; onDone still follows
    void PonderHit();                  // a pondering search becomes a normal one; its time counts from now
    void Wait();                       // blocks until the worker has finished (after onDone returned)
    bool Running() const;
    uint64_t Bench(int depth, std::ostream& out); // fixed positions to fixed depth, single thread, deterministic node count
    // Plays with other evaluation weights (tuning and comparing them); only when idle.
    void SetEvalParams(const EvalParams& params);

private:
    void Run(Board root, std::vector<uint64_t> history, SearchLimits limits,
             std::function<void(const SearchInfo&)> onInfo, std::function<void(Move, Move)> onDone);

    TranspositionTable tt_;
    std::vector<std::unique_ptr<SearchWorker>> workers_;
    std::unique_ptr<SearchShared> shared_;
    std::thread thread_;
    std::atomic<bool> running_{false};
};

}  // namespace varnix::engine
