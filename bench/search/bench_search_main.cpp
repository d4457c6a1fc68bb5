// varnix-bench-search [DEPTH]: searches the bench positions and prints their node count and speed.
#include <cstdlib>
#include <iostream>

#include "engine/search.h"

int main(int argc, char** argv) {
    const int depth = argc > 1 ? std::atoi(argv[1]) : 12;
    if (depth < 1 || depth > 60) {
        std::cerr << "usage: varnix-bench-search [DEPTH]\n";
        return 2;
    }
    varnix::engine::Searcher searcher(16, 1);
    searcher.Bench(depth, std::cout);
    return 0;
}
