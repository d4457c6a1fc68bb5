// The linear make-up of one evaluation, for the tuner: how often each weight counted, and the rest that the
// weights enter only through (the king danger, the mop-up, the draw scales).
#pragma once

#include <cstdint>
#include <vector>

#include "engine/eval_params.h"
#include "engine/score.h"
#include "engine/types.h"

namespace varnix::engine {

// The game phase of all pieces on the board; less means nearer the endgame.
constexpr int kFullPhase = 24;

struct EvalTrace {
    struct Use {
        int16_t index;  // EvalParams::IndexOf the weight
        int16_t count;  // uses by White minus uses by Black
    };
    std::vector<Use> uses;  // one entry per use; an index may repeat
    Score total;            // White's score before the phase blend, mop-up included
    int phase = 0;          // 0 (bare kings and pawns) to 24 (all pieces)
    int endgameScale = 64;  // out of 64, applied to the endgame half
    int fiftyScale = 200;   // out of 200; 0 when the position is a dead draw

    // The white evaluation these numbers give, as Evaluate computes it before the side to move's sign.
    int White() const {
        const int eg = total.eg * endgameScale / 64;
        return (total.mg * phase + eg * (kFullPhase - phase)) / kFullPhase * fiftyScale / 200;
    }
};

// Weight `w` of `params` counted `count` times for colour `c`; recorded when a trace is kept.
// Kept out of line, so that the untraced evaluation (the search's) inlines the bare product.
[[gnu::noinline, gnu::cold]] inline void RecordUse(EvalTrace& trace, const EvalParams& params, const Score& w, int count,
                                                  Color c) {
    trace.uses.push_back({int16_t(params.IndexOf(w)), int16_t(c == White ? count : -count)});
}

inline Score Counted(EvalTrace* trace, const EvalParams& params, const Score& w, int count, Color c) {
    if (trace) [[unlikely]] RecordUse(*trace, params, w, count, c);
    return w * count;
}

}  // namespace varnix::engine
