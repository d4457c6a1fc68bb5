#include "engine/search.h"

#include <algorithm>
#include <chrono>
#include <iomanip>

#include "engine/bench_positions.h"
#include "engine/movegen.h"
#include "engine/search_worker.h"
#include "engine/skill.h"
#include "engine/timeman.h"

namespace varnix::engine {
namespace {

constexpr int kVarietyMoves = 6;  // full moves at the start of a game in which variety applies

// The move expected in reply to best, if it is legal.
Move PonderMove(const Board& root, const std::vector<Move>& pv) {
    if (pv.size() < 2) return Move::none();
    Board after = root;
    after.MakeMove(pv[0]);
    return IsLegalMove(after, pv[1]) ? pv[1] : Move::none();
}

// The first count root moves of a completed iteration with their scores.
std::vector<ScoredMove> ScoredRoot(const std::vector<RootMove>& completed, int count) {
    std::vector<ScoredMove> scored;
    for (size_t i = 0; i < completed.size() && i < size_t(count); ++i)
        scored.push_back({completed[i].move, completed[i].previousScore});
    return scored;
}

}  // namespace

Searcher::Searcher(size_t hashMb, int threads) : tt_(hashMb), shared_(std::make_unique<SearchShared>(tt_)) {
    SetThreads(threads);
}

Searcher::~Searcher() {
    Stop();
    Wait();
}

void Searcher::SetHashMb(size_t mb) {
    Wait();
    tt_.Resize(mb);
}

void Searcher::SetThreads(int n) {
    Wait();
    n = std::clamp(n, 1, 64);
    workers_.clear();
    for (int i = 0; i < n; ++i) workers_.push_back(std::make_unique<SearchWorker>(i, *shared_));
}

void Searcher::SetEvalParams(const EvalParams& params) {
    Wait();
    shared_->params = params;
    SetThreads(int(workers_.size()));
}

void Searcher::NewGame() {
    Wait();
    tt_.Clear();
    for (auto& w : workers_) w->NewGame();
}

void Searcher::Start(const Board& root, std::vector<uint64_t> history, const SearchLimits& limits,
                     std::function<void(const SearchInfo&)> onInfo, std::function<void(Move, Move)> onDone) {
    Stop();
    Wait();
    shared_->stop.store(false);
    shared_->pondering.store(limits.ponder);
    running_.store(true);
    thread_ = std::thread(&Searcher::Run, this, root, std::move(history), limits, std::move(onInfo), std::move(onDone));
}

void Searcher::Stop() { shared_->stop.store(true); }

void Searcher::PonderHit() {
    shared_->startMs.store(NowMs());
    shared_->pondering.store(false);
}

void Searcher::Wait() {
    if (thread_.joinable()) thread_.join();
}

bool Searcher::Running() const { return running_.load(); }

void Searcher::Run(Board root, std::vector<uint64_t> history, SearchLimits limits,
                   std::function<void(const SearchInfo&)> onInfo, std::function<void(Move, Move)> onDone) {
    SearchShared& shared = *shared_;
    shared.startMs.store(NowMs());
    const auto seed = limits.seed ? limits.seed : uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    const bool variety = limits.varietyAtStart && root.FullmoveNumber() <= kVarietyMoves;
    Skill skill(limits.skill, variety, seed);
    shared.budget = PlanTime(limits, root.SideToMove());
    shared.infinite = limits.infinite;
    shared.depthLimit = limits.depth;
    const uint64_t skillNodes = skill.NodeBudget();
    shared.nodeLimit = limits.nodes && skillNodes ? std::min(limits.nodes, skillNodes) : std::max(limits.nodes, skillNodes);

    // Budgeted searches run on one thread, so that the same budget buys the same play.
    const size_t threads = shared.nodeLimit ? 1 : workers_.size();
    shared.workers.clear();
    for (size_t i = 0; i < threads; ++i) shared.workers.push_back(workers_[i].get());
    tt_.NewSearch();
    for (size_t i = 0; i < threads; ++i) workers_[i]->Prepare(root, history, skill.CandidateCount());

    std::vector<std::thread> helpers;
    for (size_t i = 1; i < threads; ++i) helpers.emplace_back([this, i] { workers_[i]->Iterate(nullptr); });
    SearchWorker& main = *workers_[0];
    std::function<void(const SearchInfo&)> report = onInfo;
    if (skill.Limited()) {
        report = [&](const SearchInfo& info) {
            if (info.depth == 1) skill.ObserveShallow(ScoredRoot(main.CompletedRoot(), skill.CandidateCount()));
            if (onInfo) onInfo(info);
        };
    }
    main.Iterate(report);

    // A pondering or infinite search that has nothing more to do still waits to be told.
    while (!shared.stop.load() && (shared.pondering.load() || shared.infinite) && !main.RootMoves().empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    shared.stop.store(true);
    for (std::thread& t : helpers) t.join();

    Move best = Move::none(), ponder = Move::none();
    if (!main.RootMoves().empty()) {
        const RootMove* chosen = &main.RootMoves().front();
        const auto& completed = main.CompletedRoot();
        if (skill.CandidateCount() > 1 && !completed.empty()) {
            const Move pick = skill.Choose(ScoredRoot(completed, skill.CandidateCount()));
            chosen = &*std::find_if(completed.begin(), completed.end(), [&](const RootMove& r) { return r.move == pick; });
        }
        best = chosen->move;
        ponder = PonderMove(root, chosen->pv);
    }
    if (onDone) onDone(best, ponder);
    running_.store(false);
}

uint64_t Searcher::Bench(int depth, std::ostream& out) {
    Wait();
    auto saved = std::move(workers_);
    workers_.clear();
    workers_.push_back(std::make_unique<SearchWorker>(0, *shared_));
    uint64_t total = 0;
    const int64_t start = NowMs();
    for (const char* fen : kBenchPositions) {
        NewGame();
        const Board board = *Board::FromFen(fen);
        SearchLimits limits;
        limits.depth = depth;
        Move best;
        Start(board, {}, limits, nullptr, [&](Move m, Move) { best = m; });
        Wait();
        const uint64_t nodes = workers_[0]->Nodes();
        total += nodes;
        out << std::setw(10) << nodes << "  " << fen << '\n';
    }
    const int64_t ms = std::max<int64_t>(1, NowMs() - start);
    out << "nodes " << total << "\nnps " << total * 1000 / uint64_t(ms) << '\n';
    workers_ = std::move(saved);
    return total;
}

}  // namespace varnix::engine
