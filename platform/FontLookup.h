// Finds the font file fontconfig offers for a family, telling apart a family
// that exists (or is an alias such as Arial) from fontconfig's generic fallback.
#pragma once

#include <optional>
#include <string>

namespace varnix {

struct FontFile {
    std::string path;
    int index = 0; // face index inside the file
};

// The file for family and weight, or nothing when fontconfig knows no such family.
std::optional<FontFile> FindFontFile(const std::string& family, bool bold);

} // namespace varnix
