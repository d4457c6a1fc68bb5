// varnix-uci: the Varnix Chess engine for UCI hosts. "varnix-uci bench [depth]"
// runs the fixed bench and exits.
#include <iostream>
#include <string>

#include "engine/uci/uci_session.h"

namespace {

constexpr const char* Usage = "usage: varnix-uci [bench [DEPTH]]\n"
                              "Speaks the Universal Chess Interface on standard input and output.\n"
                              "  bench [DEPTH]  search the fixed bench positions, print nodes and speed\n"
                              "  --help         this text\n"
                              "  --version      the program's version\n";

} // namespace

int main(int argc, char** argv) {
    const std::string first = argc >= 2 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::cout << Usage;
        return 0;
    }
    if (first == "--version") {
        std::cout << "varnix-uci " << VARNIX_VERSION << "\n";
        return 0;
    }
    varnix::engine::UciSession session(std::cout);
    if (first == "bench") {
        std::string line;
        for (int i = 1; i < argc; ++i) line += std::string(i > 1 ? " " : "") + argv[i];
        session.HandleLine(line);
        session.WaitForSearch();
        return 0;
    }
    if (!first.empty()) {
        std::cerr << "varnix-uci: unknown argument: " << first << "\n" << Usage;
        return 2;
    }
    for (std::string line; std::getline(std::cin, line);) {
        if (!session.HandleLine(line)) return 0;
    }
    session.HandleLine("quit");
    return 0;
}
