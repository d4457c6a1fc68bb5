// Any text through the FEN reader; what it accepts must write back and read again to the same board.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/board.h"
#include "engine/movegen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using varnix::engine::Board;
    const auto board = Board::FromFen(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!board) return 0;
    const auto again = Board::FromFen(board->Fen());
    if (!again || again->Fen() != board->Fen() || again->Hash() != board->Hash()) std::abort();
    varnix::engine::MoveList moves;
    varnix::engine::GenerateLegal(*board, moves);
    return 0;
}
