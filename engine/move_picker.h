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
    // All legal moves, for the main search. Moves are generated in stages (hash move, captures, the killers and
    // the counter, quiet moves), since a node often ends on one of the first moves.
    MovePicker(const Board& board, const History& history, const History::QuietContext& quiet, Move ttMove,
               Move killer1, Move killer2, Move counter);
    // Captures and promotions only (all moves when in check), for the quiescence search.
    MovePicker(const Board& board, const History& history, Move ttMove);

    // The next move, best first; Move::none() when all have been given.
    Move Next();

private:
    enum class Stage {
        HashMove, GenerateNoisy, GoodNoisy, Refutations, GenerateQuiets, Quiets, BadNoisy,
        GenerateEvasions, AllAtOnce, Done
    };

    void Append(void (*generate)(const Board&, MoveList&));
    int ScoreOf(Move m) const;
    int NoisyScore(Move m) const;
    bool IsNoisy(Move m) const { return board_.IsCapture(m) || m.KindOf() == Move::Promotion; }
    // Takes the best move of [next_, end) with a score of at least `floor`, testing captures for losses.
    Move PickBest(int end, int floor);

    const Board& board_;
    const History& history_;
    const History::QuietContext quiet_;
    const Move ttMove_;
    const std::array<Move, 3> refutations_;  // killer 1, killer 2, counter
    Stage stage_;
    bool ttGiven_ = false;
    int refutation_ = 0;
    MoveList moves_;
    // Filled for the generated moves only: clearing all 256 entries at every node costs more than it saves.
    std::array<int, MoveList::kCapacity> scores_;
    int next_ = 0;
    int badBegin_ = 0, badEnd_ = 0;  // the losing captures, kept back behind the quiet moves
};

// The most valuable victim first, taken by the least valuable attacker.
int MvvLva(const Board& board, Move m);

}  // namespace varnix::engine
