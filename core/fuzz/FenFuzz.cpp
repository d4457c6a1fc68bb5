// Any text through FenToPosition. Whatever it reads must write out as a FEN
// that reads back to the very same 86 bytes.
#include "core/Fen.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    varnix::Position read{};
    varnix::FenToPosition(text, read);
    const std::string written = varnix::PositionToFen(read);
    varnix::Position again{};
    varnix::FenToPosition(written, again);
    if (std::memcmp(&read, &again, sizeof read) != 0 || varnix::PositionToFen(again) != written) std::abort();
    return 0;
}
