#include "engine/skill.h"

#include <algorithm>
#include <cmath>

#include "engine/score.h"

namespace varnix::engine {

Skill::Skill(int skill, bool variety, uint64_t seed) : skill_(std::clamp(skill, 1, 100)), variety_(variety), rng_(seed) {}

// Grows by about an eighth per skill point: 10 → ~200 nodes, 50 → ~18,000, 90 → ~1.6 million.
uint64_t Skill::NodeBudget() const {
    if (!Limited()) return 0;
    return uint64_t(64.0 * std::pow(1.12, skill_));
}

int Skill::CandidateCount() const { return Limited() ? 4 : variety_ ? 3 : 1; }

// Centipawns a chosen move may lie below the best: wider as the skill falls, never a piece.
int Skill::Margin() const { return Limited() ? 10 + (100 - skill_) * 13 / 10 : variety_ ? 12 : 0; }

Move Skill::Choose(const std::vector<ScoredMove>& candidates) {
    if (candidates.empty()) return Move::none();
    const int best = candidates.front().score;
    const int margin = Margin();
    if (margin == 0 || IsMateScore(best)) return candidates.front().move;
    // Weights fall linearly from the best move to the edge of the margin.
    std::vector<int> weights;
    for (const ScoredMove& c : candidates) {
        const int loss = best - c.score;
        if (loss > margin || IsMateScore(c.score)) break;
        weights.push_back(margin - loss + 1);
    }
    std::discrete_distribution<size_t> pick(weights.begin(), weights.end());
    return candidates[pick(rng_)].move;
}

}  // namespace varnix::engine
