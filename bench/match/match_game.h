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

// How long each move may think: a fixed time, or a fixed number of nodes (which, unlike time, gives the same
// games however busy the machine is).
struct MoveLimit {
    int moveTimeMs = 1000;
    long long nodes = 0;  // when above zero, the time is only the deadline for the answer
    // A clock instead: each side starts with clockMs and gains incrementMs a move; running out loses.
    int clockMs = 0;
    int incrementMs = 0;
};

// Plays from `fen` at `limit` a move; `round` counts how often the match has come back to this opening. An
// illegal move, or no answer within the move time and a grace period, loses.
GameRecord PlayGame(UciEngine& white, UciEngine& black, const std::string& fen, const MoveLimit& limit, int round);

}  // namespace varnix::match
