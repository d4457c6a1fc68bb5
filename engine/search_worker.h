// One search thread: the alpha-beta search, the quiescence search and the iterative deepening loop.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/board.h"
#include "engine/evaluate.h"
#include "engine/history.h"
#include "engine/score.h"
#include "engine/timeman.h"
#include "engine/tt.h"

namespace varnix::engine {

struct SearchInfo;

int64_t NowMs();

// What all threads of one search share.
struct SearchShared {
    explicit SearchShared(TranspositionTable& table) : tt(table) {}

    TranspositionTable& tt;
    EvalParams params = DefaultEvalParams();
    std::atomic<bool> stop{false};
    std::atomic<bool> pondering{false};
    std::atomic<int64_t> startMs{0};
    bool infinite = false;
    TimeBudget budget;
    uint64_t nodeLimit = 0;
    int depthLimit = 0;
    std::vector<const class SearchWorker*> workers;

    uint64_t TotalNodes() const;
    int64_t ElapsedMs() const { return NowMs() - startMs.load(std::memory_order_relaxed); }
};

struct RootMove {
    Move move;
    int score = -kInfinite;          // this iteration; -kInfinite when only known to be worse than the best
    int previousScore = -kInfinite;  // the last completed iteration
    int selDepth = 0;
    std::vector<Move> pv;
};

class SearchWorker {
public:
    SearchWorker(int id, SearchShared& shared);

    void NewGame() { history_.Clear(); }
    // Sets up the root; history holds the keys of the game's positions before root.
    void Prepare(const Board& root, const std::vector<uint64_t>& history, int multiPv);
    // Deepens until a limit or a stop; the main thread (id 0) reports each iteration through onInfo.
    void Iterate(const std::function<void(const SearchInfo&)>& onInfo);

    uint64_t Nodes() const { return nodes_.load(std::memory_order_relaxed); }
    const std::vector<RootMove>& RootMoves() const { return rootMoves_; }
    // Root moves and scores of the last completed iteration, best first.
    const std::vector<RootMove>& CompletedRoot() const { return completedRoot_; }
    int CompletedDepth() const { return completedDepth_; }

private:
    struct Frame {
        int staticEval = 0;
        Move move;
        Piece moved = NoPiece;
        Move excluded;  // left out while testing whether the hash move is singular
        int pliesFromNull = 0;
        int doubleExtensions = 0;  // on the line from the root, to keep the tree finite
    };

    template <bool Pv>
    int Search(int alpha, int beta, int depth, int ply, bool cutNode);
    template <bool Pv>
    int Quiesce(int alpha, int beta, int ply);
    int SearchRoot(int alpha, int beta, int depth);
    int Aspiration(int depth, int previous);

    void MakeMove(Move m, int ply);
    void UnmakeMove();
    bool IsRepetition(int ply) const;
    // Counts a node; the main thread looks at the clock and the node budget every 128 nodes,
    // fine enough for the smallest budgets of the weak levels.
    bool ShouldStop();
    void UpdatePv(int ply, Move m);
    History::QuietContext QuietContextAt(int ply);
    void UpdateQuietHistory(int ply, int depth, const History::QuietContext& context, Move best, const Move* tried,
                            int triedCount);
    SearchInfo MakeInfo() const;
    Frame& At(int ply) { return frames_[ply + 2]; }

    int id_;
    SearchShared& shared_;
    Board board_ = Board::StartPosition();
    Evaluator evaluator_;
    History history_;
    std::vector<uint64_t> keys_;
    std::array<Frame, kMaxPly + 4> frames_{};
    std::array<std::array<Move, kMaxPly + 1>, kMaxPly + 1> pv_{};
    std::array<int, kMaxPly + 1> pvLength_{};
    std::vector<RootMove> rootMoves_, completedRoot_;
    std::atomic<uint64_t> nodes_{0};
    int multiPv_ = 1;
    int pvIndex_ = 0;
    int rootDepth_ = 0;
    int selDepth_ = 0;
    int completedDepth_ = 0;
    int nullMinPly_ = 0;  // no null move before this ply while a null-move cut-off is verified
};

}  // namespace varnix::engine
