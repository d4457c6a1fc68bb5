// Playing strength below full: fewer nodes, and a human-like choice among the best root moves.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "engine/types.h"

namespace varnix::engine {

struct ScoredMove {
    Move move;
    int score;
};

class Skill {
public:
    // skill 1..100 (100 full strength); variety picks among near-equal moves at full strength too.
    Skill(int skill, bool variety, uint64_t seed);

    bool Limited() const { return skill_ < 100; }
    // Node budget of one search; 0 when unlimited.
    uint64_t NodeBudget() const;
    // How many root moves need an exact score for the choice.
    int CandidateCount() const;
    // Root scores after the first completed iteration: what a glance at the position shows.
    void ObserveShallow(const std::vector<ScoredMove>& root) { shallow_ = root; }
    // Picks a move from candidates (best first, exact scores of the last completed iteration).
    Move Choose(const std::vector<ScoredMove>& candidates);

    // The rules of the choice, visible for tests and the strength notes.
    int NoiseCentipawns() const;     // spread of the misjudgement of each candidate
    int BlindPercent() const;        // chance that a candidate is judged by the first glance only
    int MostLossCentipawns() const;  // a chosen move never lies further below the best

private:
    int Shortfall() const;  // distance from full strength, as the choice sees it
    int PerceivedScore(const ScoredMove& candidate);

    int skill_;
    bool variety_;
    std::mt19937_64 rng_;
    std::vector<ScoredMove> shallow_;
};

}  // namespace varnix::engine
