// Random bytes through the three exported calls: no crash, no write outside the records, no hang.
#include <gtest/gtest.h>

#include <random>

#include "record_test_support.h"

using namespace varnix::engine;
using namespace varnix::engine::test;

namespace {

constexpr int kGuard = 32;
constexpr uint8_t kGuardByte = 0x5A;

template <typename T>
struct Guarded {
    uint8_t before[kGuard];
    T value;
    uint8_t after[kGuard];

    Guarded() {
        std::memset(before, kGuardByte, kGuard);
        std::memset(after, kGuardByte, kGuard);
    }
    bool Intact() const {
        for (int i = 0; i < kGuard; ++i)
            if (before[i] != kGuardByte || after[i] != kGuardByte) return false;
        return true;
    }
};

// Mostly real piece codes, some blockers and garbage, so that many positions have moves to list.
void FillPosition(VarnixPosition& p, std::mt19937& rng, bool anyBytes) {
    auto* bytes = reinterpret_cast<uint8_t*>(&p);
    for (size_t i = 0; i < sizeof p; ++i) bytes[i] = uint8_t(rng());
    if (anyBytes) return;
    for (int i = 0; i < 81; ++i) {
        const unsigned r = rng() % 100;
        p.Board[i] = r < 55 ? 0 : r < 95 ? uint8_t(1 + rng() % 12) : uint8_t(13 + rng() % 243);
    }
}

void FillMove(VarnixMove& m, std::mt19937& rng, const VarnixMoveList& list) {
    if (list.Count > 0 && rng() % 2) {
        m = list.Entries[rng() % list.Count];
        if (rng() % 4 == 0) m.Promote = uint8_t(rng());
        return;
    }
    auto* bytes = reinterpret_cast<uint8_t*>(&m);
    for (size_t i = 0; i < sizeof m; ++i) bytes[i] = uint8_t(rng() % 4 ? rng() % 10 : rng());
}

}  // namespace

TEST(RecordHardening, RandomRecordsStayInsideTheirBytes) {
    std::mt19937 rng(2024);
    Guarded<VarnixPosition> position;
    Guarded<VarnixMove> move;
    Guarded<VarnixMoveList> list;
    for (int round = 0; round < 20000; ++round) {
        FillPosition(position.value, rng, round % 5 == 0);
        const VarnixPosition before = position.value;
        varnix_GetMove(&position.value, uint8_t(rng() % 3 == 0 ? rng() : rng() % 2), &list.value);
        ASSERT_TRUE(SameBytes(position.value, before)) << "the list call changed the position";
        for (int i = 0; i < list.value.Count; ++i) {
            const VarnixMove& e = list.value.Entries[i];
            ASSERT_TRUE(e.FromFile >= 1 && e.FromFile <= 8 && e.FromRow >= 1 && e.FromRow <= 8);
            ASSERT_TRUE(e.ToFile >= 1 && e.ToFile <= 8 && e.ToRow >= 1 && e.ToRow <= 8);
        }
        (void)varnix_KingAttacked(&position.value, int32_t(rng()));
        ASSERT_TRUE(SameBytes(position.value, before)) << "the king call changed the position";
        for (int step = 0; step < 4; ++step) {
            FillMove(move.value, rng, list.value);
            const VarnixMove m = move.value;
            const int16_t side = position.value.BlackToMove;
            varnix_MakeMove(&position.value, &move.value);
            ASSERT_EQ(std::memcmp(&m, &move.value, sizeof m), 0) << "the make call changed the move";
            ASSERT_EQ(position.value.BlackToMove, side);
            for (int i = 0; i < 81; ++i) {
                if (i < 9 || i % 9 == 0) {
                    ASSERT_EQ(position.value.Board[i], before.Board[i]) << "no-square byte " << i;
                }
            }
        }
        ASSERT_TRUE(position.Intact() && move.Intact() && list.Intact()) << "round " << round;
    }
}
