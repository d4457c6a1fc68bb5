// PNG files to and from surfaces (libpng). Reading never throws and never
// trusts the file: anything unreadable, or absurdly large, is "no image".
#pragma once

#include "platform/Surface.h"

#include <cstddef>
#include <optional>
#include <string>

namespace varnix {

// Transparent pixels come out composed onto black.
std::optional<Surface> LoadPng(const std::string& path);
std::optional<Surface> LoadPngFromMemory(const unsigned char* data, std::size_t size);
// False when the file cannot be written.
bool SavePng(const Surface& surface, const std::string& path);

} // namespace varnix
