#include "resources/generator/PieceArt.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace varnix {

namespace {

constexpr int Cell = 41;
constexpr int Zoom = 4;
constexpr int Big = Cell * Zoom;
// Where the pieces stand in the cell. The cell sits one pixel up and left of
// its square, so the square's middle is column 21 and the pieces share a
// base line three pixels above the square's bottom edge.
constexpr double CentreX = 21.0;
constexpr double BaseY = 38.0;
constexpr double KingHeight = 34.0;
// A pixel belongs to the silhouette when the piece covers this much of it;
// fainter edge pixels stay off the board altogether.
constexpr double MaskThreshold = 0.3;

// Colours. Edge pixels of the silhouette lean towards a wood tone between
// maple and mahogany, so they sit well on both square colours.
constexpr double EdgeTone[3] = {176, 122, 80};
constexpr double WhiteTop[3] = {255, 251, 238};
constexpr double WhiteBottom[3] = {226, 212, 186};
constexpr double WhiteLine[3] = {26, 20, 16};
constexpr double BlackTop[3] = {72, 66, 62};
constexpr double BlackBottom[3] = {16, 14, 13};
constexpr double BlackLine[3] = {196, 188, 176};
// Width of White's dark outline, in pixels of the 41 px cell.
constexpr double OutlineWidth = 1.25;

// Coverage (0..255) of a glyph drawn white on black with its cell's top-left at (x, y).
struct Coverage {
    int width = 0, height = 0;
    std::vector<unsigned char> value;
    unsigned char At(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height ? 0 : value[std::size_t(y * width + x)];
    }
};

Coverage Render(const TextRenderer& font, const std::string& glyph, int w, int h, int x, int y) {
    Surface s(w, h, 0);
    font.DrawText(s, x, y, glyph, 0xFFFFFF);
    Coverage c{w, h, std::vector<unsigned char>(s.Pixels().size())};
    for (std::size_t i = 0; i < c.value.size(); ++i) c.value[i] = static_cast<unsigned char>(s.Pixels()[i] & 0xFF);
    return c;
}

struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
};

Ink InkOf(const Coverage& c) {
    Ink ink;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if (c.At(x, y) > 0) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

std::string Utf8(char32_t cp) {
    std::string s;
    s += char(0xE0 | (cp >> 12));
    s += char(0x80 | ((cp >> 6) & 0x3F));
    s += char(0x80 | (cp & 0x3F));
    return s;
}

// The filled glyph of kind k (0 pawn .. 5 king); both colours are drawn from
// its shape, so White and Black pieces match.
std::string Glyph(int kind) { return Utf8(char32_t(0x265F - kind)); }

// Inside = not reachable from the border through pixels the piece barely covers.
std::vector<bool> Interior(const Coverage& outline) {
    const int w = outline.width, h = outline.height;
    std::vector<bool> outside(std::size_t(w * h), false);
    std::vector<int> stack;
    auto push = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        const std::size_t i = std::size_t(y * w + x);
        if (outside[i] || outline.value[i] >= 128) return;
        outside[i] = true;
        stack.push_back(int(i));
    };
    for (int x = 0; x < w; ++x) push(x, 0), push(x, h - 1);
    for (int y = 0; y < h; ++y) push(0, y), push(w - 1, y);
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        push(i % w - 1, i / w), push(i % w + 1, i / w), push(i % w, i / w - 1), push(i % w, i / w + 1);
    }
    std::vector<bool> inside(outside.size());
    for (std::size_t i = 0; i < inside.size(); ++i) inside[i] = !outside[i];
    return inside;
}

// Distance (in zoomed pixels, chamfer 3-4 / 3) from each inside pixel to the nearest outside one.
std::vector<double> DistanceToOutside(const std::vector<bool>& inside, int w, int h) {
    const double far = 1e9;
    std::vector<double> d(inside.size());
    for (std::size_t i = 0; i < d.size(); ++i) d[i] = inside[i] ? far : 0;
    auto relax = [&](int x, int y, int dx, int dy, double cost) {
        const int u = x + dx, v = y + dy;
        const double from = u < 0 || v < 0 || u >= w || v >= h ? 0 : d[std::size_t(v * w + u)];
        double& here = d[std::size_t(y * w + x)];
        here = std::min(here, from + cost);
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            relax(x, y, -1, 0, 3), relax(x, y, 0, -1, 3), relax(x, y, -1, -1, 4), relax(x, y, 1, -1, 4);
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x)
            relax(x, y, 1, 0, 3), relax(x, y, 0, 1, 3), relax(x, y, 1, 1, 4), relax(x, y, -1, 1, 4);
    for (double& v : d) v /= 3;
    return d;
}

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

