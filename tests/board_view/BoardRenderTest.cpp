#include "BoardFixture.h"
#include "resources/Images.h"

#include <tuple>

namespace varnix {
namespace {

using testing_support::BoardFixture;

constexpr Pixel White = 0xFFFFFF;
constexpr Pixel Black = 0x000000;
constexpr Pixel Red = 0xFF0000;

// Pixels of the 41 x 41 square at (x, y) that lie in its 4 px border band.
bool InBand(int u, int v) { return u < 4 || v < 4 || u >= 37 || v >= 37; }

class BoardRender : public BoardFixture {
protected:
    // Checks the marker square at (x, y) of the window: band pixels are band,
    // the inside is as in reference, and everything outside equals reference.
    void ExpectFrame(const Surface& window, const Surface& reference, int x, int y, Pixel band) {
        for (int py = 0; py < window.Height(); ++py)
            for (int px = 0; px < window.Width(); ++px) {
                const int u = px - x, v = py - y;
                const bool inSquare = u >= 0 && v >= 0 && u < 41 && v < 41;
                if (inSquare && InBand(u, v))
                    ASSERT_EQ(window.At(px, py), band) << px << "," << py;
                else
                    ASSERT_EQ(window.At(px, py), reference.At(px, py)) << px << "," << py;
            }
    }

