// Placed beside an installed program and started through a link, it takes the
// program's own road to its files: the folder of the running executable, the
// engine library there with its seven exports, and the home page beside it.
// Prints what it found; exit 0 only when all is there and the engine answers.
#include "core/Fen.h"
#include "core/GameState.h"
#include "engine_link/EngineLibrary.h"

#include <cstdio>
#include <fstream>

int main() {
    const std::string folder = varnix::EngineLibrary::ExecutableFolder();
    std::printf("folder: %s\n", folder.c_str());
    varnix::EngineLibrary engine;
    if (!engine.Load(folder)) {
        std::printf("library: not loaded: %s\n", engine.LoadError().c_str());
        return 1;
    }
    const bool bound = engine.Records().Bound() && engine.EngineStart() && engine.GetTxt() && engine.ReceiveTxt() &&
                       engine.AddTime();
    std::printf("library: %s, exports %s\n", engine.LoadedPath().c_str(), bound ? "all bound" : "missing");

    varnix::Position start{};
    varnix::FenToPosition(varnix::StandardStartFen, start);
    const int moves = engine.Records().GetLegalMoves(start, start.BlackToMove).Count;
    std::printf("legal moves at the start: %d\n", moves);

    std::ifstream page(folder + "/home.html");
    const bool pageThere = page && page.peek() != std::ifstream::traits_type::eof();
    std::printf("home page: %s\n", pageThere ? "found" : "missing");
    return bound && moves == 20 && pageThere ? 0 : 1;
}
