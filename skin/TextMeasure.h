// How wide a text is and how tall a line, in pixels: all the layout needs of
// a font, so that layouts can be computed and tested without one.
#pragma once

#include <string_view>

namespace varnix {

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int LineHeight() const = 0;
};

} // namespace varnix
