// The Dialog module: the system's file chooser for game files.
#pragma once

#include "platform/Platform.h"

#include <string>

namespace varnix {

inline constexpr int OpenFileDialog = 0;
inline constexpr int SaveFileDialog = 1;

// Mode 0 opens, 1 saves; any other mode shows nothing. The chosen name with
// leading and trailing spaces trimmed, or "" when the user cancelled.
std::string ShowFileDialog(Platform& platform, int mode, const std::string& title);

} // namespace varnix
