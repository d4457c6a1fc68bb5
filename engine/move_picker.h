// Orders the moves of a node: hash move, winning captures, killers and counter, quiet moves by
// history, then losing captures.
#pragma once

#include <array>

#include "engine/board.h"
#include "engine/history.h"
#include "engine/movegen.h"

namespace varnix::engine {

class MovePicker {
public:
    // All legal moves, for the main search. The hash move is given before the others are generated, since it
    // often ends the node alone.
    MovePicker(const Board& board, const History& history, const History::QuietContext& quiet, Move ttMove,
               Move killer1, Move killer2, Move counter);
    // Captures and promotions only (all moves when in check), for the quiescence search.
    MovePicker(const Board& board, const History& history, Move ttMove);

    // The next move, best first; Move::none() when all have been given.
    Move Next();

private:
    void GenerateAndScore();
    int NoisyScore(Move m) const;

    const Board& board_;
    const History& history_;
    const bool quiescence_;
    const History::QuietContext quiet_;
    const Move ttMove_, killer1_, killer2_, counter_;
    bool generated_ = false;
    MoveList moves_;
    // Filled for the generated moves only: clearing all 256 entries at every node costs more than it saves.
    std::array<int, MoveList::kCapacity> scores_;
    std::array<bool, MoveList::kCapacity> seeChecked_;
    int next_ = 0;
};

// The most valuable victim first, taken by the least valuable attacker.
int MvvLva(const Board& board, Move m);

}  // namespace varnix::engine
