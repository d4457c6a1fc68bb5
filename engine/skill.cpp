#include "engine/skill.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/score.h"

namespace varnix::engine {

Skill::Skill(int skill, bool variety, uint64_t seed) : skill_(std::clamp(skill, 1, 100)), variety_(variety), rng_(seed) {}

// Budgets at the skills the levels use, set by matches against Stockfish held to an Elo; geometric in between
// and 15% per skill point beyond the ends: 75 -> ~310,000 nodes, 50 -> 3,000, 30 -> 300, 20 -> 144, 10 -> ~35.
// A better evaluation helps the middle budgets most, so those are the ones to revisit after each refit.
uint64_t Skill::NodeBudget() const {
    if (!Limited()) return 0;
    struct Anchor {
        int skill;
        double nodes;
    };
    static constexpr Anchor kAnchors[] = {{20, 144.0}, {30, 300.0}, {50, 3'000.0}, {75, 314'435.0}};
    const Anchor& low = kAnchors[0];
    const Anchor& high = kAnchors[std::size(kAnchors) - 1];
    if (skill_ <= low.skill) return uint64_t(low.nodes * std::pow(1.15, skill_ - low.skill));
    if (skill_ >= high.skill) return uint64_t(high.nodes * std::pow(1.15, skill_ - high.skill));
    const Anchor* above =
        std::find_if(std::begin(kAnchors), std::end(kAnchors), [&](const Anchor& a) { return a.skill >= skill_; });
    const Anchor* below = above - 1;
    const double t = double(skill_ - below->skill) / (above->skill - below->skill);
    return uint64_t(below->nodes * std::pow(above->nodes / below->nodes, t));
}

// Below skill 30 the budget buys only a ply or two whatever its size, so the lowest levels are kept apart by
// the choice: more candidates, and a misjudgement that grows six times as fast there.
int Skill::CandidateCount() const { return Limited() ? 4 + std::max(0, 30 - skill_) / 2 : variety_ ? 3 : 1; }

int Skill::Shortfall() const { return 100 - skill_ + 5 * std::max(0, 30 - skill_); }

int Skill::NoiseCentipawns() const { return Limited() ? Shortfall() * 6 / 10 : variety_ ? 6 : 0; }

int Skill::BlindPercent() const { return Limited() ? Shortfall() / 2 : 0; }

// Weak levels may drop a minor piece to a tactic they did not see, never more.
int Skill::MostLossCentipawns() const { return Limited() ? 40 + (100 - skill_) * 3 : variety_ ? 12 : 0; }

// The score as this player sees it: sometimes only the first glance, always a little misjudged.
int Skill::PerceivedScore(const ScoredMove& candidate) {
    int score = candidate.score;
    if (std::uniform_int_distribution<int>(0, 99)(rng_) < BlindPercent()) {
        const auto glance = std::find_if(shallow_.begin(), shallow_.end(),
                                         [&](const ScoredMove& s) { return s.move == candidate.move; });
        if (glance != shallow_.end() && !IsMateScore(glance->score) && glance->score > -kInfinite) score = glance->score;
    }
    const int noise = NoiseCentipawns();
    if (noise > 0) score += int(std::normal_distribution<double>(0.0, noise)(rng_));
    return score;
}

Move Skill::Choose(const std::vector<ScoredMove>& candidates) {
    if (candidates.empty()) return Move::none();
    const int best = candidates.front().score;
    const int mostLoss = MostLossCentipawns();
    if (mostLoss == 0 || IsMateScore(best)) return candidates.front().move;
    Move chosen = candidates.front().move;
    int chosenScore = PerceivedScore(candidates.front());
    for (size_t i = 1; i < candidates.size(); ++i) {
        const ScoredMove& c = candidates[i];
        if (best - c.score > mostLoss || IsMateScore(c.score)) break;
        const int perceived = PerceivedScore(c);
        if (perceived > chosenScore) {
            chosen = c.move;
            chosenScore = perceived;
        }
    }
    return chosen;
}

}  // namespace varnix::engine