    // Marker squares whose inside corner pixel is pure red.
    int RedSquares(const Surface& window) {
        int n = 0;
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) n += window.At(19 + 41 * c + 1, 19 + 41 * r + 1) == Red;
        return n;
    }
};

TEST_F(BoardRender, PiecesAreDrawnInTheirCellsInBothOrientations) {
    const struct {
        bool flipped;
        int file, row, code, x, y;
    } cases[] = {{false, 1, 1, BlackRook, 18, 18}, {false, 4, 1, BlackQueen, 141, 18}, {true, 8, 7, WhitePawn, 18, 59}};
    for (const auto& c : cases) {
        if (c.flipped) view->FlipBoard();
        const Surface window = Redrawn();
        ASSERT_EQ(PieceAt(game.CurrentPosition, c.file, c.row), c.code);
        EXPECT_EQ(Region(window, c.x, c.y, 41, 41).Pixels(), ExpectedCell(c.code, c.x, c.y).Pixels()) << c.file << c.row;
    }
}

TEST_F(BoardRender, CoordinatesStandWhereTheyBelongInBothOrientations) {
    auto font = TextRenderer::Open("Arial", true, 9);
    ASSERT_TRUE(font);
    for (bool flipped : {false, true}) {
        if (flipped) view->FlipBoard();
        const std::string files = flipped ? "HGFEDCBA" : "ABCDEFGH";
        Surface expected = BoardPicture();
        for (int i = 1; i <= 8; ++i) {
            // i = 8 is the top rank: "8", or "1" when flipped.
            const char rank = char(flipped ? '9' - i : '0' + i);
            font->DrawText(expected, 7, (8 - i) * 41 + 32, std::string(1, rank), White);
            font->DrawText(expected, (i - 1) * 41 + 35, 3, files.substr(std::size_t(i - 1), 1), White);
        }
        EXPECT_EQ(view->Buffer(2).Pixels(), expected.Pixels()) << (flipped ? "flipped" : "not flipped");
    }
}

TEST_F(BoardRender, LastMoveFrameIsWhiteFourPixelsInsideTheSquareInBothOrientations) {
    for (const auto& [flipped, x, y] : {std::tuple{false, 183, 183}, std::tuple{true, 142, 142}}) { // e4
        SCOPED_TRACE(flipped ? "flipped" : "not flipped");
        if (flipped) view->FlipBoard();
        view->LastMoveFile = 0;
        const Surface reference = Redrawn();
        view->LastMoveFile = 5;
        view->LastMoveRow = 5;
        ExpectFrame(Redrawn(), reference, x, y, White);
    }
}

// Selected e2 is framed in black over its pawn; while the pawn is dragged it is left out and the frame stays.
TEST_F(BoardRender, SelectionFrameIsBlackOverThePieceOrWhereTheDraggedOneWas) {
    for (const std::uint8_t dragged : {std::uint8_t(0), std::uint8_t(WhitePawn)}) {
        SCOPED_TRACE(dragged ? "dragged" : "selected");
        selection = {};
        SetPiece(game.CurrentPosition, 5, 7, dragged ? Empty : WhitePawn);
        const Surface reference = Redrawn();
        SetPiece(game.CurrentPosition, 5, 7, WhitePawn);
        selection.mfx = 5;
        selection.mfy = 7;
        selection.pieceMov = dragged;
        ExpectFrame(Redrawn(), reference, 183, 265, Black);
    }
}

// The caption ends with the last move, and only its closing "+" means check on the side to move.
TEST_F(BoardRender, RedSquareOnlyUnderTheCheckedKing) {
    const struct {
        const char* caption;
        int plyCount;
        bool flipped;
        int redSquares, x, y; // x, y: the red marker square when there is one
    } cases[] = {
        {"Varnix Chess v1.16         Move: Bb4+", 0, false, 1, 183, 306},
        {"Varnix Chess v1.16         Move: Qxf7#", 1, false, 0, 0, 0},
        {"Move: Nf3+ (old)", 0, false, 0, 0, 0},
        {"Move: Qh5+", 1, true, 1, 142, 306}, // the flipped case last: the board stays turned
    };
    for (const auto& c : cases) {
        if (c.flipped) view->FlipBoard();
        game.PlyCount = std::int16_t(c.plyCount);
        platform.SetCaption(c.caption);
        const Surface window = Redrawn();
        EXPECT_EQ(RedSquares(window), c.redSquares) << c.caption;
        if (c.redSquares == 1) {
            EXPECT_EQ(window.At(c.x + 1, c.y + 1), Red) << c.caption;
        }
    }
    SetPiece(game.CurrentPosition, 5, 1, Empty); // a check without that king on the board
    EXPECT_EQ(RedSquares(Redrawn()), 0);
}

TEST_F(BoardRender, LastMoveFrameGoesOverTheRedSquareAndTheKingOverBoth) {
    platform.SetCaption("Move: Bb4+");
    view->LastMoveFile = 5;
    view->LastMoveRow = 8;
    const Surface window = Redrawn();
    EXPECT_EQ(window.At(183 + 1, 306 + 1), White); // band over red
    EXPECT_EQ(window.At(183 + 5, 306 + 5), Red);   // inside still red
    EXPECT_EQ(window.At(182 + 20, 305 + 20), ExpectedCell(WhiteKing, 182, 305).At(20, 20)); // the king on top
}

TEST_F(BoardRender, FenOnlyCodesDrawAsAWhitePawnAndUnknownCodesAsNothing) {
    for (std::uint8_t code : {13, 16}) {
        SetPiece(game.CurrentPosition, 1, 4, code); // a5, cell (18, 141)
        EXPECT_EQ(Region(Redrawn(), 18, 141, 41, 41).Pixels(), ExpectedCell(WhitePawn, 18, 141).Pixels()) << int(code);
    }
    for (std::uint8_t code : {17, 255}) {
        SetPiece(game.CurrentPosition, 1, 4, code);
        EXPECT_EQ(Region(Redrawn(), 18, 141, 41, 41).Pixels(), Region(view->Buffer(2), 18, 141, 41, 41).Pixels())
            << int(code);
    }
}

// Off the board, without a selected file, or with the last move hidden: no frame at all.
TEST_F(BoardRender, MarksThatShowNothingDrawNothing) {
    const Surface reference = Redrawn();
    struct Marks {
        int lastFile, lastRow, mfx, mfy, showLastMove = 1;
    };
    for (Marks m : {Marks{5, 5, 0, 0, 0}, Marks{0, 0, 0, 7}, Marks{9, 5, 0, 0}, Marks{0, 0, -3, 4}, Marks{0, 0, 4, 9}}) {
        view->LastMoveFile = std::uint8_t(m.lastFile);
        view->LastMoveRow = std::uint8_t(m.lastRow);
        view->ShowLastMove = std::uint8_t(m.showLastMove);
        selection.mfx = std::int16_t(m.mfx);
        selection.mfy = std::int16_t(m.mfy);
        EXPECT_EQ(Redrawn().Pixels(), reference.Pixels()) << m.lastFile << " " << m.lastRow << " " << m.mfx << " " << m.mfy;
    }
}

TEST_F(BoardRender, AnEventDuringTheRedrawSeesTheFinishedBoard) {
    Surface seen;
    platform.SetEventHandler([&](const InputEvent&) { seen = platform.Window(); });
    platform.QueueEvent(InputEvent{});
    selection.mfx = 2;
    selection.mfy = 8;
    const Surface window = Redrawn();
    EXPECT_EQ(seen.Pixels(), window.Pixels());
}

TEST_F(BoardRender, RedrawBeforeStartUpDrawsNothingAndDoesNotCrash) {
    testing_support::RecordingPlatform bare;
    BoardView early(bare, game, selection);
    early.RefreshBoard();
    EXPECT_TRUE(bare.shown.empty());
    EXPECT_EQ(bare.Repaints(), 1);
}

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
