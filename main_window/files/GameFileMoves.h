// Move texts from a file, checked by playing them: each must name a legal move
// in the position reached so far. The good ones come back as the program
// itself records moves (short form with its check or mate mark), so that the
// record replays them exactly.
#pragma once

#include "core/Position.h"
#include "core/RecordCalls.h"

#include <string>
#include <vector>

namespace varnix {

struct CheckedMoves {
    std::vector<std::string> Texts;
    // False when a text named no legal move; Texts then ends before it.
    bool AllGood = true;
};

// start's BlackToMove (0 or -1) is the side that makes the first move.
CheckedMoves CheckMoveTexts(const RecordCalls& calls, const Position& start, const std::vector<std::string>& texts);

} // namespace varnix
