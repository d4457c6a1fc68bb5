// Redraw cost: one DrawBoard of a full middlegame position, one animation
// frame and one drag frame, in microseconds, on the headless window (whose
// copy to its own surface stands for the copy to the screen).
// Usage: varnix-bench-redraw [repetitions]
#include "board_view/BoardView.h"
#include "core/Fen.h"
#include "platform/headless/HeadlessPlatform.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

double MicrosecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    const int reps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    using namespace varnix;
    HeadlessPlatform platform;
    GameState game;
    BoardSelection selection;
    // A middlegame with 28 pieces, a check, a last-move frame and a selection.
    FenToPosition("r1bq1rk1/pp2bppp/2n1pn2/2pp4/3P4/2PBPN2/PP1N1PPP/R2QK2R w KQ - 0 9", game.CurrentPosition);
    platform.SetCaption("Varnix Chess v1.16         Move: Bb4+");
    BoardView view(platform, game, selection);
    view.LoadBoard_S();
    view.DrawBoardBackground();
    view.Bitmaps_LoadPieces();
    view.LastMoveFile = 6;
    view.LastMoveRow = 6;
    selection.mfx = 3;
    selection.mfy = 8;
    view.RefreshBoard();

    auto start = Clock::now();
    for (int i = 0; i < reps; ++i) view.RefreshBoard();
    const double drawBoard = MicrosecondsSince(start) / reps;

    // A queen's glide over the whole diagonal: with the fake clock moving 1 ms
    // a frame it draws 350 frames, then one full redraw.
    constexpr int Frames = 350;
    game.PreviousPosition = game.CurrentPosition;
    SetPiece(game.PreviousPosition, 1, 1, WhiteQueen);
    const int glides = std::max(1, reps / 100);
    start = Clock::now();
    for (int i = 0; i < glides; ++i) {
        Move move{1, 1, 8, 8, 0, 0, 0, 0};
        view.AnimateMove(game.PreviousPosition, move, true);
    }
    const double animationFrame = (MicrosecondsSince(start) / glides - drawBoard) / Frames;

    selection.pieceMov = WhitePawn;
    view.RefreshBoard();
    view.StartDrag();
    start = Clock::now();
    for (int i = 0; i < reps; ++i) view.DrawDragFrame(200 + i % 7, 200, 200 + (i + 1) % 7, 203);
    const double dragFrame = MicrosecondsSince(start) / reps;

    std::printf("DrawBoard (middlegame, 28 pieces): %.1f us\n", drawBoard);
    std::printf("animation frame:                   %.1f us\n", animationFrame);
    std::printf("drag frame:                        %.1f us\n", dragFrame);
    return 0;
}
