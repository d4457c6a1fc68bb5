#include "NotationTestSupport.h"

#include "core/NotationText.h"
#include "engine/api/varnix_engine.h"

namespace varnix::testing {

namespace {

MoveList& Script() {
    static MoveList list{};
    return list;
}

void ScriptedGetMove(const VarnixPosition*, std::uint8_t, VarnixMoveList* list) { *list = Script(); }
std::int16_t NeverAttacked(const VarnixPosition*, std::int32_t) { return 0; }
void NoChange(VarnixPosition*, const VarnixMove*) {}

} // namespace

RecordCalls EngineCalls() { return RecordCalls(&varnix_GetMove, &varnix_KingAttacked, &varnix_MakeMove); }

Move MoveOf(const char* from, const char* to) {
    Move m{};
    m.FromFile = std::uint8_t(FileOf(from[0]));
    m.FromRow = std::uint8_t(RowOfRank(from[1]));
    m.ToFile = std::uint8_t(FileOf(to[0]));
    m.ToRow = std::uint8_t(RowOfRank(to[1]));
    return m;
}

RecordCalls ScriptedCalls(std::initializer_list<Move> moves) {
    MoveList& list = Script();
    list = MoveList{};
    for (const Move& m : moves) list.Entries[list.Count++] = m;
    return RecordCalls(&ScriptedGetMove, &NeverAttacked, &NoChange);
}

} // namespace varnix::testing
