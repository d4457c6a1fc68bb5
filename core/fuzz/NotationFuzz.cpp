// Arbitrary bytes into ReadMoveText, LongTextToShort and LongTextToMove. The
// first byte picks the position and the side; the rest is the text.
#include "core/Fen.h"
#include "core/MoveNotation.h"
#include "core/MoveTextReader.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace {

constexpr const char* Positions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "3r3k/4P3/8/3pP3/8/5N2/1p6/1N2K2R w K d6 0 1",
    "r3k2r/8/8/8/3pP3/8/4p3/R3K2R b KQkq e3 0 1",
    "Q6Q/8/8/2k5/8/8/8/Q3K2Q w - - 0 1",
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const varnix::RecordCalls calls(&varnix_GetMove, &varnix_KingAttacked, &varnix_MakeMove);
    varnix::Position position{};
    varnix::FenToPosition(Positions[data[0] % std::size(Positions)], position);
    // Besides White and Black, a side value that only reads results and castling.
    const std::int16_t sides[] = {varnix::FlagFalse, varnix::FlagTrue, 1};
    const std::int16_t side = sides[(data[0] >> 4) % std::size(sides)];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    varnix::MoveTextReader reader;
    const std::string read = reader.ReadMoveText(calls, position, text, side);
    varnix::LongTextToShort(calls, position, text, side);
    varnix::LongTextToShort(calls, position, read, side);
    varnix::LongTextToMove(position, text);
    varnix::LongTextToMove(position, read);
    return 0;
}
