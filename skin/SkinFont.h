// The dialog's typeface (Verdana 8.25 pt, or its nearest installed twin).
// Without any usable font the box still opens: text is measured by an
// estimate and not drawn.
#pragma once

#include "platform/Surface.h"
#include "platform/TextRenderer.h"
#include "skin/TextMeasure.h"

#include <memory>

namespace varnix {

class SkinFont : public TextMeasure {
public:
    explicit SkinFont(bool bold);

    int TextWidth(std::string_view text) const override;
    int LineHeight() const override;
    int Ascent() const;
    void Draw(Surface& surface, int x, int y, std::string_view text, Pixel colour) const;

private:
    std::unique_ptr<TextRenderer> renderer_;
};

} // namespace varnix
