// Games between two engine settings inside one process, at a fixed node count per move, so results
// do not depend on how busy the machine is.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/eval_params.h"
#include "engine/search.h"

namespace varnix::bench {

// Openings as coordinate moves from the start position; each is played once with each colour.
const std::vector<std::string>& OpeningLines();

// A position in which the mover chose a quiet move while not in check (the tuner's samples), with the score of
// the search that chose it, from White's view.
struct QuietPosition {
    std::string fen;
    int whiteScore;
};

struct GameResult {
    double whiteScore = 0.5;     // 1, 0.5 or 0
    std::string reason;
    std::vector<QuietPosition> quiet;  // without those where the search saw a mate
};

struct Player {
    engine::Searcher* searcher;
    engine::SearchLimits limits;
};

// Plays one game from an opening line, then `randomPlies` random legal moves (seeded by `seed`).
GameResult PlayGame(Player& white, Player& black, const std::string& opening, int randomPlies = 0, uint64_t seed = 0);

}  // namespace varnix::bench
