// One game between two UCI engines, refereed by the engine's own move generator.
#pragma once

#include <string>

#include "uci_engine.h"

namespace varnix::match {

enum class Outcome { WhiteWins, BlackWins, Draw };

struct GameRecord {
    Outcome outcome = Outcome::Draw;
    std::string reason;
    int plies = 0;
    std::string moves{};  // the game's moves in UCI notation, space-separated
};

// Plays from `fen` at `moveTimeMs` a move. An illegal move, or no answer
// within the move time and a grace period, loses.
GameRecord PlayGame(UciEngine& white, UciEngine& black, const std::string& fen, int moveTimeMs);

}  // namespace varnix::match
