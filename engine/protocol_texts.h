// The texts the engine writes for the program; the program's interpreter acts
// on some of them by exact content, so they are composed in one place.
#pragma once

#include <string>
#include <string_view>

#include "engine/board.h"
#include "engine/game_end.h"
#include "engine/search.h"

namespace varnix::engine {

inline constexpr std::string_view kBell = "\a";
inline constexpr std::string_view kAnalyzeComplete = "analyze complete";

// "move (N): SAN \n": the second text of a move announcement.
std::string MoveLine(int moveNumber, std::string_view san);
std::string ResultText(NoMoveResult result);
std::string ClaimText(DrawClaim claim);
// "Error: KIND: LINE", the echoed line stripped of control characters and of
// any text the program would act on.
std::string ErrorText(std::string_view kind, std::string_view line);
// Depth, score (mates as 100000 + moves), centiseconds, nodes, SAN line.
std::string ThinkingLine(const Board& root, const SearchInfo& info);

}  // namespace varnix::engine
