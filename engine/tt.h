// The transposition table, shared by all search threads without locks.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/types.h"

namespace varnix::engine {

enum class Bound : uint8_t { None = 0, Upper = 1, Lower = 2, Exact = 3 };

struct TTHit {
    Move move;
    int score;
    int eval;
    int depth;
    Bound bound;
};

// The table lives in its own memory mapping, aligned for huge pages; this returns the whole mapping.
struct MappingRelease {
    void* base = nullptr;
    size_t length = 0;
    void operator()(void*) const;
};

class TranspositionTable {
public:
    explicit TranspositionTable(size_t megabytes);
    void Resize(size_t megabytes);
    void Clear();
    // Called once per search so old entries give way first.
    void NewSearch() { generation_ = uint8_t((generation_ + 1) & 63); }

    bool Probe(uint64_t key, TTHit& hit) const;
    // Starts loading the key's bucket, so that the probe a little later finds it in the cache.
    void Prefetch(uint64_t key) const { __builtin_prefetch(&BucketOf(key)); }
    void Store(uint64_t key, Move move, int score, int eval, int depth, Bound bound);
    // Per mille of a sample of slots holding entries of this search.
    int HashFull() const;

private:
    // Each slot keeps key ^ data beside data, so a slot torn by two writers fails the key check.
    // Plain words read and written through std::atomic_ref, so that the table can be zeroed in one go.
    struct Slot {
        uint64_t check;
        uint64_t data;
    };
    static constexpr int kSlotsPerBucket = 4;
    struct Bucket {
        Slot slots[kSlotsPerBucket];
    };

    Bucket& BucketOf(uint64_t key) const { return buckets_[(unsigned __int128)key * bucketCount_ >> 64]; }

    std::unique_ptr<Bucket[], MappingRelease> buckets_;
    size_t bucketCount_ = 0;
    uint8_t generation_ = 0;
};

// Mate scores are stored relative to the node, and read back relative to the root.
int ScoreToTT(int score, int ply);
int ScoreFromTT(int score, int ply);

}  // namespace varnix::engine
