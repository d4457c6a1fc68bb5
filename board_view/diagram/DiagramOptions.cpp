#include "board_view/diagram/DiagramOptions.h"

#include <sstream>
#include <string_view>

namespace varnix {

bool ParseSquare(const std::string& text, int& file, int& row) {
    if (text.size() != 2 || text[0] < 'a' || text[0] > 'h' || text[1] < '1' || text[1] > '8') return false;
    file = text[0] - 'a' + 1;
    row = 9 - (text[1] - '0');
    return true;
}

bool IsDiagramFen(const std::string& fen) {
    std::istringstream fields(fen);
    std::string placement, side;
    fields >> placement >> side;
    int rank = 0, squares = 0;
    for (char c : placement) {
        if (c == '/') {
            if (squares != 8) return false;
            ++rank;
            squares = 0;
        } else if (c >= '1' && c <= '8') {
            squares += c - '0';
        } else if (std::string_view("PNBRQKpnbrqk").find(c) != std::string_view::npos) {
            ++squares;
        } else {
            return false;
        }
        if (squares > 8) return false;
    }
    return rank == 7 && squares == 8 && (side.empty() || side == "w" || side == "b");
}

std::string DiagramUsage() {
    return "usage: varnix-diagram [--flip] [--last SQ] [--select SQ] [--check] FEN out.png\n"
           "Draws the position as Varnix Chess shows it and writes it as a PNG picture.\n"
           "  --flip        Black's side at the bottom\n"
           "  --last SQ     white frame on the last move's square (e.g. e4)\n"
           "  --select SQ   black frame on a selected square\n"
           "  --check       red square under the king of the side to move\n"
           "  --help        this text\n"
           "  --version     the program's version\n"
           "The FEN may be quoted as one argument or given as its separate fields.\n";
}

DiagramCommand ParseDiagramArguments(const std::vector<std::string>& args) {
    DiagramCommand command;
    auto fail = [&command](std::string why) {
        command.action = DiagramCommand::Action::Fail;
        command.error = std::move(why);
        return command;
    };
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            command.action = DiagramCommand::Action::Help;
            return command;
        }
        if (a == "--version") {
            command.action = DiagramCommand::Action::Version;
            return command;
        }
        if (a == "--flip") {
            command.options.flip = true;
        } else if (a == "--check") {
            command.options.check = true;
        } else if (a == "--last" || a == "--select") {
            if (i + 1 >= args.size()) return fail(a + " needs a square, such as e4");
            int& file = a == "--last" ? command.options.lastFile : command.options.selectFile;
            int& row = a == "--last" ? command.options.lastRow : command.options.selectRow;
            if (!ParseSquare(args[++i], file, row)) return fail("not a square: " + args[i]);
        } else if (a.size() > 2 && a.rfind("--", 0) == 0) {
            return fail("unknown option: " + a);
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() < 2) return fail("a FEN and an output file are needed");
    command.options.output = positional.back();
    positional.pop_back();
    for (const std::string& field : positional)
        command.options.fen += (command.options.fen.empty() ? "" : " ") + field;
    if (!IsDiagramFen(command.options.fen)) return fail("not a FEN position: " + command.options.fen);
    command.action = DiagramCommand::Action::Draw;
    return command;
}

} // namespace varnix
