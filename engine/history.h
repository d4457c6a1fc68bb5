// Move-ordering memory of one search thread: killer moves per ply, and history and counter-move tables.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/score.h"
#include "engine/types.h"

namespace varnix::engine {

class History {
public:
    static constexpr int kMax = 16384;
    // How a quiet move fared after a given earlier move: by (moved piece, to square) of each.
    using ContinuationRow = std::array<std::array<int16_t, kSquareCount>, kPieceCount>;

    // The context of quiet moves at one node: who moves, and the rows of the last two moves (null when none).
    struct QuietContext {
        Color us;
        ContinuationRow* previous[2];
    };

    History() : continuation_(size_t(kPieceCount) * kSquareCount) {}
    void Clear();

    // Quiet moves: the history of (side, from, to) plus the continuations of the last two moves.
    int Quiet(const QuietContext& c, Piece moved, Move m) const {
        int score = quiet_[c.us][m.From()][m.To()];
        for (const ContinuationRow* row : c.previous) {
            if (row) score += (*row)[moved][m.To()];
        }
        return score;
    }
    // A bonus for a quiet move that caused a cut-off; a malus (negative bonus) for those tried before it.
    void UpdateQuiet(const QuietContext& c, Piece moved, Move m, int bonus) {
        Gravity(quiet_[c.us][m.From()][m.To()], bonus);
        for (ContinuationRow* row : c.previous) {
            if (row) Gravity((*row)[moved][m.To()], bonus);
        }
    }
    ContinuationRow* Continuation(Piece moved, Square to) { return &continuation_[size_t(moved) * kSquareCount + to]; }

    // Captures: the history of (moving piece, to square, captured type).
    int Capture(Piece moving, Square to, PieceType captured) const { return capture_[moving][to][captured]; }
    void UpdateCapture(Piece moving, Square to, PieceType captured, int bonus) {
        Gravity(capture_[moving][to][captured], bonus);
    }

    Move Killer(int ply, int i) const { return killers_[ply][i]; }
    void StoreKiller(int ply, Move m) {
        if (killers_[ply][0] != m) {
            killers_[ply][1] = killers_[ply][0];
            killers_[ply][0] = m;
        }
    }
    void ClearKillers(int ply) { killers_[ply] = {}; }

    // The reply that refuted a move last time, by the refuted move's piece and square.
    Move Counter(Piece p, Square to) const { return counter_[p][to]; }
    void StoreCounter(Piece p, Square to, Move m) { counter_[p][to] = m; }

    static int Bonus(int depth) { return std::min(160 * depth - 80, 1600); }

private:
    // Keeps entries within ±kMax: large values move less with each update.
    static void Gravity(int16_t& entry, int bonus) {
        bonus = std::clamp(bonus, -kMax, kMax);
        entry = int16_t(entry + bonus - entry * std::abs(bonus) / kMax);
    }

    std::array<std::array<std::array<int16_t, kSquareCount>, kSquareCount>, 2> quiet_{};
    std::array<std::array<std::array<int16_t, kPieceTypeCount>, kSquareCount>, kPieceCount> capture_{};
    std::array<std::array<Move, 2>, kMaxPly + 4> killers_{};
    std::array<std::array<Move, kSquareCount>, kPieceCount> counter_{};
    std::vector<ContinuationRow> continuation_;
};

}  // namespace varnix::engine
