// Move texts inside the engine: standard algebraic notation (what the program
// sends and what the engine announces) and coordinate notation (UCI, e2e4).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/board.h"
#include "engine/types.h"

namespace varnix::engine {

// SAN of a legal move in `board`, with "+" or "#" when it checks or mates.
std::string MoveToSan(const Board& board, Move move);

// True when the text has the shape of a move (SAN, castling or coordinates),
// legal or not: it tells an illegal move from an unknown command.
bool LooksLikeMove(std::string_view text);

// The legal move of `board` that the text names, if exactly one does. Reads
// SAN ("Nbd2", "exd8=Q", "O-O", "0-0-0", with or without "+", "#", "!", "?")
// and coordinates ("e2e4", "e2-e4", "e7e8q").
std::optional<Move> ReadMove(const Board& board, std::string_view text);

}  // namespace varnix::engine
