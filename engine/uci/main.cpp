// varnix-uci: the Varnix Chess engine for UCI hosts. "varnix-uci bench [depth]"
// runs the fixed bench and exits.
#include <iostream>
#include <string>

#include "engine/uci/uci_session.h"

int main(int argc, char** argv) {
    varnix::engine::UciSession session(std::cout);
    if (argc >= 2 && std::string(argv[1]) == "bench") {
        std::string line;
        for (int i = 1; i < argc; ++i) line += std::string(i > 1 ? " " : "") + argv[i];
        session.HandleLine(line);
        session.WaitForSearch();
        return 0;
    }
    for (std::string line; std::getline(std::cin, line);) {
        if (!session.HandleLine(line)) return 0;
    }
    session.HandleLine("quit");
    return 0;
}