// Draws one piece into its 41 x 41 cell of the sheet and the mask.
void DrawPiece(const TextRenderer& font, int kind, bool black, int penX, int penY, PieceImages& out) {
    const Coverage glyph = Render(font, Glyph(kind), Big, Big, penX, penY);
    const std::vector<bool> inside = Interior(glyph);
    const std::vector<double> depth = DistanceToOutside(inside, Big, Big);
    const Ink ink = InkOf(glyph);
    const int cellX = kind * Cell, cellY = black ? Cell : 0;
    const double* top = black ? BlackTop : WhiteTop;
    const double* bottom = black ? BlackBottom : WhiteBottom;
    const double* lineColour = black ? BlackLine : WhiteLine;

    for (int y = 0; y < Cell; ++y) {
        for (int x = 0; x < Cell; ++x) {
            double cover = 0, sum[3] = {0, 0, 0};
            for (int v = y * Zoom; v < (y + 1) * Zoom; ++v) {
                for (int u = x * Zoom; u < (x + 1) * Zoom; ++u) {
                    const std::size_t i = std::size_t(v * Big + u);
                    const double ink01 = glyph.value[i] / 255.0;
                    const double a = inside[i] ? 1.0 : ink01;
                    if (a <= 0) continue;
                    // A soft light from above: the top of each piece is lighter.
                    const double fall = std::clamp(double(v - ink.top) / (ink.bottom - ink.top + 1), 0.0, 1.0);
                    // What the glyph leaves open inside its shape are the drawing lines;
                    // White pieces also get a dark rim.
                    double line = inside[i] ? 1.0 - ink01 : 0.0;
                    if (!black && depth[i] < OutlineWidth * Zoom) line = 1.0;
                    for (int k = 0; k < 3; ++k) sum[k] += a * Lerp(Lerp(top[k], bottom[k], fall), lineColour[k], line);
                    cover += a;
                }
            }
            if (cover <= 0) continue;
            const double share = cover / (Zoom * Zoom);
            if (share < MaskThreshold) continue;
            int rgb[3];
            for (int k = 0; k < 3; ++k) rgb[k] = int(std::lround(Lerp(EdgeTone[k], sum[k] / cover, share)));
            out.sheet.Set(cellX + x, cellY + y, Rgb(rgb[0], rgb[1], rgb[2]));
            out.mask.Set(cellX + x, cellY + y, 0xFFFFFF);
        }
    }
}

} // namespace

std::optional<PieceImages> DrawPieceImages(const std::string& family) {
    // Measure the king at a trial size, then size the font so it stands KingHeight tall.
    constexpr double TrialPoints = 90;
    auto trial = TextRenderer::Open(family, false, TrialPoints);
    if (!trial) return std::nullopt;
    const Ink trialKing = InkOf(Render(*trial, Glyph(5), 4 * Big, 4 * Big, Big, Big));
    if (trialKing.Empty()) return std::nullopt;
    const double points = TrialPoints * KingHeight * Zoom / (trialKing.bottom - trialKing.top + 1);
    auto font = TextRenderer::Open(family, false, points);
    if (!font) return std::nullopt;

    PieceImages out{Surface(6 * Cell, 2 * Cell, 0xFFFFFF), Surface(6 * Cell, 2 * Cell, 0x000000)};
    for (int kind = 0; kind < 6; ++kind) {
        // Find where the glyph's ink falls for a pen at the origin, then move it into place.
        const Coverage probe = Render(*font, Glyph(kind), 2 * Big, 2 * Big, Big / 2, Big / 2);
        const Ink ink = InkOf(probe);
        if (ink.Empty()) return std::nullopt;
        const double inkCentre = (ink.left + ink.right + 1) / 2.0 - Big / 2.0;
        const double inkBottom = ink.bottom + 1 - Big / 2.0;
        const int penX = int(std::lround(CentreX * Zoom - inkCentre));
        const int penY = int(std::lround(BaseY * Zoom - inkBottom));
        for (bool black : {false, true}) DrawPiece(*font, kind, black, penX, penY, out);
    }
    return out;
}

} // namespace varnix
