// varnix-perft [--exported] FEN DEPTH: counts move-tree leaves and prints the speed.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/api/varnix_engine.h"
#include "engine/board.h"
#include "engine/perft.h"
#include "engine/record_bridge.h"

using namespace varnix::engine;

int main(int argc, char** argv) {
    int arg = 1;
    const bool exported = argc > 1 && std::strcmp(argv[1], "--exported") == 0;
    if (exported) ++arg;
    if (argc - arg != 2) {
        std::fprintf(stderr, "usage: varnix-perft [--exported] FEN DEPTH\n");
        return 2;
    }
    auto board = Board::FromFen(argv[arg]);
    const int depth = std::atoi(argv[arg + 1]);
    if (!board || depth < 0 || depth > 12) {
        std::fprintf(stderr, "varnix-perft: bad FEN or depth\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const uint64_t nodes = exported ? RecordPerft(RecordFromBoard(*board), depth, {varnix_GetMove, varnix_MakeMove})
                                    : Perft(*board, depth);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("nodes %llu\nseconds %.3f\nnps %.0f\n", static_cast<unsigned long long>(nodes), seconds,
                seconds > 0 ? double(nodes) / seconds : 0.0);
    return 0;
}
