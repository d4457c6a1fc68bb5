// Text metrics for layout tests: every character 6 pixels wide, lines 13 high.
#pragma once

#include "skin/TextMeasure.h"

#include <algorithm>

namespace varnix {

class FixedMeasure : public TextMeasure {
public:
    int TextWidth(std::string_view text) const override {
        return 6 * int(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    }
    int LineHeight() const override { return 13; }
};

} // namespace varnix
