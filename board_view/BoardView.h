// The board in the main window: composed off screen from the board picture,
// the coordinates, the markers and the pieces, then put on the window in one
// copy. Also glides a moving piece to its square and draws a dragged piece.
//
// One instance for the run. The game state and the selection belong to the
// controller; the board view reads them (an animation of the user's move
// also sets the selection).
#pragma once

#include "board_view/BoardGeometry.h"
#include "board_view/BoardSelection.h"
#include "board_view/PieceSet.h"
#include "core/GameState.h"
#include "platform/Platform.h"
#include "platform/TextRenderer.h"

#include <array>
#include <cstdint>
#include <memory>

namespace varnix {

class BoardView {
public:
    // Takes the program's pictures from resources/.
    BoardView(Platform& platform, const GameState& game, BoardSelection& selection);
    ~BoardView();

    // Start-up, in this order: LoadBoard_S, DrawBoardBackground, Bitmaps_LoadPieces.
    void LoadBoard_S();
    // Builds the clean board (picture plus coordinates for the current orientation) in buf(2).
    void DrawBoardBackground();
    void Bitmaps_LoadPieces();

    // Composes position's board in buf(0), puts it on the window, repaints and
    // processes pending events once. A dragged piece (pieceMov != 0) is left out.
    void DrawBoard(const Position& position, bool hideSelected = false);
    // DrawBoard of the current position: the redraw everybody else calls.
    void RefreshBoard();
    // Turns the board half round and redraws it.
    void FlipBoard();

    // Glides the moving piece of move from its square in position (the position
    // before the move) to its destination, then redraws the current position.
    // Castling moves are rewritten in place as the king's move. With keepMarks
    // false the selection and the last-move marker are set to the move.
    void AnimateMove(const Position& position, Move& move, bool keepMarks);

    // Dragging: StartDrag after the redraw that left the dragged piece out;
    // then one DrawDragFrame per mouse position, with the previous one.
    void StartDrag();
    void DrawDragFrame(int oldX, int oldY, int xpos, int ypos);

    bool BoardFlipped() const { return flipped_; }
    const BoardGeometry& Geometry() const { return geometry_; }
    const PieceSet& Pieces() const { return pieces_; }
    // 0: the frame being composed, 1: the drag and animation background, 2: the clean board.
    const Surface& Buffer(int index) const { return buf_[std::size_t(index)]; }

    // Last-move marker: the destination square of the last move (board
    // coordinates), file 0 for none. Written by game control and the animation.
    std::uint8_t LastMoveFile = 0;
    std::uint8_t LastMoveRow = 0;
    std::uint8_t ShowLastMove = 1;

private:
    void DrawCheckMarker();
    // Copies a marker picture onto the square (file, row) of buf(0); off-board squares get none.
    void DrawMarker(const Surface& marker, int file, int row, RasterOp rop);
    // Screen column or row index (0 to 7) of a board file or row.
    int ScreenIndex(int fileOrRow) const { return flipped_ ? 8 - fileOrRow : fileOrRow - 1; }
    // Puts the rectangle of source on the window, repaints and lets pending events in.
    void ShowRect(const Surface& source, int x, int y, int w, int h);

    Platform& platform_;
    const GameState& game_;
    BoardSelection& selection_;
    BoardGeometry geometry_;
    std::unique_ptr<TextRenderer> font_;
    Surface picture1_; // the board picture
    PieceSet pieces_;
    Surface pquad_;  // frame marker
    Surface pquad2_; // check marker
    std::array<Surface, 3> buf_;
    bool flipped_ = false;
};

} // namespace varnix
