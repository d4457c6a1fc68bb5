#include "BoardFixture.h"

namespace varnix {
namespace {

using testing_support::BoardFixture;
using testing_support::Rect;

class DragDrawing : public BoardFixture {
protected:
    // Picks up the e2 pawn as the drag loop does: redraw without it, then keep that board.
    void PickUpE2() {
        selection.mfx = 5;
        selection.mfy = 7;
        selection.pieceMov = WhitePawn;
        view->RefreshBoard();
        view->StartDrag();
        platform.shown.clear();
    }
};

TEST_F(DragDrawing, FrameShowsThePieceUnderTheMouseAndOnlyTheSpannedRectangle) {
    PickUpE2();
    const Surface withoutPawn = view->Buffer(0);
    // Press at (200, 280): the loop starts from the press less the grab offset.
    view->DrawDragFrame(178, 258, 210, 250);
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown[0], (Rect{156, 228, 41 + 32, 41 + 8}));
    // The cell sits 22 px up and left of the mouse.
    const Surface cell = Region(platform.Window(), 188, 228, 41, 41);
    const Surface& sheet = view->Pieces().Sheet();
    const Surface& mask = view->Pieces().Mask();
    for (int v = 0; v < 41; ++v)
        for (int u = 0; u < 41; ++u)
            ASSERT_EQ(cell.At(u, v), (withoutPawn.At(188 + u, 228 + v) & sheet.At(u, v)) | mask.At(u, v));
    // The drag buffer is clean again for the next frame.
    EXPECT_EQ(view->Buffer(1).Pixels(), withoutPawn.Pixels());
}

TEST_F(DragDrawing, NextFrameErasesThePreviousPlace) {
    PickUpE2();
    const Surface withoutPawn = view->Buffer(0);
    view->DrawDragFrame(200, 200, 200, 200);
    view->DrawDragFrame(200, 200, 260, 200);
    EXPECT_EQ(platform.shown.back(), (Rect{178, 178, 41 + 60, 41}));
    // Where the piece was and is no longer, the board without it shows again.
    EXPECT_EQ(Region(platform.Window(), 178, 178, 41, 41).Pixels(), Region(withoutPawn, 178, 178, 41, 41).Pixels());
    EXPECT_EQ(platform.Repaints(), 2 + 1);
}

TEST_F(DragDrawing, FramesAtTheWindowEdgesAreClipped) {
    PickUpE2();
    view->DrawDragFrame(5, 5, 0, 0);
    view->DrawDragFrame(0, 0, 380, 380);
    ASSERT_EQ(platform.shown.size(), 2u);
    EXPECT_EQ(platform.shown[0], (Rect{0, 0, 41 + 5 - 22, 41 + 5 - 22}));
    EXPECT_EQ(platform.shown[1], (Rect{0, 0, 366, 365}));
    EXPECT_EQ(view->Buffer(1).Pixels(), view->Buffer(0).Pixels());
}

} // namespace
} // namespace varnix
