#include "NotationTestSupport.h"

#include "core/NotationText.h"
#include "engine/api/varnix_engine.h"

namespace varnix::testing {

RecordCalls EngineCalls() { return RecordCalls(&varnix_GetMove, &varnix_KingAttacked, &varnix_MakeMove); }

Move MoveOf(const char* from, const char* to) {
    Move m{};
    m.FromFile = std::uint8_t(FileOf(from[0]));
    m.FromRow = std::uint8_t(RowOfRank(from[1]));
    m.ToFile = std::uint8_t(FileOf(to[0]));
    m.ToRow = std::uint8_t(RowOfRank(to[1]));
    return m;
}

} // namespace varnix::testing
