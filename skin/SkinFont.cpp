#include "skin/SkinFont.h"

#include <algorithm>

namespace varnix {

namespace {

constexpr double Points = 8.25;
constexpr int EstimatedCharWidth = 7;
constexpr int EstimatedLineHeight = 13;
constexpr int EstimatedAscent = 11;

} // namespace

SkinFont::SkinFont(bool bold) : renderer_(TextRenderer::Open("Verdana", bold, Points)) {}

int SkinFont::TextWidth(std::string_view text) const {
    if (renderer_) return renderer_->TextWidth(text);
    // Continuation bytes of UTF-8 sequences are not characters of their own.
    return EstimatedCharWidth * int(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

int SkinFont::LineHeight() const { return renderer_ ? renderer_->LineHeight() : EstimatedLineHeight; }

int SkinFont::Ascent() const { return renderer_ ? renderer_->Ascent() : EstimatedAscent; }

void SkinFont::Draw(Surface& surface, int x, int y, std::string_view text, Pixel colour) const {
    if (renderer_) renderer_->DrawText(surface, x, y, text, colour);
}

} // namespace varnix
