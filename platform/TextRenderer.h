// Text on our own surfaces: a FreeType face found through fontconfig, drawn
// anti-aliased onto a Surface with a transparent background.
#pragma once

#include "platform/Surface.h"

#include <memory>
#include <string>
#include <string_view>

namespace varnix {

class TextRenderer {
public:
    // nullptr when no font can be found for the family at all (an unknown family
    // falls back to DejaVu Sans), or when the size is not a sensible one.
    static std::unique_ptr<TextRenderer> Open(const std::string& family, bool bold, double points, int dpi = 96);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // Draws text with its top-left at (x, y): the cell's top, not the baseline. Clipped to the surface.
    void DrawText(Surface& surface, int x, int y, std::string_view text, Pixel colour) const;
    int TextWidth(std::string_view text) const;
    int LineHeight() const;
    int Ascent() const;

private:
    struct Face;
    explicit TextRenderer(std::unique_ptr<Face> face);
    std::unique_ptr<Face> face_;
};

} // namespace varnix
