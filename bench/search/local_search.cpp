#include "local_search.h"

#include <cmath>
#include <cstdlib>

#include "engine/evaluate.h"
#include "trace_tuner.h"

namespace varnix::bench {

using namespace engine;

void LocalSearch::Add(const Board& board, double whiteResult) {
    if (board.IsInsufficientMaterial()) return;  // skipped by the traced tuner too
    (TraceTuner::HeldOutAt(added_++) ? heldOut_ : training_).push_back({board, float(whiteResult)});
}

size_t LocalSearch::Size(bool heldOut) const { return heldOut ? heldOut_.size() : training_.size(); }

double LocalSearch::Error(const EvalParams& params, double k, bool heldOut) const {
    const auto& positions = heldOut ? heldOut_ : training_;
    Evaluator evaluator(params);
    double sum = 0;
    for (const Position& p : positions) {
        const int eval = evaluator.Evaluate(p.board);
        const double white = p.board.SideToMove() == White ? eval : -eval;
        const double miss = p.result - 1 / (1 + std::pow(10.0, -k * white / 400));
        sum += miss * miss;
    }
    return positions.empty() ? 0 : sum / double(positions.size());
}

bool LocalSearch::Pass(EvalParams& params, double k) const {
    bool moved = false;
    double best = Error(params, k, false);
    for (const int i : weights_) {
        int& weight = params.Numbers()[size_t(i)];
        const int start = weight, step = std::max(1, std::abs(start) / 10);
        for (const int trial : {start + step, start - step}) {
            if (trial < 0) continue;  // every king-danger weight is a count or a size
            weight = trial;
            const double e = Error(params, k, false);
            if (e < best) {
                best = e;
                moved = true;
                break;
            }
            weight = start;
        }
    }
    return moved;
}

std::vector<int> LocalSearch::KingDangerWeights(const EvalParams& params) {
    std::vector<int> weights;
    const int* base = params.Numbers().data();
    for (int t = Knight; t <= Queen; ++t) {
        weights.push_back(int(&params.kingAttackUnits[t] - base));
        weights.push_back(int(&params.safeCheck[t] - base));
    }
    for (const int* w : {&params.kingZoneWeak, &params.kingDefender, &params.kingNoQueen, &params.kingDangerDivisor,
                         &params.kingDangerCap})
        weights.push_back(int(w - base));
    return weights;
}

}  // namespace varnix::bench
