// Reading and writing whole game files. A save never leaves a half-written
// file behind: the text goes to a temporary file in the same folder, which
// replaces the target only once it is complete.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varnix {

// Larger files are refused rather than read into memory.
inline constexpr std::size_t MaxGameFileBytes = 32u << 20;

// The whole content of a regular file; nothing when it cannot be read.
std::optional<std::string> ReadGameFile(const std::string& path);

// False when the text could not be written completely; the target is then as it was.
bool WriteGameFile(const std::string& path, std::string_view text);

} // namespace varnix
