// Short opening lines the matches start from, each played with colours swapped.
#pragma once

#include <string>
#include <vector>

namespace varnix::match {

// The FEN after each built-in line.
std::vector<std::string> OpeningFens();

}  // namespace varnix::match
