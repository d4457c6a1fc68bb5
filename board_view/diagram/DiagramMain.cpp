// varnix-diagram: writes a board diagram of a FEN position as a PNG picture.
#include "board_view/diagram/DiagramOptions.h"
#include "board_view/diagram/RenderDiagram.h"
#include "platform/PngImage.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const varnix::DiagramCommand command = varnix::ParseDiagramArguments(args);
    switch (command.action) {
    case varnix::DiagramCommand::Action::Help:
        std::fputs(varnix::DiagramUsage().c_str(), stdout);
        return 0;
    case varnix::DiagramCommand::Action::Version:
        std::printf("varnix-diagram %s\n", VARNIX_VERSION);
        return 0;
    case varnix::DiagramCommand::Action::Fail:
        std::fprintf(stderr, "varnix-diagram: %s\n%s", command.error.c_str(), varnix::DiagramUsage().c_str());
        return 2;
    case varnix::DiagramCommand::Action::Draw:
        break;
    }
    if (!varnix::SavePng(varnix::RenderDiagram(command.options), command.options.output)) {
        std::fprintf(stderr, "varnix-diagram: cannot write %s\n", command.options.output.c_str());
        return 1;
    }
    return 0;
}
