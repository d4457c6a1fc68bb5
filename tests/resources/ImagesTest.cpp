#include "resources/Images.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varnix {
namespace {

constexpr Pixel White = 0xFFFFFF;
constexpr Pixel Black = 0x000000;

int Brightness(Pixel p) { return int((p >> 16) & 0xFF) + int((p >> 8) & 0xFF) + int(p & 0xFF); }

struct Stats {
    double mean = 0, spread = 0;
};

// Mean and standard deviation of the brightness inside a rectangle.
Stats Measure(const Surface& s, int x, int y, int w, int h) {
    double sum = 0, sq = 0;
    for (int v = y; v < y + h; ++v)
        for (int u = x; u < x + w; ++u) {
            const double b = Brightness(s.At(u, v));
            sum += b;
            sq += b * b;
        }
    const double n = double(w) * h;
    return {sum / n, std::sqrt(std::max(0.0, sq / n - (sum / n) * (sum / n)))};
}

TEST(Images, MarkerFrameIsFourPixelsBlackRoundWhiteAndCheckSquareIsPureRed) {
    const Surface frame = MarkerFrame();
    ASSERT_EQ(frame.Width(), 41);
    ASSERT_EQ(frame.Height(), 41);
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 41; ++x) {
            const bool border = x < 4 || y < 4 || x >= 37 || y >= 37;
            ASSERT_EQ(frame.At(x, y), border ? Black : White) << x << "," << y;
        }
    const Surface red = CheckSquare();
    EXPECT_EQ(red.Pixels(), Surface(41, 41, 0xFF0000).Pixels());
}

TEST(Images, PiecesLieOnPureWhiteInsideTheirMaskedCells) {
    const Surface sheet = PieceSheet(), mask = PieceMask();
    ASSERT_TRUE(sheet.Width() == 246 && sheet.Height() == 82 && mask.Width() == 246 && mask.Height() == 82);
    for (int cell = 0; cell < 12; ++cell) {
        const int cx = (cell % 6) * 41, cy = (cell / 6) * 41;
        int inked = 0;
        for (int y = 0; y < 41; ++y)
            for (int x = 0; x < 41; ++x) {
                const Pixel m = mask.At(cx + x, cy + y);
                ASSERT_TRUE(m == White || m == Black) << "mask not pure at cell " << cell;
                if (m == Black) {
                    ASSERT_EQ(sheet.At(cx + x, cy + y), White) << "sheet not white outside cell " << cell;
                    continue;
                }
                ++inked;
                // The animation erases a piece by its square, one pixel right of and below the cell.
                EXPECT_TRUE(x > 0 && y > 0) << "ink on the cell's top or left edge, cell " << cell;
            }
        EXPECT_GT(inked, 150) << "cell " << cell << " is nearly empty";
        EXPECT_LT(inked, 41 * 41 * 3 / 4) << "cell " << cell;
    }
}

TEST(Images, BoardLooksLikeWoodWithTheLightSquareTopLeft) {
    const Surface board = BoardPicture();
    ASSERT_EQ(board.Width(), 366);
    ASSERT_EQ(board.Height(), 365);
    EXPECT_EQ(board.Pixels(), BoardPicture().Pixels()) << "the picture must be the same every time";
    const Stats a8 = Measure(board, 19, 19, 41, 41), b8 = Measure(board, 60, 19, 41, 41);
    const Stats h1 = Measure(board, 306, 306, 41, 41), g1 = Measure(board, 265, 306, 41, 41);
    EXPECT_GT(a8.mean, b8.mean + 150);
    EXPECT_GT(h1.mean, g1.mean + 150);
    // Grain, not flat colour.
    for (const Stats& s : {a8, b8, h1, g1}) EXPECT_GT(s.spread, 6.0);
}

} // namespace
} // namespace varnix
