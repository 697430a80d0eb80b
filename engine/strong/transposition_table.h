#pragma once

#include "engine/board/search_board.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

// What a search knows of a position it has seen: its best move, its score and how deep that score
// looked. Threads share one table without locks: an entry stores its key exclusive-or its data,
// so an entry torn by two writers reads back as a miss rather than as another position's data.

enum class Bound : uint8_t { None = 0, Upper = 1, Lower = 2, Exact = 3 };

// A move in 16 bits: to, from and the dropped type, and the promotion; 0 is no move.
using PackedMove = uint16_t;

constexpr PackedMove Pack(const SearchMove& m)
{
    return PackedMove(m.to | (m.from << 5) | (m.dropType << 10) | (m.promote << 13) | (1 << 14));
}

constexpr SearchMove Unpack(PackedMove p)
{
    return SearchMove { int8_t((p >> 5) & 31), int8_t(p & 31), int8_t((p >> 10) & 7),
        int8_t((p >> 13) & 1) };
}

struct TableEntry {
    PackedMove move = 0;
    int16_t score = 0;
    int16_t eval = 0;
    int8_t depth = 0;
    Bound bound = Bound::None;
};

class TranspositionTable {
public:
    explicit TranspositionTable(size_t megabytes);

    // Forgets everything, as for a new game.
    void Clear();
    // Starts a new search: entries of older searches are overwritten first.
    void NextSearch() { generation_ = uint8_t(generation_ + 1); }

    bool Probe(uint64_t key, TableEntry& entry) const;
    void Store(uint64_t key, const TableEntry& entry);

    // Per mille of the entries written by the current search, from a sample.
    int Hashfull() const;

private:
    // Plain words read and written through std::atomic_ref, so that the table can come zeroed
    // from calloc: the system hands out zero pages as they are first touched, and an engine
    // program that only counts perft or answers usi never pays for clearing 64 MB.
    struct Slot {
        uint64_t check; // the key exclusive-or data
        uint64_t data;
    };
    struct FreeSlots {
        void operator()(Slot* table) const { std::free(table); }
    };
    static constexpr int Ways = 4;

    static uint64_t Encode(const TableEntry& e, uint8_t generation);
    static TableEntry Decode(uint64_t data);
    static uint8_t GenerationOf(uint64_t data) { return uint8_t(data >> 56); }
    Slot* Bucket(uint64_t key) const { return &slots_[(key & mask_) * Ways]; }
    static uint64_t Load(uint64_t& word)
    {
        return std::atomic_ref<uint64_t>(word).load(std::memory_order_relaxed);
    }
    static void Save(uint64_t& word, uint64_t value)
    {
        std::atomic_ref<uint64_t>(word).store(value, std::memory_order_relaxed);
    }

    size_t mask_;
    std::unique_ptr<Slot[], FreeSlots> slots_;
    uint8_t generation_ = 0;
};
