// Static evaluation in centipawns from the side to move's view.
#pragma once

#include "engine/board.h"
#include "engine/pawn_structure.h"

namespace varnix::engine {

class Evaluator {
public:
    int Evaluate(const Board& board);

private:
    PawnCache pawns_;
};

// The material and phase weight of one colour's pieces other than pawns and king.
int NonPawnMaterial(const Board& board, Color c);

}  // namespace varnix::engine
