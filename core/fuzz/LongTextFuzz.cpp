// Any 86 bytes as the position and any text as a long move text through
// LongTextToMove, then the move it gives back through MoveToLongText.
#include "core/MoveNotation.h"
#include "core/MoveTextReader.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    varnix::Position position{};
    if (size < sizeof position) return 0;
    std::memcpy(&position, data, sizeof position);
    const std::string_view text(reinterpret_cast<const char*>(data + sizeof position), size - sizeof position);
    const varnix::Move move = varnix::LongTextToMove(position, text);
    varnix::MoveToLongText(position, move);
    return 0;
}
