// Any bytes as a position record, a side and a few move records, through the three exports.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/api/varnix_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < sizeof(VarnixPosition) + 1) return 0;
    VarnixPosition position;
    std::memcpy(&position, data, sizeof position);
    const uint8_t side = data[sizeof position];
    data += sizeof position + 1;
    size -= sizeof position + 1;

    VarnixMoveList list;
    varnix_GetMove(&position, side, &list);
    varnix_KingAttacked(&position, side & 1 ? -1 : 0);
    while (size >= sizeof(VarnixMove) + 1) {
        VarnixMove move;
        // The first byte picks a listed move or takes the next eight bytes as they are.
        if (list.Count && data[0] % 2) {
            move = list.Entries[data[0] % list.Count];
        } else {
            std::memcpy(&move, data + 1, sizeof move);
        }
        data += sizeof move + 1;
        size -= sizeof move + 1;
        varnix_MakeMove(&position, &move);
        varnix_GetMove(&position, side, &list);
    }
    return 0;
}
