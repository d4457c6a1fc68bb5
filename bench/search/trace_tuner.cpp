#include "trace_tuner.h"

#include <algorithm>
#include <cmath>

#include "engine/evaluate.h"

namespace varnix::bench {

using namespace engine;

namespace {

constexpr size_t kBlock = 128;  // about two games' positions, so held-out games are mostly whole

double Logistic(double k, double white) { return 1 / (1 + std::pow(10.0, -k * white / 400)); }

}  // namespace

TraceTuner::TraceTuner(const EvalParams& start, Squares squares) : start_(start) {
    const auto numbers = start_.Numbers();
    weights_.assign(numbers.begin(), numbers.end());
    moment_.assign(weights_.size(), 0);
    mirror_.assign(weights_.size(), -1);
    fixed_.assign(weights_.size(), false);
    if (squares == Squares::Free) return;
    for (int t = Pawn; t <= King; ++t) {
        for (int cell = 0; cell < 64; ++cell) {
            const size_t i = size_t(start_.IndexOf(start_.square[t][cell]));
            const int m = start_.IndexOf(start_.square[t][cell ^ 7]);
            for (const size_t half : {i, i + 1}) {
                fixed_[half] = squares == Squares::Fixed;
                mirror_[half] = m + int(half - i);
            }
        }
    }
}

void TraceTuner::Add(const Board& board, double whiteResult) {
    EvalTrace trace;
    EvaluateTraced(board, start_, trace);
    if (trace.fiftyScale == 0) return;  // a dead draw says nothing about the weights
    // Merge repeated uses of one weight.
    std::sort(trace.uses.begin(), trace.uses.end(), [](auto a, auto b) { return a.index < b.index; });
    Position p{float(whiteResult), int16_t(trace.phase), int16_t(trace.endgameScale), int16_t(trace.fiftyScale),
        HeldOutAt(positions_.size()), trace.total, uint32_t(uses_.size()), 0};
    for (const EvalTrace::Use u : trace.uses) {
        if (!uses_.empty() && uses_.size() > p.first && uses_.back().index == u.index)
            uses_.back().count = int16_t(uses_.back().count + u.count);
        else
            uses_.push_back(u);
    }
    p.end = uint32_t(uses_.size());
    positions_.push_back(p);
}

bool TraceTuner::HeldOutAt(size_t index) { return (index / kBlock) % 10 == 9; }

size_t TraceTuner::Size(bool heldOut) const {
    return size_t(std::count_if(positions_.begin(), positions_.end(), [&](const Position& p) { return p.heldOut == heldOut; }));
}

double TraceTuner::WhiteEval(const Position& p) const {
    const auto start = start_.Numbers();
    double mg = p.total.mg, eg = p.total.eg;
    for (uint32_t u = p.first; u < p.end; ++u) {
        const int i = uses_[u].index;
        mg += uses_[u].count * (weights_[size_t(i)] - start[size_t(i)]);
        eg += uses_[u].count * (weights_[size_t(i) + 1] - start[size_t(i) + 1]);
    }
    const double blended = (mg * p.phase + eg * p.endgameScale / 64 * (kFullPhase - p.phase)) / kFullPhase;
    return blended * p.fiftyScale / 200;
}

double TraceTuner::Error(double k, bool heldOut) const {
    double sum = 0;
    size_t n = 0;
    for (const Position& p : positions_) {
        if (p.heldOut != heldOut) continue;
        const double miss = p.result - Logistic(k, WhiteEval(p));
        sum += miss * miss;
        ++n;
    }
    return n ? sum / double(n) : 0;
}

double TraceTuner::FitScale() const {
    double best = 1, bestError = Error(best, false);
    for (double step = 0.5; step > 0.01; step /= 2) {
        for (const double k : {best - step, best + step}) {
            const double e = k > 0 ? Error(k, false) : bestError;
            if (e < bestError) {
                bestError = e;
                best = k;
            }
        }
    }
    return best;
}

void TraceTuner::Step(double k, double rate) {
    std::vector<double> gradient(weights_.size(), 0);
    size_t n = 0;
    for (const Position& p : positions_) {
        if (p.heldOut) continue;
        ++n;
        const double predicted = Logistic(k, WhiteEval(p));
        // d(miss^2)/d(white eval), then through the blend to each half of a weight.
        const double slope = -2 * (p.result - predicted) * predicted * (1 - predicted) * k * std::log(10.0) / 400 *
                             p.fiftyScale / 200 / kFullPhase;
        const double mgShare = slope * p.phase, egShare = slope * p.endgameScale / 64 * (kFullPhase - p.phase);
        for (uint32_t u = p.first; u < p.end; ++u) {
            gradient[size_t(uses_[u].index)] += uses_[u].count * mgShare;
            gradient[size_t(uses_[u].index) + 1] += uses_[u].count * egShare;
        }
    }
    if (n == 0) return;
    for (size_t i = 0; i < weights_.size(); ++i) {
        const int m = mirror_[i];
        if (fixed_[i])
            gradient[i] = 0;
        else if (m > int(i))
            gradient[i] = gradient[size_t(m)] = gradient[i] + gradient[size_t(m)];
    }
    // Momentum on each weight, but one step size for all, set by the steepest weight: a weight moves in
    // proportion to the evidence for it, so the rarely used squares do not chase the noise of a few games.
    constexpr double kBeta1 = 0.9, kBeta2 = 0.999, kEpsilon = 1e-12;
    ++steps_;
    double steepest = 0;
    for (size_t i = 0; i < weights_.size(); ++i) {
        moment_[i] = kBeta1 * moment_[i] + (1 - kBeta1) * gradient[i] / double(n);
        steepest = std::max(steepest, std::abs(gradient[i]) / double(n));
    }
    scale_ = kBeta2 * scale_ + (1 - kBeta2) * steepest * steepest;
    const double correction1 = 1 - std::pow(kBeta1, steps_), correction2 = 1 - std::pow(kBeta2, steps_);
    const double size = rate / correction1 / (std::sqrt(scale_ / correction2) + kEpsilon);
    for (size_t i = 0; i < weights_.size(); ++i) weights_[i] -= size * moment_[i];
}

EvalParams TraceTuner::Params() const {
    EvalParams p = start_;
    const auto numbers = p.Numbers();
    for (size_t i = 0; i < numbers.size(); ++i) numbers[i] = int(std::lround(weights_[i]));
    return p;
}

}  // namespace varnix::bench
