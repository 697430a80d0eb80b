#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <type_traits>

// The proof-number search's memory: for each position seen, its proof and disproof numbers (the
// least number of positions still to be solved to prove a mate, or to disprove it). A proven
// position has proof number 0, a disproven one disproof number 0.

inline constexpr uint32_t InfiniteProof = std::numeric_limits<uint32_t>::max() / 2;
// Repetitions are numbered by the path index of the repeated position; this marks none.
inline constexpr uint16_t NoLoop = std::numeric_limits<uint16_t>::max();

struct ProofEntry {
    uint64_t key = 0;
    // A disproof that rests on a repetition of the path above the position holds only on that
    // path: loopPly is the shallowest repeated index, pathKey the key of the path it holds on.
    uint64_t pathKey = 0;
    uint32_t pn = 1, dn = 1;
    uint32_t work = 0; // the positions searched for it, kept to choose what to overwrite
    uint16_t loopPly = NoLoop;
    uint8_t generation = 0; // the table's generation that wrote it; 0 for never

    bool Proven() const { return pn == 0; }
    bool Disproven() const { return dn == 0; }
};

static_assert(std::is_trivially_copyable_v<ProofEntry>);

class ProofTable {
public:
    // All-zero memory is a table of unused entries; taking it zeroed from the system lets a
    // short search touch only the pages it uses.
    explicit ProofTable(size_t megabytes)
        : bucketMask_(
            std::bit_floor(std::max<size_t>(megabytes * 1024 * 1024 / sizeof(ProofEntry) / Ways, 1))
            - 1)
        , entries_(static_cast<ProofEntry*>(std::calloc(Capacity(), sizeof(ProofEntry))))
    {
        if (entries_ == nullptr)
            throw std::bad_alloc();
    }

    // Forgets every position, for a search that asks a different question. Entries of an older
    // generation count as unused, so only the rare wrap of the generation touches the memory.
    void Clear()
    {
        if (++generation_ == 0) {
            std::memset(static_cast<void*>(entries_.get()), 0, Capacity() * sizeof(ProofEntry));
            generation_ = 1;
        }
    }

    // The entry of the position, or none.
    const ProofEntry* Find(uint64_t key) const
    {
        const ProofEntry* bucket = &entries_[Index(key)];
        for (size_t i = 0; i < Ways; ++i)
            if (Live(bucket[i]) && bucket[i].key == key)
                return &bucket[i];
        return nullptr;
    }

    // Starts fetching the position's entries from memory, to be found later without a wait.
    void Prefetch(uint64_t key) const { __builtin_prefetch(&entries_[Index(key)]); }

    // The entry to write the position into: its own, else a free one, else the one whose loss
    // costs least, a solved position costing more than any unsolved one.
    ProofEntry& Store(uint64_t key)
    {
        ProofEntry* bucket = &entries_[Index(key)];
        ProofEntry* victim = &bucket[0];
        for (size_t i = 0; i < Ways; ++i) {
            ProofEntry& e = bucket[i];
            if (!Live(e))
                return Fresh(e, key);
            if (e.key == key)
                return e;
            if (Cost(e) < Cost(*victim))
                victim = &e;
        }
        return Fresh(*victim, key);
    }

private:
    static constexpr size_t Ways = 4;

    size_t Capacity() const { return (bucketMask_ + 1) * Ways; }

    bool Live(const ProofEntry& e) const { return e.generation == generation_; }

    ProofEntry& Fresh(ProofEntry& e, uint64_t key) const
    {
        e = ProofEntry {};
        e.key = key;
        e.generation = generation_;
        return e;
    }

    // A power of two of buckets, so that a key's bucket is its low bits.
    size_t Index(uint64_t key) const { return (key & bucketMask_) * Ways; }

    static uint64_t Cost(const ProofEntry& e)
    {
        const bool solved = e.Proven() || (e.Disproven() && e.loopPly == NoLoop);
        return (solved ? uint64_t(1) << 32 : 0) + e.work;
    }

    struct Free {
        void operator()(ProofEntry* p) const { std::free(p); }
    };
    size_t bucketMask_;
    uint8_t generation_ = 1;
    std::unique_ptr<ProofEntry[], Free> entries_;
};
