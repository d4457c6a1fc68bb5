#include "engine/search_worker.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "engine/move_picker.h"
#include "engine/movegen.h"
#include "engine/search.h"
#include "engine/see.h"

namespace varnix::engine {
namespace {

constexpr int kMaxDepth = kMaxPly - 8;

// Late-move reductions by depth and move number, built once.
const std::array<std::array<int, 64>, 64>& Reductions() {
    static const auto table = [] {
        std::array<std::array<int, 64>, 64> r{};
        for (int d = 1; d < 64; ++d)
            for (int m = 1; m < 64; ++m) r[d][m] = int(0.8 + std::log(d) * std::log(m) / 2.3);
        return r;
    }();
    return table;
}

int Reduction(int depth, int moveCount) { return Reductions()[std::min(depth, 63)][std::min(moveCount, 63)]; }

bool IsQuiet(const Board& b, Move m) { return !b.IsCapture(m) && m.KindOf() != Move::Promotion; }

PieceType CapturedType(const Board& b, Move m) {
    return m.KindOf() == Move::EnPassant ? Pawn : TypeOf(b.PieceOn(m.To()));
}

// A stored bound on the score is a better guess than the bare evaluation, where it allows.
int SharpenedByBound(int eval, const TTHit& hit, int ttScore) {
    if (IsMateScore(ttScore)) return eval;
    if ((hit.bound == Bound::Lower && ttScore > eval) || (hit.bound == Bound::Upper && ttScore < eval)) return ttScore;
    return eval;
}

}  // namespace

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

uint64_t SearchShared::TotalNodes() const {
    uint64_t total = 0;
    for (const SearchWorker* w : workers) total += w->Nodes();
    return total;
}

SearchWorker::SearchWorker(int id, SearchShared& shared) : id_(id), shared_(shared), evaluator_(shared.params) {}

void SearchWorker::Prepare(const Board& root, const std::vector<uint64_t>& history, int multiPv) {
    board_ = root;
    keys_ = history;
    keys_.reserve(history.size() + kMaxPly + 8);
    keys_.push_back(root.Hash());
    frames_ = {};
    At(0).pliesFromNull = int(keys_.size()) - 1;
    nodes_.store(0, std::memory_order_relaxed);
    completedDepth_ = 0;
    rootMoves_.clear();
    completedRoot_.clear();
    // Root moves start in the order the move picker would give them.
    MovePicker picker(board_, history_, {board_.SideToMove(), {nullptr, nullptr}}, Move::none(), Move::none(),
                      Move::none(), Move::none());
    for (Move m = picker.Next(); m; m = picker.Next()) rootMoves_.push_back(RootMove{m, -kInfinite, -kInfinite, 0, {}});
    multiPv_ = std::clamp(multiPv, 1, std::max(1, int(rootMoves_.size())));
}

bool SearchWorker::ShouldStop() {
    const uint64_t n = nodes_.fetch_add(1, std::memory_order_relaxed) + 1;
    if (id_ == 0 && (n & 127) == 0 && completedDepth_ >= 1) {
        const bool outOfNodes = shared_.nodeLimit && shared_.TotalNodes() >= shared_.nodeLimit;
        const bool outOfTime = !shared_.pondering.load(std::memory_order_relaxed) && shared_.budget.hardMs &&
                               shared_.ElapsedMs() >= shared_.budget.hardMs;
        if (outOfNodes || outOfTime) shared_.stop.store(true, std::memory_order_relaxed);
    }
    return shared_.stop.load(std::memory_order_relaxed);
}

void SearchWorker::MakeMove(Move m, int ply) {
    At(ply).move = m;
    At(ply).moved = board_.PieceOn(m.From());
    board_.MakeMove(m);
    shared_.tt.Prefetch(board_.Hash());
    keys_.push_back(board_.Hash());
    At(ply + 1).pliesFromNull = At(ply).pliesFromNull + 1;
}

void SearchWorker::UnmakeMove() {
    board_.UnmakeMove();
    keys_.pop_back();
}

// Any earlier occurrence since the last irreversible move counts as a draw inside the search.
bool SearchWorker::IsRepetition(int ply) const {
    const int limit = std::min(board_.HalfmoveClock(), frames_[ply + 2].pliesFromNull);
    const size_t last = keys_.size() - 1;
    const uint64_t key = keys_[last];
    for (int back = 4; back <= limit && size_t(back) <= last; back += 2) {
        if (keys_[last - size_t(back)] == key) return true;
    }
    return false;
}

void SearchWorker::UpdatePv(int ply, Move m) {
    pv_[ply][ply] = m;
    for (int i = ply + 1; i < pvLength_[ply + 1]; ++i) pv_[ply][i] = pv_[ply + 1][i];
    pvLength_[ply] = std::max(pvLength_[ply + 1], ply + 1);
}

History::QuietContext SearchWorker::QuietContextAt(int ply) {
    History::QuietContext c{board_.SideToMove(), {nullptr, nullptr}};
    for (int back = 1; back <= 2 && back <= ply; ++back) {
        const Frame& f = At(ply - back);
        if (f.move) c.previous[back - 1] = history_.Continuation(f.moved, f.move.To());
    }
    return c;
}

void SearchWorker::UpdateQuietHistory(int ply, int depth, const History::QuietContext& context, Move best,
                                      const Move* tried, int triedCount) {
    const int bonus = History::Bonus(depth);
    history_.UpdateQuiet(context, board_.PieceOn(best.From()), best, bonus);
    for (int i = 0; i < triedCount; ++i) history_.UpdateQuiet(context, board_.PieceOn(tried[i].From()), tried[i], -bonus);
    history_.StoreKiller(ply, best);
    if (ply > 0 && At(ply - 1).move) history_.StoreCounter(At(ply - 1).moved, At(ply - 1).move.To(), best);
}

template <bool Pv>
int SearchWorker::Quiesce(int alpha, int beta, int ply) {
    if (Pv) pvLength_[ply] = ply;
    if (ShouldStop()) return 0;
    selDepth_ = std::max(selDepth_, ply);
    const bool inCheck = board_.InCheck();
    if (ply >= kMaxPly - 1) return inCheck ? kDraw : evaluator_.Evaluate(board_);
    if (board_.HalfmoveClock() >= 100 || board_.IsInsufficientMaterial()) return kDraw;

    const uint64_t key = board_.Hash();
    TTHit hit{};
    const bool found = shared_.tt.Probe(key, hit);
    const int ttScore = found ? ScoreFromTT(hit.score, ply) : 0;
    if (!Pv && found &&
        (hit.bound == Bound::Exact || (hit.bound == Bound::Lower && ttScore >= beta) ||
         (hit.bound == Bound::Upper && ttScore <= alpha)))
        return ttScore;

    int best = -kInfinite, standPat = -kInfinite, rawEval = -kInfinite;
    if (!inCheck) {
        rawEval = found ? hit.eval : evaluator_.Evaluate(board_);
        standPat = found ? SharpenedByBound(rawEval, hit, ttScore) : rawEval;
        if (standPat >= beta) return standPat;
        alpha = std::max(alpha, standPat);
        best = standPat;
    }

    const int startAlpha = alpha;
    Move bestMove = Move::none();
    MovePicker picker(board_, history_, found ? hit.move : Move::none());
    int legal = 0;
    for (Move m = picker.Next(); m; m = picker.Next()) {
        ++legal;
        if (!inCheck) {
            // Captures that cannot lift the score to alpha even winning the piece, or that lose material, wait.
            const bool promotion = m.KindOf() == Move::Promotion;
            if (!promotion && standPat + SeeValue(CapturedType(board_, m)) + 200 <= alpha) continue;
            if (!SeeAtLeast(board_, m, 0)) continue;
        }
        MakeMove(m, ply);
        const int score = -Quiesce<Pv>(-beta, -alpha, ply + 1);
        UnmakeMove();
        if (shared_.stop.load(std::memory_order_relaxed)) return 0;
        if (score > best) {
            best = score;
            if (score > alpha) {
                bestMove = m;
                if (Pv) UpdatePv(ply, m);
                if (score >= beta) break;
                alpha = score;
            }
        }
    }
    if (inCheck && legal == 0) return MatedIn(ply);

    const Bound bound = best >= beta ? Bound::Lower : (Pv && best > startAlpha) ? Bound::Exact : Bound::Upper;
    shared_.tt.Store(key, bestMove, ScoreToTT(best, ply), rawEval == -kInfinite ? 0 : rawEval, 0, bound);
    return best;
}

template <bool Pv>
int SearchWorker::Search(int alpha, int beta, int depth, int ply, bool cutNode) {
    const bool inCheck = board_.InCheck();
    if (inCheck) depth = std::max(depth, 1);  // never stand pat in check at the horizon
    if (depth <= 0) return Quiesce<Pv>(alpha, beta, ply);
    if (Pv) pvLength_[ply] = ply;
    if (ShouldStop()) return 0;
    selDepth_ = std::max(selDepth_, ply);

    if (board_.IsInsufficientMaterial() || IsRepetition(ply)) return kDraw;
    if (board_.HalfmoveClock() >= 100) {
        MoveList any;
        GenerateLegal(board_, any);
        if (!inCheck || !any.Empty()) return kDraw;
    }
    if (ply >= kMaxPly - 1) return inCheck ? kDraw : evaluator_.Evaluate(board_);
    // A mate found nearer the root cannot be beaten here.
    alpha = std::max(alpha, MatedIn(ply));
    beta = std::min(beta, MateIn(ply + 1));
    if (alpha >= beta) return alpha;

    // A search that leaves one move out (to test whether it is singular) must not read or write its results.
    const Move excluded = At(ply).excluded;
    const uint64_t key = board_.Hash();
    TTHit hit{};
    const bool found = !excluded && shared_.tt.Probe(key, hit);
    const int ttScore = found ? ScoreFromTT(hit.score, ply) : 0;
    const Move ttMove = found ? hit.move : Move::none();
    const History::QuietContext quietContext = QuietContextAt(ply);
    if (!Pv && found && hit.depth >= depth && board_.HalfmoveClock() < 90 &&
        (hit.bound == Bound::Exact || (hit.bound == Bound::Lower && ttScore >= beta) ||
         (hit.bound == Bound::Upper && ttScore <= alpha))) {
        if (ttMove && ttScore >= beta && IsQuiet(board_, ttMove))
            history_.UpdateQuiet(quietContext, board_.PieceOn(ttMove.From()), ttMove, History::Bonus(depth));
        return ttScore;
    }

    // Static evaluation, sharpened by the stored score when its bound allows.
    int staticEval = -kInfinite, eval = -kInfinite;
    if (!inCheck) {
        staticEval = found ? hit.eval : evaluator_.Evaluate(board_);
        eval = found ? SharpenedByBound(staticEval, hit, ttScore) : staticEval;
        // Kept at once, so that a node cut off by the pruning below need not be evaluated again.
        if (!found && !excluded) shared_.tt.Store(key, Move::none(), 0, staticEval, 0, Bound::None);
    }
    At(ply).staticEval = staticEval;
    // In check two plies back there is no evaluation there; the one four plies back stands in.
    const int earlierEval = ply >= 2 && At(ply - 2).staticEval != -kInfinite ? At(ply - 2).staticEval
                            : ply >= 4                                       ? At(ply - 4).staticEval
                                                                             : -kInfinite;
    const bool improving = !inCheck && earlierEval != -kInfinite && staticEval > earlierEval;
    history_.ClearKillers(ply + 1);
    const Color us = board_.SideToMove();
    const bool hasPieces = NonPawnMaterial(board_, us) > 0;

    if (!Pv && !inCheck && !excluded) {
        // The position is so good that a shallow search will not bring it back under beta.
        if (depth <= 7 && eval - (80 - 20 * improving) * depth >= beta && eval < kMateBound) return eval;

        // Passing still keeps us above beta: a real move will too (not in pawn endings, where zugzwang rules).
        if (depth >= 3 && eval >= beta && staticEval >= beta && At(ply - 1).move && hasPieces && beta > -kMateBound &&
            ply >= nullMinPly_) {
            const int r = 3 + depth / 4 + std::min((eval - beta) / 200, 3);
            At(ply).move = Move::none();
            At(ply).moved = NoPiece;
            board_.MakeNullMove();
            keys_.push_back(board_.Hash());
            At(ply + 1).pliesFromNull = 0;
            At(ply + 1).doubleExtensions = At(ply).doubleExtensions;
            const int score = -Search<false>(-beta, -beta + 1, depth - r, ply + 1, !cutNode);
            keys_.pop_back();
            board_.UnmakeNullMove();
            if (shared_.stop.load(std::memory_order_relaxed)) return 0;
            if (score >= beta) {
                if (depth < 8 || nullMinPly_) return score >= kMateBound ? beta : score;
                // Deep cut-offs are checked by a search without passing, which zugzwang would fool.
                nullMinPly_ = ply + 3 * (depth - r) / 4;
                const int verified = Search<false>(beta - 1, beta, depth - r, ply, false);
                nullMinPly_ = 0;
                if (verified >= beta) return score >= kMateBound ? beta : score;
            }
        }
    }

    // Without a hash move the ordering is poor; a shallower search fills the table more cheaply.
    if (depth >= 4 && !ttMove && !excluded && (Pv || cutNode)) --depth;

    const Move counter = ply > 0 && At(ply - 1).move ? history_.Counter(At(ply - 1).moved, At(ply - 1).move.To()) : Move::none();
    MovePicker picker(board_, history_, quietContext, ttMove, history_.Killer(ply, 0), history_.Killer(ply, 1), counter);
    const int startAlpha = alpha;
    int best = -kInfinite, moveCount = 0;
    Move bestMove = Move::none();
    MoveList quietsTried, capturesTried;
    const Board::CheckSquares checks = board_.ChecksOnEnemyKing();

    for (Move m = picker.Next(); m; m = picker.Next()) {
        if (m == excluded) continue;
        ++moveCount;
        const bool quiet = IsQuiet(board_, m);
        const int historyScore = quiet ? history_.Quiet(quietContext, board_.PieceOn(m.From()), m) : 0;

        // Shallow pruning of moves unlikely to matter, once a move that does not lose is in hand. Quiet checks
        // are kept; whether a move checks is asked last, since most moves are not pruned.
        if (best > -kMateBound && hasPieces) {
            const int lmrDepth = std::max(depth - 1 - Reduction(depth, moveCount), 0);
            if (quiet) {
                const bool prunable = (!Pv && depth <= 8 && moveCount > (3 + depth * depth) / (improving ? 1 : 2)) ||
                                      (!inCheck && lmrDepth <= 6 && staticEval + 90 + 110 * lmrDepth <= alpha) ||
                                      (lmrDepth <= 3 && historyScore < -4000 * depth) ||
                                      (lmrDepth <= 7 && !SeeAtLeast(board_, m, -30 * lmrDepth * lmrDepth));
                if (prunable && !board_.GivesCheck(m, checks)) continue;
            } else {
                // Even winning the piece outright would leave the score far below alpha.
                const bool hopeless = !inCheck && lmrDepth <= 6 && m.KindOf() != Move::Promotion &&
                                      staticEval + SeeValue(CapturedType(board_, m)) + 200 + 180 * lmrDepth <= alpha;
                if (hopeless || (depth <= 6 && !SeeAtLeast(board_, m, -100 * depth))) continue;
            }
        }
        const bool givesCheck = board_.GivesCheck(m, checks);

        int extension = 0;
        if (ply < 2 * rootDepth_) {
            if (depth >= 8 && m == ttMove && hit.depth >= depth - 3 && hit.bound != Bound::Upper &&
                !IsMateScore(ttScore)) {
                // Is the hash move far better than every other move? Then it deserves a deeper look.
                const int singularBeta = ttScore - 2 * depth;
                At(ply).excluded = m;
                const int score = Search<false>(singularBeta - 1, singularBeta, (depth - 1) / 2, ply, cutNode);
                At(ply).excluded = Move::none();
                if (shared_.stop.load(std::memory_order_relaxed)) return 0;
                if (score < singularBeta) {
                    extension = 1;
                    // Far below: the other moves are not even close, so look two plies deeper.
                    if (!Pv && score < singularBeta - 20 && At(ply).doubleExtensions < 6) extension = 2;
                } else if (singularBeta >= beta) {
                    return singularBeta;  // several moves beat beta: cut at once
                }
            } else if (givesCheck && SeeAtLeast(board_, m, 0)) {
                // Checks that do not lose material are looked at one ply deeper.
                extension = 1;
            }
        }
        const int newDepth = depth - 1 + extension;
        At(ply + 1).doubleExtensions = At(ply).doubleExtensions + (extension == 2);
        const PieceType captured = quiet ? NoPieceType : CapturedType(board_, m);
        MakeMove(m, ply);

        int score;
        if (depth >= 3 && moveCount > 1 + (Pv ? 1 : 0) && (quiet || !Pv)) {
            // Late moves are searched shallower first, and again at full depth only when they surprise.
            int r = Reduction(depth, moveCount);
            r += !Pv;
            r += cutNode;
            r -= improving;
            r -= givesCheck;
            r -= (m == history_.Killer(ply, 0) || m == history_.Killer(ply, 1) || m == counter);
            r -= historyScore / 8000;
            const int reduced = std::clamp(newDepth - r, 1, newDepth);
            score = -Search<false>(-alpha - 1, -alpha, reduced, ply + 1, true);
            if (score > alpha && reduced < newDepth) score = -Search<false>(-alpha - 1, -alpha, newDepth, ply + 1, !cutNode);
        } else if (!Pv || moveCount > 1) {
            score = -Search<false>(-alpha - 1, -alpha, newDepth, ply + 1, !cutNode);
        } else {
            score = alpha + 1;  // the first move of a PV node goes straight to the full window
        }
        if (Pv && score > alpha) score = -Search<true>(-beta, -alpha, newDepth, ply + 1, false);
        UnmakeMove();
        if (shared_.stop.load(std::memory_order_relaxed)) return 0;

        if (score > best) {
            best = score;
            if (score > alpha) {
                bestMove = m;
                if (Pv) UpdatePv(ply, m);
                if (score >= beta) break;
                alpha = score;
            }
        }
        if (m != bestMove) {
            if (quiet && quietsTried.Size() < 64) quietsTried.Add(m);
            if (!quiet && capturesTried.Size() < 32 && captured != NoPieceType) capturesTried.Add(m);
        }
    }

    if (moveCount == 0) return excluded ? alpha : inCheck ? MatedIn(ply) : kDraw;

    if (best >= beta && bestMove) {
        const int bonus = History::Bonus(depth);
        if (IsQuiet(board_, bestMove)) {
            UpdateQuietHistory(ply, depth, quietContext, bestMove, quietsTried.begin(), quietsTried.Size());
        } else if (board_.IsCapture(bestMove)) {
            history_.UpdateCapture(board_.PieceOn(bestMove.From()), bestMove.To(), CapturedType(board_, bestMove), bonus);
        }
        for (const Move c : capturesTried) {
            history_.UpdateCapture(board_.PieceOn(c.From()), c.To(), CapturedType(board_, c), -bonus);
        }
    }

    if (!excluded) {
        const Bound bound = best >= beta ? Bound::Lower : (Pv && best > startAlpha) ? Bound::Exact : Bound::Upper;
        shared_.tt.Store(key, bestMove, ScoreToTT(best, ply), staticEval == -kInfinite ? 0 : staticEval, depth, bound);
    }
    return best;
}

// The root: every root move from the current multi-PV index on, the previous best first.
int SearchWorker::SearchRoot(int alpha, int beta, int depth) {
    pvLength_[0] = 0;
    // Scores from earlier passes would rank moves this pass has not reached yet.
    for (size_t i = size_t(pvIndex_); i < rootMoves_.size(); ++i) rootMoves_[i].score = -kInfinite;
    int best = -kInfinite;
    int moveCount = 0;
    for (size_t i = size_t(pvIndex_); i < rootMoves_.size(); ++i) {
        RootMove& rm = rootMoves_[i];
        const Move m = rm.move;
        ++moveCount;
        selDepth_ = 0;
        const bool givesCheck = board_.GivesCheck(m);
        const int newDepth = depth - 1 + (givesCheck ? 1 : 0);
        MakeMove(m, 0);
        int score;
        if (moveCount == 1) {
            score = -Search<true>(-beta, -alpha, newDepth, 1, false);
        } else {
            const bool reduce = depth >= 3 && moveCount > 3 && IsQuiet(board_, m) && !givesCheck;
            const int reduced = reduce ? std::max(newDepth - Reduction(depth, moveCount) / 2, 1) : newDepth;
            score = -Search<false>(-alpha - 1, -alpha, reduced, 1, true);
            if (score > alpha && reduced < newDepth) score = -Search<false>(-alpha - 1, -alpha, newDepth, 1, true);
            if (score > alpha) score = -Search<true>(-beta, -alpha, newDepth, 1, false);
        }
        UnmakeMove();
        if (shared_.stop.load(std::memory_order_relaxed)) break;

        if (moveCount == 1 || score > alpha) {
            rm.score = score;
            rm.selDepth = selDepth_;
            rm.pv.assign(1, m);
            for (int p = 1; p < pvLength_[1]; ++p) rm.pv.push_back(pv_[1][p]);
        } else {
            rm.score = -kInfinite;
        }
        if (score > best) {
            best = score;
            if (score > alpha) {
                if (score >= beta) break;
                alpha = score;
            }
        }
    }
    return best;
}

// Searches with a window around the last score, widening it on the side that failed.
int SearchWorker::Aspiration(int depth, int previous) {
    int delta = 14 + std::abs(previous) / 80;
    int alpha = -kInfinite, beta = kInfinite;
    if (depth >= 5 && !IsMateScore(previous)) {
        alpha = std::max(previous - delta, -kInfinite);
        beta = std::min(previous + delta, kInfinite);
    }
    for (;;) {
        const int score = SearchRoot(alpha, beta, depth);
        auto byScore = [](const RootMove& a, const RootMove& b) {
            return a.score != b.score ? a.score > b.score : a.previousScore > b.previousScore;
        };
        // Also when the time ran out: a move that beat the previous best at this depth is the better choice.
        std::stable_sort(rootMoves_.begin() + pvIndex_, rootMoves_.end(), byScore);
        if (shared_.stop.load(std::memory_order_relaxed)) return score;
        if (score <= alpha && alpha > -kInfinite) {
            beta = (alpha + beta) / 2;
            alpha = std::max(score - delta, -kInfinite);
        } else if (score >= beta && beta < kInfinite) {
            beta = std::min(score + delta, kInfinite);
        } else {
            return score;
        }
        delta += delta / 2;
        if (delta > 1000) {
            alpha = -kInfinite;
            beta = kInfinite;
        }
    }
}

SearchInfo SearchWorker::MakeInfo() const {
    const RootMove& best = completedRoot_.front();
    SearchInfo info{};
    info.depth = completedDepth_;
    info.seldepth = best.selDepth;
    info.scoreCp = best.previousScore;
    info.isMate = IsMateScore(best.previousScore);
    if (info.isMate) {
        const int plies = kMate - std::abs(best.previousScore);
        info.mateInMoves = best.previousScore > 0 ? (plies + 1) / 2 : -(plies / 2);
    }
    info.nodes = shared_.TotalNodes();
    info.elapsedMs = shared_.ElapsedMs();
    info.pv = best.pv;
    return info;
}

void SearchWorker::Iterate(const std::function<void(const SearchInfo&)>& onInfo) {
    if (rootMoves_.empty()) return;
    const int maxDepth = shared_.depthLimit > 0 ? std::min(shared_.depthLimit, kMaxDepth) : kMaxDepth;
    // Helper threads start one ply apart so that they fill the table with different depths.
    for (rootDepth_ = 1 + (id_ % 2); rootDepth_ <= maxDepth; ++rootDepth_) {
        for (RootMove& rm : rootMoves_) rm.previousScore = rm.score;
        for (pvIndex_ = 0; pvIndex_ < multiPv_; ++pvIndex_) {
            Aspiration(rootDepth_, rootMoves_[size_t(pvIndex_)].previousScore);
            if (shared_.stop.load(std::memory_order_relaxed)) break;
        }
        if (shared_.stop.load(std::memory_order_relaxed)) break;

        completedDepth_ = rootDepth_;
        completedRoot_ = rootMoves_;
        for (RootMove& rm : completedRoot_) rm.previousScore = rm.score;
        if (id_ != 0) continue;
        if (onInfo) onInfo(MakeInfo());

        // Time: do not start an iteration that is unlikely to finish; one legal move needs no thought.
        if (shared_.pondering.load(std::memory_order_relaxed) || shared_.infinite) continue;
        const bool timed = shared_.budget.hardMs > 0;
        if (timed && (rootMoves_.size() == 1 || shared_.ElapsedMs() >= shared_.budget.softMs)) break;
        const int best = completedRoot_.front().previousScore;
        if (timed && best >= kMateBound && rootDepth_ >= (kMate - best) + 4) break;
        if (shared_.nodeLimit && shared_.TotalNodes() >= shared_.nodeLimit) break;
    }
}

template int SearchWorker::Search<true>(int, int, int, int, bool);
template int SearchWorker::Search<false>(int, int, int, int, bool);

}  // namespace varnix::engine
