// Pawn structure terms, which depend on the pawns alone and are cached by pawn key.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/bitboard.h"
#include "engine/board.h"
#include "engine/eval_params.h"
#include "engine/evaluate_trace.h"
#include "engine/score.h"

namespace varnix::engine {

struct PawnInfo {
    uint64_t key = 0;
    Score score;                       // White's view
    std::array<Bitboard, 2> passed{};  // passed pawns of each colour
    std::array<Bitboard, 2> attacks{}; // squares each colour's pawns attack
};

// Evaluates doubled, isolated, backward, connected and passed pawns; records the weights used when traced.
PawnInfo EvaluatePawns(const Board& board, const EvalParams& params, EvalTrace* trace = nullptr);

// A small per-thread cache of EvaluatePawns.
class PawnCache {
public:
    PawnCache() : entries_(kSize) {}
    const PawnInfo& Probe(const Board& board, const EvalParams& params);

private:
    static constexpr size_t kSize = 1 << 14;
    std::vector<PawnInfo> entries_;
};

// Squares in front of a pawn on its file and the two next to it: where enemy pawns would stop it.
Bitboard PassedSpan(Color c, Square s);
// Squares in front of a pawn on its own file.
Bitboard FrontSpan(Color c, Square s);

}  // namespace varnix::engine
