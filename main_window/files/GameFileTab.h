// The tab-separated game file: a header naming the user's side, then one line
// per move number ("12." TAB White's move TAB Black's move), CR LF endings.
#pragma once

#include "main_window/files/GameFileContent.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnix {

// The file for the half-moves up to the position shown: ceil(PlyCount / 2)
// move lines, the last one with an empty Black field when PlyCount is odd.
std::string TabGameText(const RecordSnapshot& record);

// Reads the whole text and accepts it only when every line is good. Lines may
// end in CR LF, LF or CR; blank lines at the very end are ignored.
GameFileReading ReadTabGame(std::string_view text);

} // namespace varnix
