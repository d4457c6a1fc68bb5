// The command line of varnix-diagram: what to draw and where to write it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnix {

struct DiagramOptions {
    bool flip = false;
    bool check = false; // mark the side to move's king as in check
    int lastFile = 0, lastRow = 0; // last-move square, 0 for none
    int selectFile = 0, selectRow = 0;
    std::string fen;
    std::string output;
};

struct DiagramCommand {
    enum class Action { Draw, Help, Version, Fail } action = Action::Fail;
    DiagramOptions options;
    std::string error; // for Fail
};

// Reads the arguments after the program name. The FEN may be one argument or
// its fields as separate arguments; the last argument is the output file.
DiagramCommand ParseDiagramArguments(const std::vector<std::string>& args);

// "e4" -> file 5, row 5 (rows count from rank 8); false for anything else.
bool ParseSquare(const std::string& text, int& file, int& row);

// True when the text starts with a full piece placement (eight ranks of eight
// squares) and, if a side field follows, it is "w" or "b".
bool IsDiagramFen(const std::string& fen);

std::string DiagramUsage();

} // namespace varnix
