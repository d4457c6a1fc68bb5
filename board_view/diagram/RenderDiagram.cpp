#include "board_view/diagram/RenderDiagram.h"

#include "board_view/BoardView.h"
#include "core/Fen.h"
#include "platform/headless/HeadlessPlatform.h"

namespace varnix {

Surface RenderDiagram(const DiagramOptions& options) {
    HeadlessPlatform platform;
    GameState game;
    BoardSelection selection;
    // A bare placement means White to move.
    FenToPosition(options.fen.find(' ') == std::string::npos ? options.fen + " w" : options.fen,
                  game.CurrentPosition);
    game.PlyCount = game.CurrentPosition.BlackToMove != 0 ? 1 : 0;
    // The check marker reads the last move's mark from the caption, as in the program.
    platform.SetCaption(options.check ? "Diagram +" : "Diagram");

    BoardView view(platform, game, selection);
    view.LoadBoard_S();
    view.DrawBoardBackground();
    view.Bitmaps_LoadPieces();
    if (options.flip) view.FlipBoard();
    view.LastMoveFile = std::uint8_t(options.lastFile);
    view.LastMoveRow = std::uint8_t(options.lastRow);
    selection.mfx = std::int16_t(options.selectFile);
    selection.mfy = std::int16_t(options.selectRow);
    view.RefreshBoard();

    const Surface& board = view.Buffer(2); // the picture's own size
    Surface out(board.Width(), board.Height());
    Blit(out, 0, 0, out.Width(), out.Height(), platform.Window(), 0, 0, RasterOp::Copy);
    return out;
}

} // namespace varnix
