// The prompt's text as the label shows it: lines broken at carriage returns
// (or line feeds), long texts re-broken at spaces, and its size in twips.
#pragma once

#include "skin/TextMeasure.h"
#include "skin/Twips.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnix {

// The lines of a text; CR, LF and CR LF each end a line.
std::vector<std::string> SplitLines(std::string_view text);

struct WrappedPrompt {
    std::string text;     // lines joined with CR
    bool rebroken = false; // a line was cut because it was too wide
};

// Breaks every line wider than maxWidth pixels at spaces (a single word that
// is still too wide is cut between characters), joining the pieces with CR.
WrappedPrompt WrapPrompt(std::string_view text, int maxWidth, const TextMeasure& measure);

// The size of an auto-sized label holding the text: its widest line by its lines.
TwipRect LabelSize(std::string_view text, const TextMeasure& measure);

// A caption whose '&' marks the next letter as its access key ("&No"); "&&" is a plain '&'.
struct MnemonicText {
    std::string text;
    int underlined = -1; // byte offset of the marked letter, -1 for none
};
MnemonicText ParseMnemonic(std::string_view caption);

} // namespace varnix
