#include "platform/TextRenderer.h"

#include "platform/FontLookup.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <unordered_map>
#include <vector>

namespace varnix {

namespace {

struct Glyph {
    FT_UInt index = 0;
    int left = 0; // from the pen to the bitmap's left edge
    int top = 0;  // from the baseline up to the bitmap's top edge
    int width = 0;
    int rows = 0;
    FT_Pos advance = 0; // 26.6
    std::vector<unsigned char> coverage;
};

// UTF-8 to code points; a byte that does not start a valid sequence stands
// for itself (Latin-1), so any text can be drawn.
template <typename Visit>
void ForEachCodePoint(std::string_view text, Visit visit) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : 0;
        char32_t cp = extra == 3 ? lead & 0x07u : extra == 2 ? lead & 0x0Fu : extra == 1 ? lead & 0x1Fu : lead;
        bool valid = lead < 0x80 || extra > 0;
        for (int k = 1; valid && k <= extra; ++k) {
            const std::size_t at = i + std::size_t(k);
            const auto next = at < text.size() ? static_cast<unsigned char>(text[at]) : 0;
            valid = (next & 0xC0u) == 0x80u;
            cp = (cp << 6) | (next & 0x3Fu);
        }
        if (valid) {
            visit(cp);
            i += std::size_t(extra) + 1;
        } else {
            visit(char32_t(lead));
            ++i;
        }
    }
}

unsigned char BlendChannel(unsigned d, unsigned s, unsigned a) { return (d * (255 - a) + s * a + 127) / 255; }

} // namespace

struct TextRenderer::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    mutable std::unordered_map<char32_t, Glyph> glyphs;

    ~Face() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }

    const Glyph& GlyphFor(char32_t cp) const {
        auto it = glyphs.find(cp);
        if (it != glyphs.end()) return it->second;
        Glyph g;
        g.index = FT_Get_Char_Index(face, cp);
        if (FT_Load_Glyph(face, g.index, FT_LOAD_DEFAULT) == 0 &&
            FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0) {
            const FT_Bitmap& bm = face->glyph->bitmap;
            g.left = face->glyph->bitmap_left;
            g.top = face->glyph->bitmap_top;
            g.advance = face->glyph->advance.x;
            if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) {
                g.width = int(bm.width);
                g.rows = int(bm.rows);
                g.coverage.resize(std::size_t(g.width) * std::size_t(g.rows));
                for (int r = 0; r < g.rows; ++r)
                    for (int c = 0; c < g.width; ++c)
                        g.coverage[std::size_t(r * g.width + c)] = bm.buffer[r * bm.pitch + c];
            }
        }
        return glyphs.emplace(cp, std::move(g)).first->second;
    }

    // Walks the text, handing each glyph and its pen position (whole pixels) to visit.
    template <typename Visit>
    FT_Pos Layout(std::string_view text, Visit visit) const {
        FT_Pos pen = 0;
        FT_UInt previous = 0;
        ForEachCodePoint(text, [&](char32_t cp) {
            const Glyph& g = GlyphFor(cp);
            if (previous && g.index && FT_HAS_KERNING(face)) {
                FT_Vector kern{};
                if (FT_Get_Kerning(face, previous, g.index, FT_KERNING_DEFAULT, &kern) == 0) pen += kern.x;
            }
            visit(g, int((pen + 32) >> 6));
            pen += g.advance;
            previous = g.index;
        });
        return pen;
    }
};

std::unique_ptr<TextRenderer> TextRenderer::Open(const std::string& family, bool bold, double points, int dpi) {
    if (!(points > 0) || points > 1000 || dpi <= 0 || dpi > 10000) return nullptr;
    auto file = FindFontFile(family, bold);
    if (!file) file = FindFontFile("DejaVu Sans", bold);
    if (!file) return nullptr;
    auto face = std::make_unique<Face>();
    if (FT_Init_FreeType(&face->library) != 0) return nullptr;
    if (FT_New_Face(face->library, file->path.c_str(), file->index, &face->face) != 0) return nullptr;
    if (FT_Set_Char_Size(face->face, 0, FT_F26Dot6(std::lround(points * 64)), FT_UInt(dpi), FT_UInt(dpi)) != 0)
        return nullptr;
    return std::unique_ptr<TextRenderer>(new TextRenderer(std::move(face)));
}

TextRenderer::TextRenderer(std::unique_ptr<Face> face) : face_(std::move(face)) {}

TextRenderer::~TextRenderer() = default;

void TextRenderer::DrawText(Surface& surface, int x, int y, std::string_view text, Pixel colour) const {
    const int baseline = y + Ascent();
    const unsigned cr = (colour >> 16) & 0xFF, cg = (colour >> 8) & 0xFF, cb = colour & 0xFF;
    face_->Layout(text, [&](const Glyph& g, int penX) {
        const int left = x + penX + g.left, top = baseline - g.top;
        for (int r = 0; r < g.rows; ++r) {
            for (int c = 0; c < g.width; ++c) {
                const unsigned a = g.coverage[std::size_t(r * g.width + c)];
                if (a == 0 || !surface.Contains(left + c, top + r)) continue;
                const Pixel d = surface.At(left + c, top + r);
                surface.Set(left + c, top + r,
                            Rgb(BlendChannel((d >> 16) & 0xFF, cr, a), BlendChannel((d >> 8) & 0xFF, cg, a),
                                BlendChannel(d & 0xFF, cb, a)));
            }
        }
    });
}

int TextRenderer::TextWidth(std::string_view text) const {
    return int((face_->Layout(text, [](const Glyph&, int) {}) + 32) >> 6);
}

int TextRenderer::LineHeight() const { return int((face_->face->size->metrics.height + 63) >> 6); }

int TextRenderer::Ascent() const { return int((face_->face->size->metrics.ascender + 63) >> 6); }

} // namespace varnix
