// Playing strength below full: fewer nodes, and a choice among the best root moves.
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
    // Picks a move from candidates (best first, exact scores).
    Move Choose(const std::vector<ScoredMove>& candidates);

private:
    int Margin() const;

    int skill_;
    bool variety_;
    std::mt19937_64 rng_;
};

}  // namespace varnix::engine
