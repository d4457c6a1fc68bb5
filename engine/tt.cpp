#include "engine/tt.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <new>

#include <sys/mman.h>

#include "engine/score.h"

namespace varnix::engine {
namespace {

// data: move 16 bits, score 16, eval 16, depth 8, bound 2, generation 6.
uint64_t Pack(Move move, int score, int eval, int depth, Bound bound, uint8_t generation) {
    return uint64_t(move.Raw()) | uint64_t(uint16_t(int16_t(score))) << 16 | uint64_t(uint16_t(int16_t(eval))) << 32 |
           uint64_t(uint8_t(std::clamp(depth, 0, 255))) << 48 | uint64_t(bound) << 56 | uint64_t(generation) << 58;
}

TTHit Unpack(uint64_t data) {
    return {Move(uint16_t(data)), int16_t(data >> 16), int16_t(data >> 32), int((data >> 48) & 255),
            Bound((data >> 56) & 3)};
}

uint64_t Load(const uint64_t& word) {
    return std::atomic_ref(const_cast<uint64_t&>(word)).load(std::memory_order_relaxed);
}
void Save(uint64_t& word, uint64_t value) { std::atomic_ref(word).store(value, std::memory_order_relaxed); }

uint8_t GenerationOf(uint64_t data) { return uint8_t(data >> 58); }
int DepthOf(uint64_t data) { return int((data >> 48) & 255); }

}  // namespace

TranspositionTable::TranspositionTable(size_t megabytes) { Resize(megabytes); }

void MappingRelease::operator()(void*) const {
    if (base) munmap(base, length);
}

void TranspositionTable::Resize(size_t megabytes) {
    const size_t bytes = std::clamp<size_t>(megabytes, 1, 65536) << 20;
    bucketCount_ = bytes / sizeof(Bucket);
    buckets_.reset();
    // Probes land anywhere in the table, so with small pages nearly every one misses the TLB; a start on a
    // huge-page boundary lets the kernel back it with 2 MiB pages where it may.
    constexpr size_t kHugePage = size_t(2) << 20;
    const size_t length = bytes + kHugePage;
    void* base = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) throw std::bad_alloc();
    const uintptr_t aligned = (reinterpret_cast<uintptr_t>(base) + kHugePage - 1) & ~(kHugePage - 1);
    madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
    buckets_ = std::unique_ptr<Bucket[], MappingRelease>(reinterpret_cast<Bucket*>(aligned), MappingRelease{base, length});
    // Touch every page now: faulting huge pages in one by one would stall the first search for a tenth of a second.
    Clear();
}

void TranspositionTable::Clear() {
    std::memset(static_cast<void*>(buckets_.get()), 0, bucketCount_ * sizeof(Bucket));
    generation_ = 0;
}

bool TranspositionTable::Probe(uint64_t key, TTHit& hit) const {
    for (const Slot& s : BucketOf(key).slots) {
        const uint64_t data = Load(s.data);
        if ((Load(s.check) ^ data) == key && data != 0) {
            hit = Unpack(data);
            return true;
        }
    }
    return false;
}

void TranspositionTable::Store(uint64_t key, Move move, int score, int eval, int depth, Bound bound) {
    Bucket& bucket = BucketOf(key);
    Slot* victim = &bucket.slots[0];
    int victimWorth = 1 << 30;
    for (Slot& s : bucket.slots) {
        const uint64_t data = Load(s.data);
        if ((Load(s.check) ^ data) == key) {
            // Same position: keep the old move when the new result has none, and keep deeper exact entries.
            const TTHit old = Unpack(data);
            if (!move) move = old.move;
            if (bound != Bound::Exact && old.depth > depth + 2 && GenerationOf(data) == generation_) return;
            victim = &s;
            break;
        }
        // Replace the shallowest entry, counting entries of older searches as much shallower.
        const int age = (generation_ - GenerationOf(data)) & 63;
        const int worth = DepthOf(data) - 8 * age;
        if (worth < victimWorth) {
            victimWorth = worth;
            victim = &s;
        }
    }
    const uint64_t data = Pack(move, score, eval, depth, bound, generation_);
    Save(victim->data, data);
    Save(victim->check, key ^ data);
}

int TranspositionTable::HashFull() const {
    int used = 0;
    const size_t sample = std::min<size_t>(bucketCount_, 250);
    for (size_t i = 0; i < sample; ++i) {
        for (const Slot& s : buckets_[i].slots) {
            const uint64_t data = Load(s.data);
            used += data != 0 && GenerationOf(data) == generation_;
        }
    }
    return int(used * 1000 / (sample * kSlotsPerBucket));
}

int ScoreToTT(int score, int ply) {
    return score >= kMateBound ? score + ply : score <= -kMateBound ? score - ply : score;
}

int ScoreFromTT(int score, int ply) {
    return score >= kMateBound ? score - ply : score <= -kMateBound ? score + ply : score;
}

}  // namespace varnix::engine
