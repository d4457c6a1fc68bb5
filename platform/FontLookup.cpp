#include "platform/FontLookup.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace varnix {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

struct ConfigDeleter {
    void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;

struct Match {
    FontFile file;
    bool familyNamed = false; // the font itself carries the requested family name
};

std::optional<Match> BestMatch(FcConfig* config, const std::string& family, bool bold) {
    PatternPtr pattern(FcPatternCreate());
    if (!pattern) return std::nullopt;
    const auto* name = reinterpret_cast<const FcChar8*>(family.c_str());
    FcPatternAddString(pattern.get(), FC_FAMILY, name);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    if (!FcConfigSubstitute(config, pattern.get(), FcMatchPattern)) return std::nullopt;
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(config, pattern.get(), &result));
    if (!match || result != FcResultMatch) return std::nullopt;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
    Match found;
    found.file.path = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &found.file.index);
    FcChar8* matchedFamily = nullptr;
    for (int i = 0; FcPatternGetString(match.get(), FC_FAMILY, i, &matchedFamily) == FcResultMatch; ++i)
        if (FcStrCmpIgnoreCase(matchedFamily, name) == 0) found.familyNamed = true;
    return found;
}

} // namespace

std::optional<FontFile> FindFontFile(const std::string& family, bool bold) {
    if (family.empty()) return std::nullopt;
    // A configuration of our own, freed after the lookup: fontconfig's shared
    // default one is never released and would hide real leaks from the sanitizer.
    ConfigPtr config(FcInitLoadConfigAndFonts());
    if (!config) return std::nullopt;
    auto wanted = BestMatch(config.get(), family, bold);
    if (!wanted) return std::nullopt;
    if (wanted->familyNamed) return wanted->file;
    // fontconfig always answers something. An alias (Arial -> Liberation Sans)
    // leads elsewhere than its generic answer for an unknown name does.
    auto generic = BestMatch(config.get(), "varnix-no-such-family", bold);
    if (generic && generic->file.path == wanted->file.path && generic->file.index == wanted->file.index)
        return std::nullopt;
    return wanted->file;
}

} // namespace varnix
