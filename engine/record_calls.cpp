// The three exports on the shared records. They touch nothing but the caller's records, so the
// program may call them from any thread while a search runs.
#include <algorithm>

#include "engine/api/varnix_engine.h"
#include "engine/movegen.h"
#include "engine/record_bridge.h"
#include "engine/record_make_move.h"

using namespace varnix::engine;

extern "C" VARNIX_API void varnix_GetMove(const VarnixPosition* position, uint8_t side, VarnixMoveList* list) {
    if (!list) return;
    *list = VarnixMoveList{};
    if (!position) return;
    const Color mover = side != 0 ? Black : White;
    MoveList moves;
    GenerateLegal(BoardFromRecord(*position, mover), moves);
    // Count is one byte: a list can say 255 at most (legal chess positions have at most 218 moves).
    const int count = std::min(moves.Size(), 255);
    for (int i = 0; i < count; ++i) list->Entries[i] = MoveToRecord(moves[i], mover);
    list->Count = uint8_t(count);
}

extern "C" VARNIX_API int16_t varnix_KingAttacked(const VarnixPosition* position, int32_t blackKing) {
    if (!position) return 0;
    const Color c = blackKing != 0 ? Black : White;
    return BoardFromRecord(*position, c).KingsAttacked(c) ? -1 : 0;
}

extern "C" VARNIX_API void varnix_MakeMove(VarnixPosition* position, const VarnixMove* move) {
    if (position && move) ApplyMoveToRecord(*position, *move);
}
