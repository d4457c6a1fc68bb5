// A board view on a headless window that also records every rectangle put
// on the window, started up as the program does it.
#pragma once

#include "board_view/BoardView.h"
#include "core/Fen.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace varnix::testing_support {

struct Rect {
    int x, y, w, h;
    bool operator==(const Rect&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << "(" << r.x << "," << r.y << " " << r.w << "x" << r.h << ")";
}

class RecordingPlatform : public HeadlessPlatform {
public:
    void ShowPicture(const Surface& picture, int sx, int sy, int w, int h, int x, int y) override {
        shown.push_back({x, y, w, h});
        HeadlessPlatform::ShowPicture(picture, sx, sy, w, h, x, y);
    }
    std::vector<Rect> shown;
};

class BoardFixture : public ::testing::Test {
protected:
    void SetUp() override {
        FenToPosition(StandardStartFen, game.CurrentPosition);
        view = std::make_unique<BoardView>(platform, game, selection);
        view->LoadBoard_S();
        view->DrawBoardBackground();
        view->Bitmaps_LoadPieces();
    }

    // The window after a redraw of the current state.
    Surface Redrawn() {
        view->RefreshBoard();
        return platform.Window();
    }

    // The piece cell of code as the board view must put it at (x, y) over the clean board.
    Surface ExpectedCell(int code, int x, int y) const {
        const int sx = code >= 7 && code <= 12 ? 41 * (code - 7) : code <= 6 ? 41 * (code - 1) : 0;
        const int sy = code >= 7 && code <= 12 ? 41 : 0;
        const Surface& clean = view->Buffer(2);
        const Surface& sheet = view->Pieces().Sheet();
        const Surface& mask = view->Pieces().Mask();
        Surface cell(41, 41);
        for (int v = 0; v < 41; ++v)
            for (int u = 0; u < 41; ++u)
                cell.Set(u, v, (clean.At(x + u, y + v) & sheet.At(sx + u, sy + v)) | mask.At(sx + u, sy + v));
        return cell;
    }

    static Surface Region(const Surface& s, int x, int y, int w, int h) {
        Surface out(w, h);
        Blit(out, 0, 0, w, h, s, x, y, RasterOp::Copy);
        return out;
    }

    RecordingPlatform platform;
    GameState game;
    BoardSelection selection;
    std::unique_ptr<BoardView> view;
};

} // namespace varnix::testing_support
