// Until the window exists, the program only reports what it can do so far.
#include "core/Fen.h"
#include "core/GameState.h"
#include "engine_link/EngineLibrary.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("Varnix Chess %s\n", VARNIX_VERSION);
        return 0;
    }
    varnix::EngineLibrary engine;
    const std::string folder = varnix::EngineLibrary::ExecutableFolder();
    if (!engine.Load(folder)) {
        std::printf("Varnix Chess: the engine library %s was not found in %s (%s).\n", varnix::EngineLibrary::FileName,
                    folder.c_str(), engine.LoadError().c_str());
        return 1;
    }
    varnix::GameState game;
    varnix::FenToPosition(game.StartFen, game.CurrentPosition);
    const varnix::MoveList moves = engine.Records().GetLegalMoves(game.CurrentPosition, game.CurrentPosition.BlackToMove);
    std::printf("Varnix Chess %s: the game window is not built yet.\n"
                "The engine library loaded from %s and finds %d legal moves in the start position.\n",
                VARNIX_VERSION, engine.LoadedPath().c_str(), int(moves.Count));
    return 0;
}
